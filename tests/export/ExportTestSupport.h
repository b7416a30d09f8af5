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

#include <filesystem>

namespace exporttest {

using namespace sketchtest;

// The stamp of ExportEnvironment::now, which begins the name of each
// hand-off folder.
inline const char* const kStamp = "05032024140709042";

// The permission bits of a file or folder (0700 and the like).
inline unsigned modeOf(const QString& path)
{
    return unsigned(std::filesystem::status(path.toStdString()).permissions()) & 07777u;
}

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
    // The hand-off folders of ExportEnvironment::now, in the temporary-files
    // folder or in a private folder there, by path.
    QStringList handOffFolders() const
    {
        QStringList found;
        const QStringList stamped{QString(kStamp) + "-*"};
        const QDir temporaryDir(temporaryFolder());
        for (const QString& folder : temporaryDir.entryList(stamped, QDir::Dirs, QDir::Name))
            found << temporaryDir.filePath(folder);
        for (const QString& inner : temporaryDir.entryList({"Dravello-*"}, QDir::Dirs, QDir::Name)) {
            const QDir privateDir(temporaryDir.filePath(inner));
            for (const QString& folder : privateDir.entryList(stamped, QDir::Dirs, QDir::Name))
                found << privateDir.filePath(folder);
        }
        return found;
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

} // namespace exporttest

#endif
