// The thumbnails' file commands, context menu and the drop
// that merges two sketches, on real files in a scratch folder.

#include "Document.h"
#include "ExportTarget.h"
#include "FileSizeLimit.h"
#include "RecordingFileManager.h"
#include "SketchDrag.h"
#include "ThumbsTestSupport.h"
#include "WhenModal.h"

#include <QContextMenuEvent>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMimeData>
#include <QtTest>

#include <filesystem>
#include <memory>

using namespace loadertest;
using namespace sketchtest;
using namespace thumbstest;
using testsupport::whenModal;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void chooseFolder(const QString& folder)
{
    whenModal<QFileDialog>([folder](QFileDialog* chooser) {
        chooser->setDirectory(folder);
        static_cast<QDialog*>(chooser)->accept();
    });
}

void answerRename(const QString& answer)
{
    whenModal<QInputDialog>([answer](QInputDialog* dialog) {
        dialog->setTextValue(answer);
        dialog->accept();
    });
}

unsigned long layerCount(const MetadataPtr& record)
{
    return record->m_document->getSize();
}

// Strokes of the sketch's first layer.
unsigned long firstLayerStrokes(const MetadataPtr& record)
{
    Pelm::Layer layer;
    return record->m_document->at(0, layer) ? layer.getSize() : 0;
}

} // namespace

class ThumbnailActionsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<SketchEnvironment> environment;
    std::unique_ptr<SketchFolder> folder;
    std::unique_ptr<PreviewThumbnailList> list;

    ScriptedPrompt& prompt() { return environment->prompt; }

    void show(const QStringList& names)
    {
        for (const QString& name : names)
            folder->addWpi(name.toStdString(), sketchOf(3, 5));
        QVERIFY(showFolder(*list, folder->dir()));
        QCOMPARE(list->count(), names.size());
    }

    void makeCurrent(const QString& name)
    {
        list->setCurrentItem(thumbnailOf(*list, name), QItemSelectionModel::ClearAndSelect);
    }

    // The payload enters the list and is dropped at the point; true when
    // the list took the drop.
    bool drop(QMimeData* payload, const QPoint& at)
    {
        std::unique_ptr<QMimeData> owned(payload);
        QDragEnterEvent enter(at, Qt::MoveAction, payload, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent event(at, Qt::MoveAction, payload, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &event);
        return event.isAccepted();
    }
    QPoint centreOf(const QString& name)
    {
        return list->visualItemRect(thumbnailOf(*list, name)).center();
    }

    // The menu that a right click on the thumbnail opens, if any.
    QMenu* rightClick(const QString& name)
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, centreOf(name),
                                list->viewport()->mapToGlobal(centreOf(name)));
        QApplication::sendEvent(list->viewport(), &event);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }

    // Opens the context menu on the thumbnail and clicks its entry with
    // this text.
    void clickMenuEntry(const QString& name, const QString& entry)
    {
        QMenu* menu = rightClick(name);
        QVERIFY(menu);
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        for (QAction* action : menu->actions()) {
            if (action->text() == entry) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                return;
            }
        }
        QFAIL(qPrintable("no entry " + entry));
    }

private slots:
    void init()
    {
        environment = std::make_unique<SketchEnvironment>();
        folder = std::make_unique<SketchFolder>(*environment, "f");
        list = std::make_unique<PreviewThumbnailList>();
        list->resize(1200, 900);
        list->show();
    }
    void cleanup()
    {
        list.reset();
        folder.reset();
        environment.reset();
    }

    // --- menu ----------------------------------------------------------------

    void exportEntryFollowsTheApplicationName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("target");
        QTest::newRow("Photoshop in capitals") << "Adobe PHOTOSHOP CS6" << int(ExportTarget::Photoshop);
        QTest::newRow("Illustrator") << "Adobe Illustrator" << int(ExportTarget::Illustrator);
        QTest::newRow("Pro at the end") << "SketchBook Pro" << int(ExportTarget::SketchBookPro);
        QTest::newRow("Designer") << "SketchBook Designer" << int(ExportTarget::SketchBookDesigner);
        QTest::newRow("earlier word wins") << "Illustrator Pro" << int(ExportTarget::Illustrator);
        QTest::newRow("none") << "Preview" << int(ExportTarget::None);
    }
    void exportEntryFollowsTheApplicationName()
    {
        QFETCH(QString, name);
        QFETCH(int, target);
        QCOMPARE(int(exportTargetOf(name)), target);
    }

    void contextMenuOpensOnTheCurrentThumbnailOnly()
    {
        show({"a.wpi", "b.wpi"});
        makeCurrent("a.wpi");
        QVERIFY(!rightClick("b.wpi"));

        QMenu* menu = rightClick("a.wpi");
        QVERIFY(menu);
        QStringList entries;
        for (QAction* action : menu->actions())
            entries << (action->isSeparator() ? QString("-") : action->text());
        // No exporting application is installed in the test's system root.
        QCOMPARE(entries, QStringList({"&Edit Layers", "-", "-", "&Delete", "&Copy to...",
                                       "&Rename...", "&Open file location...", "-",
                                       "&Save Document as...", "&Save as Different Format", "-"}));
        menu->close();
    }

    // --- delete ---------------------------------------------------------------

    void deleteAsksThenMakesTheFirstThumbnailCurrent()
    {
        show({"a.wpi", "b.wpi", "c.wpi"});
        makeCurrent("c.wpi");
        prompt().answers = {QMessageBox::Cancel};
        list->deleteCurrentFile();
        QCOMPARE(prompt().texts(), QStringList("Do you want to delete this file?  "
                                               + folder->filePath("c.wpi") + "?"));
        QVERIFY(QFile::exists(folder->filePath("c.wpi")));
        QCOMPARE(list->count(), 3);

        list->deleteCurrentFile();
        QVERIFY(!QFile::exists(folder->filePath("c.wpi")));
        QCOMPARE(list->count(), 2);
        QVERIFY(!thumbnailOf(*list, "c.wpi"));
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(list->getCurrentItem(), list->item(0));
    }

    void deleteThatFailsWarnsAndDropsTheThumbnail()
    {
        show({"a.wpi"});
        QVERIFY(QFile::remove(folder->filePath("a.wpi")));
        list->deleteCurrentFile();
        QCOMPARE(prompt().texts().value(1), "Failed to delete file " + folder->filePath("a.wpi"));
        QCOMPARE(prompt().requests.value(1).icon, QMessageBox::Warning);
        QCOMPARE(list->count(), 0);
        QVERIFY(!list->getCurrentItem());
    }

    // --- copy -----------------------------------------------------------------

    void copyIntoAnotherFolder()
    {
        show({"a.wpi"});
        SketchFolder target(*environment, "target");
        chooseFolder(target.path());
        list->copyFileSlot();
        QCOMPARE(bytesOf(target.filePath("a.wpi")), bytesOf(folder->filePath("a.wpi")));
        QVERIFY(prompt().requests.isEmpty());
    }

    void copyOntoAnExistingFileAsksAndReplacesWhole()
    {
        show({"a.wpi"});
        SketchFolder target(*environment, "target");
        target.addText("a.wpi", "older sketch");
        const QString question = "Are you sure you want to overwrite file   "
                                 + target.filePath("a.wpi") + "?";
        prompt().answers = {QMessageBox::Cancel};
        chooseFolder(target.path());
        list->copyFileSlot();
        QCOMPARE(prompt().texts(), QStringList(question));
        QCOMPARE(bytesOf(target.filePath("a.wpi")), QByteArray("older sketch"));

        chooseFolder(target.path());
        list->copyFileSlot();
        QCOMPARE(bytesOf(target.filePath("a.wpi")), bytesOf(folder->filePath("a.wpi")));
        QCOMPARE(QDir(target.path()).entryList(QDir::Files | QDir::Hidden), QStringList("a.wpi"));
    }

    // A copy that a full disk (a file size limit here) stops is reported and
    // leaves nothing in the chosen folder.
    void copyThatFailsIsReported()
    {
        show({"a.wpi"});
        const QByteArray sketch = bytesOf(folder->filePath("a.wpi"));
        QVERIFY(sketch.size() > 64);
        SketchFolder target(*environment, "target");
        chooseFolder(target.path());
        {
            const testsupport::FileSizeLimit fullDisk(64);
            clickMenuEntry("a.wpi", "&Copy to...");
        }
        QCOMPARE(prompt().texts(), QStringList("Failed to copy file " + folder->filePath("a.wpi")));
        QCOMPARE(prompt().requests.first().icon, QMessageBox::Warning);
        QCOMPARE(QDir(target.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(bytesOf(folder->filePath("a.wpi")), sketch);
    }

    // The source reached again, by its own folder or through a link to it,
    // is never touched.
    void copyOntoTheSourceItselfDoesNothing_data()
    {
        QTest::addColumn<bool>("throughLink");
        QTest::newRow("own folder") << false;
        QTest::newRow("link to the folder") << true;
    }
    void copyOntoTheSourceItselfDoesNothing()
    {
        QFETCH(bool, throughLink);
        show({"a.wpi"});
        const QByteArray before = bytesOf(folder->filePath("a.wpi"));
        QString chosen = folder->path();
        if (throughLink) {
            chosen = environment->path("link");
            std::filesystem::create_directory_symlink(folder->path().toStdString(),
                                                      chosen.toStdString());
        }
        chooseFolder(chosen);
        list->copyFileSlot();
        QVERIFY(prompt().requests.isEmpty());
        QCOMPARE(bytesOf(folder->filePath("a.wpi")), before);
    }

    // Names that differ in letter case are different files: a copy into
    // such a folder and a merge of two such sketches go ahead.
    void namesInAnotherCaseAreOtherFiles()
    {
        show({"a.wpi", "A.wpi"});
        SketchFolder other(*environment, "F");
        makeCurrent("a.wpi");
        chooseFolder(other.path());
        list->copyFileSlot();
        QCOMPARE(bytesOf(other.filePath("a.wpi")), bytesOf(folder->filePath("a.wpi")));

        int merges = 0;
        connect(list.get(), &PreviewThumbnailList::mergeDocSave, list.get(), [&] { ++merges; });
        QVERIFY(drop(newSketchDragData(folder->filePath("a.wpi")), centreOf("A.wpi")));
        QCOMPARE(merges, 1);
        QCOMPARE(prompt().requests.size(), 1);
    }

    // --- rename ---------------------------------------------------------------

    void renameKeepsTheCompleteSuffix()
    {
        show({"walk.2014.wpi"});
        QSignalSpy enter(list.get(), &PreviewThumbnailList::enableEnterKeyHandling);
        answerRename("park");
        list->renameFileSlot();
        const QString renamed = folder->filePath("park.2014.wpi");
        QVERIFY(QFile::exists(renamed));
        QVERIFY(!QFile::exists(folder->filePath("walk.2014.wpi")));
        QListWidgetItem* item = list->item(0);
        QCOMPARE(item->text(), QString("park.2014.wpi"));
        QCOMPARE(item->toolTip(), renamed);
        QCOMPARE(item->data(Qt::UserRole).toString(), renamed);
        QCOMPARE(list->getCurrentFileMetadata()->m_filePath, renamed);
        QCOMPARE(enter.count(), 1);
        QCOMPARE(enter.at(0).at(0).toBool(), false);
    }

    void renameRefusesUnsafeOrTakenNames_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::newRow("separator") << "../walk";
        QTest::newRow("name of another sketch") << "other";
        QTest::newRow("parent folder") << "..";
    }
    void renameRefusesUnsafeOrTakenNames()
    {
        QFETCH(QString, answer);
        show({"walk.2014.wpi", "other.2014.wpi"});
        makeCurrent("walk.2014.wpi");
        const QByteArray walk = bytesOf(folder->filePath("walk.2014.wpi"));
        folder->addText("other.2014.wpi", "other sketch");
        answerRename(answer);
        list->renameFileSlot();
        QCOMPARE(bytesOf(folder->filePath("walk.2014.wpi")), walk);
        QCOMPARE(bytesOf(folder->filePath("other.2014.wpi")), QByteArray("other sketch"));
        QCOMPARE(QDir(environment->path("")).entryList(QDir::Files), QStringList());
        QCOMPARE(list->currentItem()->text(), QString("walk.2014.wpi"));
        QCOMPARE(list->currentItem()->data(Qt::UserRole).toString(),
                 folder->filePath("walk.2014.wpi"));
    }

    // --- file manager ---------------------------------------------------------

    void fileLocationShowsTheSketchInItsFolder()
    {
        testsupport::RecordingFileManager fileManager;
        list->setFileManager(fileManager);
        QVERIFY(!list->openFileLocationSlot());
        show({"a.wpi"});
        QVERIFY(list->openFileLocationSlot());
        QCOMPARE(fileManager.shown, QStringList{folder->filePath("a.wpi")});
    }

    // --- drop and merge -------------------------------------------------------

    void dropMergesDraggedSketchWithTheTarget()
    {
        folder->addWpi("a.wpi", sketchOf(3, 5));
        QVERIFY(QFile::copy(fixturePath("two-layers.inkml"), folder->filePath("b.inkml")));
        QVERIFY(showFolder(*list, folder->dir()));
        makeCurrent("a.wpi");
        QColor duringQuestion;
        prompt().whileAsked = [&](const PromptRequest&) {
            duringQuestion = thumbnailOf(*list, "b.inkml")->background().color();
        };
        std::vector<MetadataPtr> merged;
        connect(list.get(), &PreviewThumbnailList::mergeDocSave, list.get(),
                [&](MetadataPtr record) { merged.push_back(record); });

        QVERIFY(drop(newSketchDragData(folder->filePath("a.wpi")), centreOf("b.inkml")));

        QCOMPARE(prompt().texts(),
                 QStringList("Are you sure you want to merge \n" + folder->filePath("a.wpi")
                             + "  and  \n" + folder->filePath("b.inkml") + "  files?"));
        QCOMPARE(duringQuestion, QColor(141, 148, 151, 255));
        QCOMPARE(thumbnailOf(*list, "b.inkml")->background().color(), QColor(166, 173, 176, 255));
        QCOMPARE(merged.size(), std::size_t(1));
        QCOMPARE(merged[0]->m_filePath, folder->filePath("a_b.hlv"));
        const MetadataPtr b = loadedSketch(folder->filePath("b.inkml"));
        QCOMPARE(layerCount(merged[0]), 1 + layerCount(b));
        QCOMPARE(firstLayerStrokes(merged[0]), 3ul);
    }

    void mergeOntoAnExistingFileAsksFirst()
    {
        show({"a.wpi", "b.wpi"});
        folder->addText("a_b.hlv", "earlier merge");
        int merges = 0;
        connect(list.get(), &PreviewThumbnailList::mergeDocSave, list.get(), [&] { ++merges; });
        prompt().answers = {QMessageBox::Ok, QMessageBox::Cancel};
        QVERIFY(!drop(newSketchDragData(folder->filePath("a.wpi")), centreOf("b.wpi")));
        QCOMPARE(prompt().texts().value(1), "Are you sure you want to overwrite file   "
                                                + folder->filePath("a_b.hlv") + "?");
        QCOMPARE(merges, 0);
        QCOMPARE(thumbnailOf(*list, "b.wpi")->background().color(), QColor(166, 173, 176, 255));

        prompt().answers = {QMessageBox::Ok, QMessageBox::Ok};
        QVERIFY(drop(newSketchDragData(folder->filePath("a.wpi")), centreOf("b.wpi")));
        QCOMPARE(merges, 1);
    }

    // The dragged file is the one the drag names, wherever it lies; the
    // target is the thumbnail's own file.
    void mergeReadsTheDraggedFileFromItsOwnFolder()
    {
        show({"b.wpi", "c.wpi"});
        makeCurrent("c.wpi");
        SketchFolder elsewhere(*environment, "elsewhere");
        elsewhere.addWpi("a.wpi", sketchOf(5, 5));
        std::vector<MetadataPtr> merged;
        connect(list.get(), &PreviewThumbnailList::mergeDocSave, list.get(),
                [&](MetadataPtr record) { merged.push_back(record); });

        QVERIFY(drop(newSketchDragData(elsewhere.filePath("a.wpi")), centreOf("b.wpi")));
        QVERIFY(prompt().texts().value(0).contains(elsewhere.filePath("a.wpi") + "  and  \n"
                                                   + folder->filePath("b.wpi")));
        QCOMPARE(merged.size(), std::size_t(1));
        QCOMPARE(merged[0]->m_filePath, elsewhere.filePath("a_b.hlv"));
        QCOMPARE(firstLayerStrokes(merged[0]), 5ul);
    }

    void dropsThatMergeNothing()
    {
        show({"a.wpi", "b.wpi"});
        int merges = 0;
        connect(list.get(), &PreviewThumbnailList::mergeDocSave, list.get(), [&] { ++merges; });
        QMimeData* foreign = new QMimeData;
        foreign->setText(folder->filePath("a.wpi"));
        QVERIFY(!drop(foreign, centreOf("b.wpi")));
        QVERIFY(!drop(newSketchDragData(folder->filePath("a.wpi")), centreOf("a.wpi")));
        QVERIFY(!drop(newSketchDragData(folder->filePath("a.wpi")), QPoint(1190, 890)));
        prompt().answers = {QMessageBox::Cancel};
        QVERIFY(!drop(newSketchDragData(folder->filePath("a.wpi")), centreOf("b.wpi")));
        QCOMPARE(prompt().requests.size(), 1);
        QCOMPARE(thumbnailOf(*list, "b.wpi")->background().color(), QColor(166, 173, 176, 255));
        QVERIFY(QFile::remove(folder->filePath("a.wpi")));
        QVERIFY(!drop(newSketchDragData(folder->filePath("a.wpi")), centreOf("b.wpi")));
        QCOMPARE(prompt().requests.size(), 1);
        QCOMPARE(merges, 0);
    }
};

QTEST_MAIN(ThumbnailActionsTest)
#include "tst_thumbnailactions.moc"
