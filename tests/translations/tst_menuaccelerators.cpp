// In every translation the program offers, the translated entries of each
// of its menus have accelerators of their own: a key that two entries share
// only steps between them. The menus are those of a window with every
// exporting application installed, on both pages. (The folder tree's
// receiver menu, made when it is shown, holds one entry.)

#include "ApplicationLook.h"
#include "ChosenLanguage.h"
#include "ApplSettings.h"
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

// The texts of the entries named after an installed application: no
// catalogue translates them.
QSet<QString> applicationEntryTexts()
{
    QSet<QString> texts;
    for (const ApplicationDescriptor& application : ApplSettings::instance()->getExportingAppsList())
        texts << QStringLiteral("&%1 %2").arg(application.bundleName, application.version);
    return texts;
}

// The translated entries of the menu that share an accelerator, one line
// per key.
QStringList clashesIn(const QMenu* menu, const QSet<QString>& untranslated)
{
    QMap<QString, QStringList> byKey;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator() || !action->isVisible() || untranslated.contains(action->text()))
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
        // English is left out: its texts are fixed as they are.
        for (const char* language : {"French", "Spanish", "Portuguese(Brazil)", "German", "Dutch",
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

        const QSet<QString> applicationEntries = applicationEntryTexts();
        QCOMPARE(applicationEntries.size(), 4);
        QStringList clashes;
        int menus = 0;
        for (const QWidget* widget : QApplication::allWidgets()) {
            if (const auto* menu = qobject_cast<const QMenu*>(widget)) {
                ++menus;
                clashes += clashesIn(menu, applicationEntries);
            }
        }

        QVERIFY2(menus > 0, "no menus found");
        // Each on a line of its own: a failure message is cut short.
        clashes.removeDuplicates();
        for (const QString& clash : clashes)
            qWarning().noquote() << clash;
        QVERIFY2(clashes.isEmpty(), "entries of one menu share an accelerator (listed above)");
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
