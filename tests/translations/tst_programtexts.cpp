// The program's own texts in each language it offers, loaded as the start-up
// loads them: the language from the settings file (or the system), the
// translation files from the program's data folder (the test's system root
// holds the ones the build made).

#include "ApplicationLook.h"
#include "LayerManager.h"
#include "ScrivetDeviceObserver.h"
#include "SettingsDlg.h"
#include "SketchMover.h"
#include "Translations.h"
#include "WindowTestSupport.h"

#include <QDateTimeEdit>
#include <QGroupBox>
#include <QRegularExpression>
#include <QSlider>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>

namespace {

// Texts from different places of the program.
struct ShownTexts {
    QString menuEntry;    // the window's "&Open File"
    QString question;     // the question before sketches move off the receiver
    QString backupFolder; // the folder that question names
    QString deletion;     // the question before the first thumbnail's file is deleted
    QString clock;        // the settings dialog's clock as shown
    QDateTime clockTime;  // and as set
    QString statusTip;    // the status bar's zoom slider
    QString settingsTab;  // the settings dialog's first tab
};

const QDateTime kMoveTime(QDate(2024, 3, 5), QTime(14, 7, 9, 21));

ShownTexts shownTexts(windowtest::WindowRig& rig)
{
    ShownTexts shown;
    shown.menuEntry = rig.action("action_Open")->text();
    shown.statusTip = rig.part<QSlider>("zoomHSlider")->toolTip();
    SettingsDlg settings(nullptr, nullptr);
    shown.settingsTab = settings.findChild<QTabWidget*>("m_settings_tab")->tabText(0);
    const QDateTimeEdit* clock = settings.findChild<QDateTimeEdit*>("m_date_timeedit");
    shown.clock = clock->text();
    shown.clockTime = clock->dateTime();

    testsupport::ScratchDir scratch;
    const QString destination = QString::fromStdString(scratch.path().string());
    rig.environment.prompt.clear();
    rig.environment.prompt.answers = {QMessageBox::Cancel};
    moveSketchesOffReceiver(nullptr, QDir(rig.documents()), destination, kMoveTime);
    shown.question = rig.environment.prompt.texts().value(0);
    shown.backupFolder = backupFolderPath(destination, kMoveTime);

    rig.environment.prompt.clear();
    rig.environment.prompt.answers = {QMessageBox::Cancel};
    rig.thumbnails()->setCurrentRow(0);
    rig.thumbnails()->deleteCurrentFile();
    shown.deletion = rig.environment.prompt.texts().value(0);
    return shown;
}

// One message of a catalogue.
struct CatalogueEntry {
    QString context;
    QString source;
    bool plural = false;
    QString type;             // "unfinished", "vanished", "obsolete" or empty
    QStringList translations; // one, or one per plural form
};

QList<CatalogueEntry> readCatalogue(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<CatalogueEntry> entries;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            CatalogueEntry entry;
            entry.context = context;
            entry.plural = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            entries.append(entry);
        } else if (entries.isEmpty()) {
            continue;
        } else if (name == QLatin1String("source")) {
            entries.last().source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            entries.last().type = xml.attributes().value(QLatin1String("type")).toString();
            if (!entries.last().plural)
                entries.last().translations << xml.readElementText();
        } else if (name == QLatin1String("numerusform")) {
            entries.last().translations << xml.readElementText();
        }
    }
    return xml.hasError() ? QList<CatalogueEntry>() : entries;
}

QStringList placeholders(const QString& text)
{
    QStringList found;
    for (const QRegularExpressionMatch& match : QRegularExpression(QStringLiteral("%(\\d+|n)")).globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// The translated catalogues: every one but English, the source language.
QStringList translatedCatalogues()
{
    const QDir folder(QStringLiteral(DRAVELLO_CATALOGUES));
    QStringList paths;
    for (const QString& name : folder.entryList({"dravello_*.ts"}, QDir::Files, QDir::Name)) {
        if (name != QLatin1String("dravello_en.ts"))
            paths << folder.filePath(name);
    }
    return paths;
}

QString messageKey(const CatalogueEntry& entry) { return entry.context + QChar(0x1F) + entry.source; }

int accelerators(QString text) { return int(text.remove(QLatin1String("&&")).count(QLatin1Char('&'))); }

// What keeps the entry from being shown as the English text means it.
QStringList problemsOf(const CatalogueEntry& entry)
{
    QStringList problems;
    if (!entry.type.isEmpty())
        problems << entry.type;
    if (entry.translations.isEmpty())
        problems << QStringLiteral("no translation");
    for (const QString& translation : entry.translations) {
        if (translation.trimmed().isEmpty())
            problems << QStringLiteral("empty");
        if (placeholders(translation) != placeholders(entry.source))
            problems << QStringLiteral("placeholders differ");
        if (accelerators(translation) != accelerators(entry.source))
            problems << QStringLiteral("accelerators differ");
        if (translation.count(QLatin1Char('\n')) != entry.source.count(QLatin1Char('\n')))
            problems << QStringLiteral("line breaks differ");
    }
    return problems;
}

// The titled group boxes of `form` whose title a child widget covers.
QStringList coveredTitles(QWidget& form)
{
    QStringList covered;
    for (QGroupBox* box : form.findChildren<QGroupBox*>()) {
        if (box->title().isEmpty() || !box->isVisible())
            continue;
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        for (QWidget* child : box->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (child->isVisible() && child->geometry().intersects(title))
                covered << QStringLiteral("%1 (\"%2\") under %3").arg(box->objectName(), box->title(), child->objectName());
        }
    }
    return covered;
}

} // namespace

class ProgramTextsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTranslator> program;
    // The chosen language may change the application's font.
    QFont startFont;

private slots:
    void initTestCase()
    {
        registerCompiledResources();
        startFont = QApplication::font();
    }

    void init() { translatorQT = new QTranslator(qApp); }

    void cleanup()
    {
        QLocale::setDefault(QLocale::system());
        QApplication::setFont(startFont);
        qApp->setStyleSheet(QString());
        QCoreApplication::removeTranslator(program.get());
        program.reset();
        QCoreApplication::removeTranslator(translatorQT);
        delete translatorQT;
        translatorQT = nullptr;
    }

    void textsInTheChosenLanguage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("menuEntry");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("statusTip");
        QTest::addColumn<QString>("settingsTab");
        QTest::addColumn<QString>("deletion");
        QTest::addColumn<QString>("clockLocale");

        QTest::newRow("French") << "French" << "1" << "&Ouvrir un fichier"
                                << "Voulez-vous vraiment déplacer vos croquis vers le dossier \n%1\u00a0?"
                                << "Zoom avant ou arrière" << "Mappage" << "Voulez-vous supprimer le fichier %1\u00a0?"
                                << "fr_FR";
        QTest::newRow("Spanish") << "spanish" << "1" << "&Abrir archivo"
                                 << "¿Seguro que desea mover sus bocetos a la carpeta \n%1?" << "Acercar o alejar"
                                 << "Asignación" << "¿Desea eliminar el archivo %1?"
                                << "es_ES";
        QTest::newRow("Portuguese (Brazil)") << "Portuguese(Brazil)" << "1" << "&Abrir arquivo"
                                             << "Tem certeza de que deseja mover os seus esboços para a pasta \n%1?"
                                             << "Ampliar ou reduzir" << "Mapeamento" << "Deseja excluir o arquivo %1?"
                                << "pt_BR";
        QTest::newRow("German") << "German" << "1" << "Datei ö&ffnen"
                                << "Möchten Sie Ihre Skizzen wirklich in den Ordner \n%1 verschieben?"
                                << "Vergrößern oder verkleinern" << "Zuordnung" << "Möchten Sie die Datei %1 löschen?"
                                << "de_DE";
        QTest::newRow("Dutch") << "Dutch" << "1" << "Bestand &openen"
                               << "Weet u zeker dat u uw schetsen naar de map \n%1 wilt verplaatsen?"
                               << "In- of uitzoomen" << "Toewijzing" << "Wilt u het bestand %1 verwijderen?"
                                << "nl_NL";
        QTest::newRow("Italian") << "Italian" << "1" << "&Apri file" << "Spostare gli schizzi nella cartella \n%1?"
                                 << "Zoom avanti o indietro" << "Mappatura" << "Eliminare il file %1?"
                                << "it_IT";
        QTest::newRow("Russian") << "Russian" << "1" << "&Открыть файл"
                                 << "Вы действительно хотите переместить эскизы в папку \n%1?"
                                 << "Увеличить или уменьшить" << "Сопоставление" << "Удалить файл %1?"
                                << "ru_RU";
        QTest::newRow("Chinese Traditional") << "Chinese Traditional" << "1" << "開啟檔案(&O)"
                                             << "確定要將草圖移至資料夾 \n%1 嗎？" << "放大或縮小" << "對應" << "要刪除檔案 %1 嗎？"
                                << "zh_TW";
        QTest::newRow("Chinese Simplified") << "Chinese Simplified" << "1" << "打开文件(&O)"
                                            << "确定要将草图移动到文件夹 \n%1 吗？" << "放大或缩小" << "映射" << "要删除文件 %1 吗？"
                                << "zh_CN";
        QTest::newRow("Japanese") << "Japanese" << "1" << "ファイルを開く(&O)"
                                  << "スケッチをフォルダー \n%1 に移動してもよろしいですか?" << "拡大または縮小"
                                  << "マッピング" << "ファイル %1 を削除しますか?"
                                << "ja_JP";
        QTest::newRow("Korean") << "Korean" << "1" << "파일 열기(&O)" << "스케치를 \n%1 폴더로 이동하시겠습니까?"
                                << "확대 또는 축소" << "매핑" << "%1 파일을 삭제하시겠습니까?"
                                << "ko_KR";
        QTest::newRow("Polish") << "Polish" << "1" << "&Otwórz plik"
                                << "Czy na pewno chcesz przenieść szkice do folderu \n%1?"
                                << "Powiększ lub pomniejsz" << "Mapowanie" << "Czy chcesz usunąć plik %1?"
                                << "pl_PL";
        // main() makes the system French.
        QTest::newRow("system language") << "German" << "0" << "&Ouvrir un fichier"
                                         << "Voulez-vous vraiment déplacer vos croquis vers le dossier \n%1\u00a0?"
                                         << "Zoom avant ou arrière" << "Mappage" << "Voulez-vous supprimer le fichier %1\u00a0?"
                                << "fr_FR";
        QTest::newRow("English") << "English" << "1" << "&Open File"
                                 << "Are you sure you want to move your sketches to \n%1 folder?"
                                 << "Zoom in or out" << "Mapping" << "Do you want to delete this file?  %1?"
                                << "en_US";
    }

    void textsInTheChosenLanguage()
    {
        QFETCH(QString, name);
        QFETCH(QString, status);
        QFETCH(QString, menuEntry);
        QFETCH(QString, question);
        QFETCH(QString, statusTip);
        QFETCH(QString, settingsTab);
        QFETCH(QString, deletion);
        QFETCH(QString, clockLocale);
        windowtest::WindowRig rig({"a.hlv"});
        rig.environment.system.installProgramData();
        QVERIFY(rig.environment.load({{"translator/language", "name", name}, {"translator/language", "status", status}}));
        LanguageSetting language = readLanguageSetting(*rig.environment.store());
        program.reset(PrepareTransaltoin(qApp, language.name, language.status));
        QVERIFY(rig.environment.prompt.requests.isEmpty());
        QVERIFY(rig.start());

        const ShownTexts shown = shownTexts(rig);

        QCOMPARE(shown.menuEntry, menuEntry);
        QCOMPARE(shown.statusTip, statusTip);
        QCOMPARE(shown.settingsTab, settingsTab);
        QCOMPARE(shown.question, question.arg(shown.backupFolder));
        QCOMPARE(shown.deletion, deletion.arg(QDir::toNativeSeparators(rig.sketch("a.hlv"))));
        const QLocale dates(clockLocale);
        QCOMPARE(shown.clock, dates.toString(shown.clockTime, dates.dateTimeFormat(QLocale::ShortFormat)));
    }

    void programTextsStayWhenTheToolkitFileIsMissing()
    {
        testsupport::ScratchDir folder;
        const QString path = QString::fromStdString(folder.path().string());
        QVERIFY(QFile::copy(DRAVELLO_BUILD_DATADIR "/translations/dravello_fr.qm", path + "/dravello_fr.qm"));
        windowtest::WindowRig rig({"a.hlv"});

        program.reset(installTranslations(qApp, chooseTranslationFiles("French", 1, QLocale::C, 1), path, path));

        QCOMPARE(rig.environment.prompt.texts(), QStringList{"loading QT ts failed" + path + "/qt_fr"});
        QVERIFY(rig.start());
        const ShownTexts shown = shownTexts(rig);
        QCOMPARE(shown.menuEntry, QString("&Ouvrir un fichier"));
        QCOMPARE(shown.settingsTab, QString("Mappage"));
    }

    void titlesStayClearOfTheirContents_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("English") << "English";
        QTest::newRow("German") << "German";
        QTest::newRow("Russian") << "Russian";
        QTest::newRow("Japanese") << "Japanese";
    }

    void titlesStayClearOfTheirContents()
    {
        QFETCH(QString, name);
        dialogtest::SettingsEnvironment environment;
        environment.system.installProgramData();
        QVERIFY(environment.load());
        program.reset(PrepareTransaltoin(qApp, name, 1));
        qApp->setStyleSheet(applicationStyleSheet());
        LayerManager editor;
        editor.resize(1400, 900);
        editor.show();
        SettingsDlg settings(nullptr, nullptr);
        settings.findChild<QTabWidget*>("m_settings_tab")->setCurrentIndex(1); // the pen tab
        settings.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QVERIFY(QTest::qWaitForWindowExposed(&settings));

        const QStringList covered = coveredTitles(editor) + coveredTitles(settings);

        QVERIFY2(covered.isEmpty(), qPrintable(covered.join(QLatin1Char('\n'))));
    }

    // The receiver's charger state is a state, not an order.
    void dutchChargerStateReadsAsAState()
    {
        dialogtest::SettingsEnvironment environment;
        environment.system.installProgramData();
        QVERIFY(environment.load());
        QString dutch = QStringLiteral("Dutch");
        program.reset(PrepareTransaltoin(qApp, dutch, 1));
        QCOMPARE(ScrivetDeviceObserver::ChargerStateToString(ProtocolHandler::NOT_CHARGING_LOW_CURRENT),
                 QStringLiteral("Laadt niet op: stroom te laag"));
    }

    // French puts a no-break space (U+00A0) before ":", ";", "?", "!" and
    // inside the guillemets, so that they never start a line and keep their
    // distance; a colon with no space after it (an address, a time) is no
    // punctuation of the sentence.
    void frenchPunctuationKeepsItsSpace()
    {
        const QList<CatalogueEntry> entries =
            readCatalogue(QStringLiteral(DRAVELLO_CATALOGUES "/dravello_fr.ts"));
        QVERIFY(!entries.isEmpty());
        const QRegularExpression wrongSpace(
            QStringLiteral("(?<!\u00a0)[;?!»]|(?<!\u00a0):(?=\\s|$)|«(?!\u00a0)"));
        QStringList report;
        for (const CatalogueEntry& entry : entries) {
            for (const QString& translation : entry.translations) {
                const QString shown = Qt::mightBeRichText(translation)
                    ? QTextDocumentFragment::fromHtml(translation).toRawText()
                    : translation;
                if (shown.contains(wrongSpace))
                    report << QStringLiteral("\"%1\"").arg(shown);
            }
        }
        QVERIFY2(report.isEmpty(), qPrintable(report.join(QLatin1Char('\n'))));
    }

    void everyCatalogueIsComplete_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString& path : translatedCatalogues())
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
    }

    // A failure lists every entry that wants work, and every message that
    // another catalogue holds and this one lacks.
    void everyCatalogueIsComplete()
    {
        QFETCH(QString, path);

        const QList<CatalogueEntry> entries = readCatalogue(path);

        QVERIFY2(!entries.isEmpty(), "no messages read");
        QStringList report;
        QSet<QString> held;
        for (const CatalogueEntry& entry : entries) {
            held << messageKey(entry);
            const QStringList problems = problemsOf(entry);
            if (!problems.isEmpty())
                report << QStringLiteral("%1 \"%2\": %3").arg(entry.context, entry.source, problems.join(", "));
        }
        for (const QString& other : translatedCatalogues()) {
            for (const CatalogueEntry& entry : readCatalogue(other)) {
                if (held.contains(messageKey(entry)))
                    continue;
                held << messageKey(entry);
                report << QStringLiteral("%1 \"%2\": missing (%3 has it)")
                              .arg(entry.context, entry.source, QFileInfo(other).fileName());
            }
        }
        QVERIFY2(report.isEmpty(), qPrintable(report.join(QLatin1Char('\n'))));
    }
};

int main(int argc, char** argv)
{
    // A French system, whatever the preferred-languages list of the caller.
    testsupport::EnvironmentOverride systemLocale("LC_ALL", "fr_FR.UTF-8");
    testsupport::EnvironmentOverride preferredLanguages("LANGUAGE", nullptr);
    QApplication application(argc, argv);
    ProgramTextsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_programtexts.moc"
