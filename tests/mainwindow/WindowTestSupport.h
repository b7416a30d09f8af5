#ifndef DRAVELLO_TESTS_MAINWINDOW_WINDOWTESTSUPPORT_H
#define DRAVELLO_TESTS_MAINWINDOW_WINDOWTESTSUPPORT_H

// What the main window tests share: the settings and a documents folder of
// sketch fixtures, a started window showing that folder (with a mail program
// that cannot be started), its parts by object name, and a way to open a
// sketch in the editor.

#include "DialogTestSupport.h"
#include "LayerManager.h"
#include "MainWindow.h"
#include "PreviewThumbnailList.h"
#include "RecordingProcessRunner.h"
#include "WhenModal.h"
#include "XdgMailer.h"

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTest>

namespace windowtest {

inline const QString kInkMLFixture = QStringLiteral(DRAVELLO_TEST_DATA "/sketch/two-layers.inkml");
inline const QString kWpiFixture = QStringLiteral(DRAVELLO_TEST_DATA "/wpi/two_layers.wpi");

// sketch_00.hlv, sketch_01.hlv, ...: `count` names of InkML sketches.
inline QStringList sketchNames(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("sketch_%1.hlv").arg(i, 2, 10, QLatin1Char('0'));
    return names;
}

class WindowRig {
public:
    // The documents folder holds the given files, each a copy of the fixture
    // its suffix calls for (WPI for ".wpi", InkML for any other).
    explicit WindowRig(const QStringList& sketches = {"a.hlv", "b.hlv", "c.wpi"},
                       const std::vector<std::string>& applications = {})
    {
        // Found once, when the settings store is first used.
        for (const std::string& application : applications)
            environment.system.installApplication(application);
        if (!environment.load())
            throw std::runtime_error("cannot load the settings");
        for (const QString& name : sketches)
            QFile::copy(name.endsWith(".wpi") ? kWpiFixture : kInkMLFixture, sketch(name));
        shownSketches = sketches.size();
    }

    // Starts and shows the window; true once the thumbnails of the
    // folder's first page are in (within waitMs).
    bool start(int waitMs = 10000)
    {
        window = std::make_unique<MainWindow>();
        window->setMailClient(mailer);
        window->init(documents(), environment.settingsPath);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            return false;
        const int firstPage = std::min<int>(shownSketches, PreviewThumbnailList::kFilesPerPage);
        return QTest::qWaitFor([this, firstPage] { return thumbnails()->count() == firstPage; }, waitMs);
    }

    QString documents() const { return QString::fromStdString(environment.system.documents().string()); }
    QString sketch(const QString& name) const { return documents() + "/" + name; }

    PreviewThumbnailList* thumbnails() const { return part<PreviewThumbnailList>("m_pieces_list"); }
    LayerManager* editor() const { return part<LayerManager>("m_layer_manager"); }
    QAction* action(const char* name) const { return part<QAction>(name); }
    QStackedWidget* pages() const { return part<QStackedWidget>("m_maintab_wgt"); }

    template <class Part>
    Part* part(const char* name) const
    {
        Part* found = window->findChild<Part*>(QString::fromLatin1(name));
        if (!found)
            throw std::runtime_error(std::string("no part ") + name);
        return found;
    }

    // The sketch paths of the thumbnails in row order (no file is read).
    QStringList shownPaths() const
    {
        QStringList paths;
        for (int row = 0; row < thumbnails()->count(); ++row)
            paths << thumbnails()->item(row)->data(Qt::UserRole).toString();
        return paths;
    }

    int rowOf(const QString& path) const { return shownPaths().indexOf(path); }

    // Opens the thumbnail of the file in the editor page.
    bool open(const QString& name)
    {
        const int row = rowOf(sketch(name));
        if (row < 0)
            return false;
        thumbnails()->setCurrentRow(row);
        thumbnails()->selectThumbnail();
        return editorShows(sketch(name));
    }

    // True once the editor page shows the sketch of the path with its scene
    // (within waitMs).
    bool editorShows(const QString& path, int waitMs = 10000) const
    {
        return QTest::qWaitFor(
            [this, path] {
                const MetadataPtr record = editor()->getCurrentMetaDataPtr();
                return window->currentPage() == 1 && record.GetData() && record->m_filePath == path
                    && record->m_graphicModel.GetData();
            },
            waitMs);
    }

    // Opens the file and turns it once clockwise, which counts as a change.
    bool openChanged(const QString& name)
    {
        if (!open(name))
            return false;
        action("m_actionRotate_Clockwise")->trigger();
        return editor()->isDocumentChanged();
    }

    dialogtest::SettingsEnvironment environment;
    // The window's mail program: xdg-email, which cannot be started here.
    Platform::RecordingProcessRunner mailRunner = unstartable("xdg-email");
    XdgMailer mailer{mailRunner};
    std::unique_ptr<MainWindow> window;
    int shownSketches = 0;

private:
    static Platform::RecordingProcessRunner unstartable(const std::string& program)
    {
        Platform::RecordingProcessRunner runner;
        runner.answer(program, Platform::ProcessResult{false, -1, ENOENT});
        return runner;
    }
};

// Answers the next file dialog with the path, or cancels it when empty;
// `proposed` (when given) receives the file the dialog offered.
inline void answerFileDialog(const QString& path, QString* proposed = nullptr)
{
    testsupport::whenModal<QFileDialog>([path, proposed](QFileDialog* dialog) {
        if (proposed)
            *proposed = QDir::toNativeSeparators(dialog->selectedFiles().value(0));
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
    });
}

inline QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace windowtest

#endif
