#ifndef DRAVELLO_TESTS_EXPORTTESTSUPPORT_H
#define DRAVELLO_TESTS_EXPORTTESTSUPPORT_H

// What the export tests share: the sketch settings, a temporary-files
// folder of their own, a recording process runner, a list of installed
// applications, a fixed clock and a scripted save dialog; and small sketch
// records with their scenes.

#include "DocumentGraphicModel.h"
#include "DocumentMetaData.h"
#include "ExportServices.h"
#include "RecordingProcessRunner.h"
#include "SketchTestSupport.h"

#include <QDir>
#include <QFile>

namespace exporttest {

using namespace sketchtest;

// A record of the sketch at `path` with its scene, the paper shown unless
// told otherwise.
inline MetadataPtr makeSketch(const SketchSpec& drawing, const QString& path, bool paper = true)
{
    auto* record = new DocumentMetaData(path);
    record->m_document = DocumentMetaData::DocumentPtr(new Pelm::Document(makeDocument(drawing)));
    record->buildScene();
    if (paper)
        record->m_graphicModel->showBackground(true, true);
    return MetadataPtr(record);
}

// One horizontal stroke across the middle of the paper.
inline SketchSpec oneStroke() { return {{{{-500, 0, 800u}, {0, 0, 800u}, {500, 0, 800u}}}}; }

inline QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ExportEnvironment : public SketchEnvironment {
public:
    ExportServices services()
    {
        return {runner, [this] { return applications; }, [this] { return now; },
                [this](QWidget*, const QString& caption, const QString& proposed,
                       const QString& filter) {
                    dialogs << QStringList{caption, proposed, filter};
                    return saveAnswer;
                }};
    }

    QString temporaryFolder() const { return QString::fromStdString(temporary.path().string()); }
    QStringList handOffFolders() const
    {
        return QDir(temporaryFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }
    QString documents() const { return QString::fromStdString(home.file("Documents")); }

    Platform::RecordingProcessRunner runner;
    QList<ApplicationDescriptor> applications;
    QDateTime now{QDate(2024, 3, 5), QTime(14, 7, 9, 42)};
    QString saveAnswer;
    QList<QStringList> dialogs; // caption, proposed name and filter of each save dialog

private:
    testsupport::ScratchDir temporary;
    testsupport::EnvironmentOverride temporaryOverride{"TMPDIR", temporary.path().c_str()};
    // So that the documents folder is HOME/Documents.
    testsupport::EnvironmentOverride userDirs{"XDG_CONFIG_HOME", nullptr};
};

// The stamp of ExportEnvironment::now.
inline const char* const kStamp = "05032024140709042";

} // namespace exporttest

#endif
