#include "DirView.h"
#include "FolderCommands.h"
#include "SketchDrag.h"
#include "SketchTestSupport.h"
#include "TestFiles.h"

#include <QFileSystemModel>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QtTest>

#include <algorithm>
#include <memory>

using testsupport::makeFolder;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

std::unique_ptr<QMimeData> sketchDrag(const QString& path)
{
    return std::unique_ptr<QMimeData>(newSketchDragData(path));
}

QMenu* shownMenu()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* menu = qobject_cast<QMenu*>(widget); menu && menu->isVisible())
            return menu;
    return nullptr;
}

// Drag events need a drag in progress to pass the application: the tests
// hand them to the view directly.
class DroppableDirView : public DirView {
public:
    using DirView::dragEnterEvent;
    using DirView::dragMoveEvent;
    using DirView::dropEvent;
};

} // namespace

class TestDirView : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<sketchtest::SketchEnvironment> env;
    std::unique_ptr<DroppableDirView> view;
    QString root;

    QString folder(const QString& name) const { return root + "/" + name; }
    const QFileSystemModel* model() const { return view->model() ? &view->fileSystemModel() : nullptr; }
    QModelIndex indexOf(const QString& name) const { return view->indexOfFolder(folder(name)); }
    // The names of the folders the view shows under `parent`, in its order.
    QStringList shownBelow(const QModelIndex& parent) const
    {
        QStringList names;
        for (int row = 0; row < view->model()->rowCount(parent); ++row)
            names << view->model()->index(row, 0, parent).data().toString();
        return names;
    }
    QString currentFolder() const { return view->getCurrentDir().absolutePath(); }

    // The tree started on `root`, showing only its folders, in name order.
    void showRoot()
    {
        view->init(root);
        view->setRootIndex(view->indexOfFolder(root));
        view->resize(300, 400);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        QStringList expected = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        expected.sort(Qt::CaseSensitive);
        // Every folder listed (their order is the tree's own, tested apart).
        auto complete = [&] {
            QStringList names = shownBelow(view->rootIndex());
            names.sort(Qt::CaseSensitive);
            return names == expected;
        };
        QTRY_VERIFY(complete());
    }

    QPoint pointOf(const QString& name) const { return view->visualRect(indexOf(name)).center(); }

    bool dragMove(const QPoint& at, const QMimeData& data)
    {
        QDragMoveEvent event(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        event.ignore();
        view->dragMoveEvent(&event);
        return event.isAccepted() && event.dropAction() == Qt::MoveAction;
    }

    bool drop(const QPoint& at, const QMimeData& data)
    {
        QDropEvent event(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        event.ignore();
        view->dropEvent(&event);
        return event.isAccepted() && event.dropAction() == Qt::MoveAction;
    }

    // Drags the sketch `file` over the folder `target` and drops it there.
    bool dragOnto(const QString& file, const QString& target)
    {
        const auto data = sketchDrag(file);
        if (!dragMove(pointOf(target), *data))
            return false;
        return drop(pointOf(target), *data);
    }

private slots:
    void init()
    {
        env = std::make_unique<sketchtest::SketchEnvironment>();
        root = makeFolder(env->path("tree"));
        makeFolder(folder("dst"));
        makeFolder(folder("src"));
        writeFile(folder("src/a.wpi"), "sketch a");
        view = std::make_unique<DroppableDirView>();
    }

    void cleanup()
    {
        view.reset();
        env.reset();
    }

    void initShowsAndReportsTheFolder()
    {
        QVERIFY(!view->model());
        QSignalSpy navigated(view.get(), &DirView::navigationEvent);
        view->init(root);
        QVERIFY(model());
        QCOMPARE(model()->filter(), QDir::AllDirs | QDir::NoDotAndDotDot);
        QCOMPARE(model()->rootPath(), root);
        QCOMPARE(model()->nameFilters(),
                 QStringList({"*.wpi", "*.WPI", "*.eli", "*.ELI", "*.hlv", "*.inkml"}));
        QCOMPARE(currentFolder(), root);
        QCOMPARE(navigated.size(), 1);
        QCOMPARE(navigated.at(0).at(0).value<QDir>().path(), root);
        QVERIFY(!view->isColumnHidden(0));
        for (int column = 1; column <= 3; ++column)
            QVERIFY(view->isColumnHidden(column));
        QCOMPARE(view->indentation(), 20);
        QVERIFY(!view->isAnimated());

        view->init(folder("src"));
        QCOMPARE(model()->rootPath(), folder("src"));
        QCOMPARE(currentFolder(), folder("src"));
        QCOMPARE(navigated.size(), 2);
    }

    // However the file system lists them, the folders show in name order:
    // those of the start folder and those beside it and its parents.
    void foldersShowInNameOrder_data()
    {
        QTest::addColumn<QString>("start");
        QTest::newRow("the start folder's own") << "many";
        QTest::newRow("beside the start folder") << "many/f07";
        QTest::newRow("beside its parent") << "many/f07/inner";
    }

    void foldersShowInNameOrder()
    {
        QFETCH(QString, start);
        QStringList names;
        for (int i = 19; i >= 0; --i) {
            names.prepend(QStringLiteral("f%1").arg(i, 2, 10, QLatin1Char('0')));
            makeFolder(folder("many/" + names.first()));
        }
        makeFolder(folder("many/f07/inner"));
        view->init(folder(start));
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        QTRY_COMPARE(view->model()->rowCount(indexOf("many")), 20);
        QTest::qWait(200);
        QCOMPARE(shownBelow(indexOf("many")), names);
    }

    // Sorting its siblings in does not push the start folder out of view.
    void startFolderStaysInView()
    {
        for (int i = 0; i < 60; ++i)
            makeFolder(folder(QStringLiteral("many/f%1").arg(i, 2, 10, QLatin1Char('0'))));
        view->resize(300, 200);
        view->init(folder("many/f55"));
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        QTRY_COMPARE(view->model()->rowCount(indexOf("many")), 60);
        QTest::qWait(200);
        QCOMPARE(view->currentIndex(), indexOf("many/f55"));
        QVERIFY(view->viewport()->rect().contains(view->visualRect(view->currentIndex())));
    }

    void unknownFolderIsStillReported()
    {
        view->init(root);
        QSignalSpy navigated(view.get(), &DirView::navigationEvent);
        QVERIFY(view->navigateToDir(folder("missing")));
        QVERIFY(!view->currentIndex().isValid());
        QCOMPARE(navigated.size(), 1);
        QCOMPARE(navigated.at(0).at(0).value<QDir>().path(), folder("missing"));
    }

    void clicksAndUpDownKeysAreReported()
    {
        showRoot();
        QSignalSpy navigated(view.get(), &DirView::navigationEvent);
        auto reported = [&] {
            return navigated.isEmpty() ? QString()
                                       : navigated.takeFirst().at(0).value<QDir>().absolutePath();
        };
        view->mouseClickedSlot(indexOf("src"));
        QCOMPARE(reported(), folder("src"));

        view->navigateToDir(folder("dst"));
        navigated.clear();
        QTest::keyClick(view.get(), Qt::Key_Down);
        QCOMPARE(reported(), folder("src"));
        // The last folder stays current and is reported again.
        QTest::keyClick(view.get(), Qt::Key_Down);
        QCOMPARE(reported(), folder("src"));
        QTest::keyClick(view.get(), Qt::Key_Up);
        QCOMPARE(reported(), folder("dst"));
        QTest::keyClick(view.get(), Qt::Key_Right);
        QTest::keyClick(view.get(), Qt::Key_End);
        QVERIFY(navigated.isEmpty());
    }

    void rightReleaseOnTheReceiverFolderOffersTheMove_data()
    {
        QTest::addColumn<QString>("receiver");
        QTest::addColumn<QString>("current");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("offered");
        QTest::newRow("receiver current") << "src" << "src" << Qt::RightButton << true;
        QTest::newRow("left button") << "src" << "src" << Qt::LeftButton << false;
        QTest::newRow("other folder current") << "src" << "dst" << Qt::RightButton << false;
        // An empty folder name stands for the working folder: no receiver yet.
        QTest::newRow("no receiver yet") << "" << "." << Qt::RightButton << false;
    }

    void rightReleaseOnTheReceiverFolderOffersTheMove()
    {
        QFETCH(QString, receiver);
        QFETCH(QString, current);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, offered);
        showRoot();
        view->m_receiverFolder = receiver.isEmpty() ? receiver : folder(receiver);
        const QString shown =
            current == "." ? QDir::currentPath() : folder(current);
        view->navigateToDir(shown);
        QCOMPARE(currentFolder(), shown);

        QTest::mouseRelease(view->viewport(), button, {}, pointOf(receiver));
        QPointer<QMenu> menu = shownMenu();
        QCOMPARE(menu != nullptr, offered);
        if (!menu)
            return;
        QCOMPARE(menu->actions().size(), 1);
        QCOMPARE(menu->actions().first()->text(), QStringLiteral("&Move sketches to local folder"));
        QSignalSpy move(view.get(), &DirView::moveFromUsbToSelectedFolderSgnl);
        menu->actions().first()->trigger();
        QCOMPARE(move.size(), 1);
        QCOMPARE(move.at(0).at(0).value<QDir>(), QDir(folder("src")));
        menu->hide();
        QVERIFY(!menu->isVisible());
    }

    void dragHighlightsTheFolderUnderTheCursor()
    {
        showRoot();
        view->navigateToDir(folder("src"));
        QSignalSpy navigated(view.get(), &DirView::navigationEvent);
        const auto data = sketchDrag(folder("src/a.wpi"));
        QMimeData text;
        text.setText(folder("src/a.wpi"));

        QDragEnterEvent enter(pointOf("dst"), Qt::MoveAction, data.get(), Qt::LeftButton, {});
        enter.ignore();
        view->dragEnterEvent(&enter);
        QVERIFY(enter.isAccepted());
        QDragEnterEvent foreignEnter(pointOf("dst"), Qt::MoveAction, &text, Qt::LeftButton, {});
        foreignEnter.accept();
        view->dragEnterEvent(&foreignEnter);
        QVERIFY(!foreignEnter.isAccepted());

        QVERIFY(!dragMove(pointOf("dst"), text));
        QCOMPARE(currentFolder(), folder("src"));
        QVERIFY(dragMove(pointOf("dst"), *data));
        QCOMPARE(currentFolder(), folder("dst"));
        QVERIFY(navigated.isEmpty());
    }

    void dropCopiesTheSketchAndRestoresTheFolder()
    {
        showRoot();
        view->navigateToDir(folder("src"));
        view->onDragStarted();
        QVERIFY(dragOnto(folder("src/a.wpi"), "dst"));
        QCOMPARE(readFile(folder("dst/a.wpi")), QByteArray("sketch a"));
        QCOMPARE(readFile(folder("src/a.wpi")), QByteArray("sketch a"));
        QCOMPARE(currentFolder(), folder("src"));
        QVERIFY(env->prompt.requests.isEmpty());
    }

    void dropOnTheSketchsOwnFolderCopiesNothing_data()
    {
        QTest::addColumn<QString>("dragged");
        QTest::newRow("same path") << "tree/src/a.wpi";
        QTest::newRow("other spelling") << "tree/src/../src//a.wpi";
        QTest::newRow("through a link") << "link/a.wpi";
    }

    void dropOnTheSketchsOwnFolderCopiesNothing()
    {
        QFETCH(QString, dragged);
        QVERIFY(QFile::link(folder("src"), env->path("link")));
        showRoot();
        view->navigateToDir(folder("dst"));
        view->onDragStarted();
        QVERIFY(!dragOnto(env->path(dragged.toStdString()), "src"));
        QVERIFY(env->prompt.requests.isEmpty());
        QCOMPARE(readFile(folder("src/a.wpi")), QByteArray("sketch a"));
        QCOMPARE(QDir(folder("src")).entryList(QDir::Files), QStringList{"a.wpi"});
        QCOMPARE(currentFolder(), folder("dst"));
    }

    // Names that differ in letter case are different folders here.
    void dropOnAFolderNamedInAnotherCaseCopies()
    {
        makeFolder(folder("SRC"));
        showRoot();
        view->navigateToDir(folder("src"));
        view->onDragStarted();
        QVERIFY(dragOnto(folder("src/a.wpi"), "SRC"));
        QCOMPARE(readFile(folder("SRC/a.wpi")), QByteArray("sketch a"));
        QVERIFY(env->prompt.requests.isEmpty());
    }

    void openFolderSkipsOnlyTheFolderShown_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("navigates");
        QTest::newRow("the folder shown") << "tree/src" << false;
        QTest::newRow("shown, other spelling") << "tree/dst/../src/" << false;
        QTest::newRow("shown, through a link") << "link" << false;
        QTest::newRow("other case") << "tree/SRC" << true;
        QTest::newRow("another folder") << "tree/dst" << true;
        QTest::newRow("cancelled") << "" << false;
    }

    void openFolderSkipsOnlyTheFolderShown()
    {
        QFETCH(QString, chosen);
        QFETCH(bool, navigates);
        makeFolder(folder("SRC"));
        QVERIFY(QFile::link(folder("src"), env->path("link")));
        view->init(folder("src"));
        QSignalSpy navigated(view.get(), &DirView::navigationEvent);
        const QString answer = chosen.isEmpty() ? QString() : env->path(chosen.toStdString());
        QCOMPARE(openChosenFolder(*view, answer), navigates);
        QCOMPARE(navigated.size(), navigates ? 1 : 0);
        QCOMPARE(currentFolder(), navigates ? answer : folder("src"));
    }

    void overwriteIsAskedFirst_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QByteArray>("result");
        QTest::newRow("cancel") << QMessageBox::Cancel << QByteArray("older sketch");
        QTest::newRow("ok") << QMessageBox::Ok << QByteArray("sketch a");
    }

    void overwriteIsAskedFirst()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QByteArray, result);
        writeFile(folder("dst/a.wpi"), "older sketch");
        showRoot();
        view->navigateToDir(folder("src"));
        view->onDragStarted();
        env->prompt.answers << answer;
        QCOMPARE(dragOnto(folder("src/a.wpi"), "dst"), answer == QMessageBox::Ok);
        QCOMPARE(env->prompt.texts(),
                 QStringList{"Are you sure you want to overwrite file   a.wpi?"});
        const PromptRequest& question = env->prompt.requests.first();
        QCOMPARE(question.title, QStringLiteral("Scrivet Dravello"));
        QCOMPARE(question.buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(question.defaultButton, QMessageBox::NoButton);
        QCOMPARE(readFile(folder("dst/a.wpi")), result);
        QCOMPARE(readFile(folder("src/a.wpi")), QByteArray("sketch a"));
        QCOMPARE(currentFolder(), folder("src"));
    }

    void failedCopyKeepsTheExistingFileAndIsReported()
    {
        writeFile(folder("dst/a.wpi"), "older sketch");
        showRoot();
        view->navigateToDir(folder("src"));
        view->onDragStarted();
        QVERIFY(QFile::remove(folder("src/a.wpi")));
        QVERIFY(!dragOnto(folder("src/a.wpi"), "dst"));
        QCOMPARE(env->prompt.texts(),
                 QStringList({"Are you sure you want to overwrite file   a.wpi?",
                              "Failed to copy file " + folder("src/a.wpi")}));
        QCOMPARE(env->prompt.requests.last().icon, QMessageBox::Warning);
        QCOMPARE(readFile(folder("dst/a.wpi")), QByteArray("older sketch"));
    }

    void foreignAndMisplacedDropsAreIgnored_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("onFolder");
        const QString sketch = QString::fromLatin1(kSketchDragFormat);
        QTest::newRow("other format") << "text/plain" << QByteArray("src/a.wpi") << true;
        QTest::newRow("broken data") << sketch << QByteArray("\0\0\0\x40", 4) << true;
        QTest::newRow("no folder there") << sketch << sketchDrag(folder("src/a.wpi"))->data(sketch)
                                         << false;
    }

    void foreignAndMisplacedDropsAreIgnored()
    {
        QFETCH(QString, format);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, onFolder);
        showRoot();
        view->navigateToDir(folder("src"));
        view->onDragStarted();
        QMimeData data;
        data.setData(format, bytes);
        const QPoint below(5, view->viewport()->height() - 5);
        QVERIFY(!view->indexAt(below).isValid());
        QVERIFY(!drop(onFolder ? pointOf("dst") : below, data));
        QVERIFY(QDir(folder("dst")).isEmpty());
        QVERIFY(env->prompt.requests.isEmpty());
    }

    void dropAfterTheStartFolderWasRemoved()
    {
        makeFolder(folder("old"));
        showRoot();
        view->navigateToDir(folder("old"));
        view->onDragStarted();
        QVERIFY(QDir(folder("old")).removeRecursively());
        QTRY_COMPARE(view->model()->rowCount(view->rootIndex()), 2);
        QVERIFY(dragOnto(folder("src/a.wpi"), "dst"));
        QVERIFY(!view->currentIndex().isValid());
        QCOMPARE(readFile(folder("dst/a.wpi")), QByteArray("sketch a"));
    }
};

QTEST_MAIN(TestDirView)
#include "tst_dirview.moc"
