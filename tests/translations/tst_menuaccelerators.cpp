// In every language the program offers, the entries of each of its menus
// have accelerators of their own: a key that two entries share only steps
// between them. The menus are those of a window with every exporting
// application installed, on both pages. (The folder tree's receiver menu,
// made when it is shown, holds one entry.)

#include "ApplicationLook.h"
#include "ChosenLanguage.h"
#include "MenuAccelerators.h"
#include "WindowTestSupport.h"

#include <QKeySequence>
#include <QMenu>

namespace {

// What a menu's entries would mean to the reader of a failure.
QString describe(const QMenu* menu)
{
    if (!menu->title().isEmpty())
        return QStringLiteral("menu \"%1\"").arg(menu->title());
    QStringList entries;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator())
            entries << action->text();
    }
    return QStringLiteral("menu of %1").arg(entries.join(QStringLiteral(", ")));
}

// The entries of the menu that share an accelerator, one line per key.
QStringList clashesIn(const QMenu* menu)
{
    QMap<QString, QStringList> byKey;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        const QKeySequence key = QKeySequence::mnemonic(action->text());
        if (!key.isEmpty())
            byKey[key.toString()] << action->text();
    }
    QStringList clashes;
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it) {
        if (it.value().size() > 1)
            clashes << QStringLiteral("%1: %2 in %3").arg(describe(menu), it.key(), it.value().join(QStringLiteral(", ")));
    }
    return clashes;
}

} // namespace

class MenuAcceleratorsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerCompiledResources(); }

    void everyMenuHasItsOwnAccelerators_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"English", "French", "Spanish", "Portuguese(Brazil)", "German", "Dutch",
                                     "Italian", "Russian", "Chinese Traditional", "Chinese Simplified", "Japanese",
                                     "Korean", "Polish"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void everyMenuHasItsOwnAccelerators()
    {
        QFETCH(QString, language);
        // The applications are found once, when the settings store is first used.
        windowtest::WindowRig rig({"a.hlv", "b.wpi"}, {"Adobe Photoshop CS6", "Adobe Illustrator CS6",
                                                       "SketchBook Pro.app", "SketchBook Designer.app"});
        rig.environment.system.installProgramData();
        const testsupport::ChosenLanguage chosen(language);
        QVERIFY2(chosen.loaded(), "the language's catalogue did not load");
        QVERIFY(rig.start());
        QVERIFY(rig.open("a.hlv"));

        QStringList clashes;
        int menus = 0;
        for (const QWidget* widget : QApplication::allWidgets()) {
            if (const auto* menu = qobject_cast<const QMenu*>(widget)) {
                ++menus;
                clashes += clashesIn(menu);
            }
        }

        QVERIFY2(menus > 0, "no menus found");
        // Each on a line of its own: a failure message is cut short.
        clashes.removeDuplicates();
        for (const QString& clash : clashes)
            qWarning().noquote() << clash;
        QVERIFY2(clashes.isEmpty(), "entries of one menu share an accelerator (listed above)");
    }

    // The entries made from application names take a key still free.
    void namesTakeAFreeAccelerator_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("first letter free") << QStringList{"&Export to"} << "Adobe Photoshop CS6 13.0"
                                           << "&Adobe Photoshop CS6 13.0";
        QTest::newRow("next word") << QStringList{"&Adobe Photoshop CS6 13.0"} << "Adobe Illustrator 16.0"
                                   << "Adobe &Illustrator 16.0";
        QTest::newRow("inside a word") << QStringList{"&Ab", "&Cd"} << "Ab Cd" << "A&b Cd";
        QTest::newRow("ampersand in the name") << QStringList{"&Pen"} << "Pen & Ink" << "Pen && &Ink";
        QTest::newRow("nothing free") << QStringList{"&X", "&Y"} << "X-Y" << "X-Y";
    }

    void namesTakeAFreeAccelerator()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QMenu menu;
        for (const QString& entry : entries)
            menu.addAction(entry);
        QCOMPARE(withFreeAccelerator(text, menu), shown);
    }
};

int main(int argc, char** argv)
{
    testsupport::EnvironmentOverride preferredLanguages("LANGUAGE", nullptr);
    QApplication application(argc, argv);
    MenuAcceleratorsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_menuaccelerators.moc"
