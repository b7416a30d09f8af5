#include "Translations.h"

#include "ApplSettings.h"
#include "FixedPaths.h"
#include "UserPrompt.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFontInfo>
#include <QGlyphRun>
#include <QLibraryInfo>
#include <QRawFont>
#include <QTextLayout>
#include <QTranslator>

QTranslator* translatorQT = nullptr;

namespace {

struct Language {
    const char* settingsName;
    QLocale::Language systemLanguage;
    int chinesePreference; // 0: any
    const char* programFile;
    const char* toolkitFile;
    const char* localeName; // dates and numbers where the system speaks another language
};

const Language kLanguages[] = {
    {"French", QLocale::French, 0, "dravello_fr", "qt_fr", "fr_FR"},
    {"Spanish", QLocale::Spanish, 0, "dravello_es", "qt_es", "es_ES"},
    {"Portuguese(Brazil)", QLocale::Portuguese, 0, "dravello_pt", "qt_pt_BR", "pt_BR"},
    {"German", QLocale::German, 0, "dravello_de", "qt_de", "de_DE"},
    {"Dutch", QLocale::Dutch, 0, "dravello_nl", "qt_nl", "nl_NL"},
    {"Italian", QLocale::Italian, 0, "dravello_it", "qt_it", "it_IT"},
    {"Russian", QLocale::Russian, 0, "dravello_ru", "qt_ru", "ru_RU"},
    {"Chinese Traditional", QLocale::Chinese, 1, "dravello_1zh", "qt_zh_TW", "zh_TW"},
    {"Chinese Simplified", QLocale::Chinese, 2, "dravello_zh", "qt_zh_CN", "zh_CN"},
    {"Japanese", QLocale::Japanese, 0, "dravello_ja", "qt_ja", "ja_JP"},
    {"Korean", QLocale::Korean, 0, "dravello_ko", "qt_ko", "ko_KR"},
    {"Polish", QLocale::Polish, 0, "dravello_pl", "qt_pl", "pl_PL"},
};

const char* const kEnglishLocaleName = "en_US";

TranslationFiles filesOf(const Language& language)
{
    return {QString::fromLatin1(language.programFile), QString::fromLatin1(language.toolkitFile)};
}

const TranslationFiles kEnglish{QStringLiteral("dravello_en"), QString()};

// The language the settings name, compared without regard to case; null for none.
const Language* languageNamed(const QString& name)
{
    for (const Language& language : kLanguages) {
        if (name.compare(QLatin1String(language.settingsName), Qt::CaseInsensitive) == 0)
            return &language;
    }
    return nullptr;
}

bool speaks(const Language& language, QLocale::Language systemLanguage, int chinesePreference)
{
    return language.systemLanguage == systemLanguage
        && (language.chinesePreference == 0 || language.chinesePreference == chinesePreference);
}

QString nativePath(const QString& folder, const QString& file)
{
    return QDir::toNativeSeparators(folder + QLatin1Char('/') + file);
}

// "zh-TW" -> "zh-Hant", "zh-Hans-CN" -> "zh-Hans", other tags as they are;
// empty for the "C" and "POSIX" locales.
QString languageTag(const QString& uiLanguage)
{
    if (uiLanguage.isEmpty() || uiLanguage == QLatin1String("C") || uiLanguage == QLatin1String("POSIX"))
        return QString();
    const QLocale locale(uiLanguage);
    if (locale.language() == QLocale::Chinese)
        return QLatin1String(locale.script() == QLocale::TraditionalHanScript ? "zh-Hant" : "zh-Hans");
    return uiLanguage;
}

} // namespace

LanguageSetting readLanguageSetting(ApplSettings& settings)
{
    const QString key = QStringLiteral("translator/language");
    LanguageSetting setting;
    QString status;
    settings.getAttrValueStr(key, QStringLiteral("name"), setting.name);
    settings.getAttrValueStr(key, QStringLiteral("status"), status);
    setting.status = status.toInt(nullptr, 10);
    return setting;
}

QString knownLanguageName(const QString& name)
{
    const Language* language = languageNamed(name);
    return language ? QString::fromLatin1(language->settingsName) : QString();
}

TranslationFiles chooseTranslationFiles(const QString& name, int status, QLocale::Language systemLanguage,
                                        int chinesePreference)
{
    if (status == 1) {
        const Language* named = languageNamed(name);
        return named ? filesOf(*named) : kEnglish;
    }
    for (const Language& language : kLanguages) {
        if (speaks(language, systemLanguage, chinesePreference))
            return filesOf(language);
    }
    return kEnglish;
}

QLocale chooseLocale(const QString& name, int status, const QLocale& system)
{
    if (status != 1)
        return system;
    const Language* named = languageNamed(name);
    const QLocale chosen(QLatin1String(named ? named->localeName : kEnglishLocaleName));
    const bool systemSpeaksIt = system.language() == chosen.language() && system.script() == chosen.script();
    return systemSpeaksIt ? system : chosen;
}

QFont fontForLanguage(const QFont& font, const QLocale& locale)
{
    QTextLayout layout(locale.nativeLanguageName(), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.isEmpty())
        return font;
    const QString family = runs.first().rawFont().familyName();
    if (family.isEmpty() || family == QFontInfo(font).family())
        return font;
    QStringList families = font.families();
    if (families.isEmpty())
        families << font.family();
    families.prepend(family);
    QFont chosen(font);
    chosen.setFamilies(families);
    return chosen;
}

QString programCataloguesFolder()
{
    return QDir::toNativeSeparators(QString::fromStdString(Platform::programDataFolder() + "/translations"));
}

QString toolkitCataloguesFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

QTranslator* installTranslations(QApplication* application, const TranslationFiles& files,
                                 const QString& programFolder, const QString& toolkitFolder)
{
    auto* program = new QTranslator(application);
    if (program->load(nativePath(programFolder, files.program)))
        application->installTranslator(program);

    // Without a toolkit translator (the start-up makes it) there is nothing to load into.
    if (files.toolkit.isEmpty() || !translatorQT)
        return program;
    const QString toolkitPath = nativePath(toolkitFolder, files.toolkit);
    if (translatorQT->load(toolkitPath)) {
        application->installTranslator(translatorQT);
    } else {
        PromptRequest box;
        box.icon = QMessageBox::Information;
        box.parent = QApplication::activeWindow();
        box.text = QStringLiteral("loading QT ts failed") + toolkitPath;
        askUser(box);
    }
    return program;
}

QTranslator* PrepareTransaltoin(QApplication* application, QString& name, int status)
{
    const int chinesePreference = CheckChinesePreference();
    const TranslationFiles files =
        chooseTranslationFiles(name, status, QLocale::system().language(), chinesePreference);
    const QLocale locale = chooseLocale(name, status, QLocale::system());
    QLocale::setDefault(locale);
    QApplication::setFont(fontForLanguage(QApplication::font(), locale));
    return installTranslations(application, files, programCataloguesFolder(), toolkitCataloguesFolder());
}

QStringList preferredLanguages()
{
    QStringList tags;
    for (const QString& entry : QLocale::system().uiLanguages()) {
        const QString tag = languageTag(entry);
        if (!tag.isEmpty())
            tags << tag;
    }
    tags.removeDuplicates();
    return tags;
}

int CheckChinesePreference()
{
    const QStringList languages = preferredLanguages();
    if (languages.isEmpty())
        return 1;
    for (const QString& language : languages)
        qDebug().noquote() << language;
    return languages.first().compare(QLatin1String("zh-Hans"), Qt::CaseInsensitive) == 0 ? 2 : 1;
}
