#include "HelpFiles.h"

#include <QDir>
#include <QFileInfo>

namespace {

struct LanguageFiles {
    QLocale::Language language;
    int chinesePreference; // 0: any
    const char* suffix;    // of the licence: "lic_<suffix>.htm"
    const char* code;      // of the guide: "Scrivet_Manual_<code>.pdf"
};

const LanguageFiles kLanguageFiles[] = {
    {QLocale::Chinese, 1, "chinese_trad", "TC"}, {QLocale::Chinese, 0, "chinese_simpli", "SC"},
    {QLocale::Dutch, 0, "dutch", "NL"},          {QLocale::French, 0, "french", "FR"},
    {QLocale::German, 0, "german", "DE"},        {QLocale::Italian, 0, "italian", "IT"},
    {QLocale::Japanese, 0, "japanese", "JP"},    {QLocale::Korean, 0, "korean", "KR"},
    {QLocale::Polish, 0, "polish", "PL"},        {QLocale::Portuguese, 0, "portuguese", "PT"},
    {QLocale::Russian, 0, "russian", "RU"},      {QLocale::Spanish, 0, "spanish", "ES"},
};

HelpFileNames namesOf(const char* suffix, const char* code)
{
    return {QStringLiteral("lic_%1.htm").arg(QLatin1String(suffix)),
            QStringLiteral("Scrivet_Manual_%1.pdf").arg(QLatin1String(code))};
}

QString pathOf(const QString& dataFolder, const QString& folder, const QString& name)
{
    return QDir::toNativeSeparators(dataFolder + QLatin1Char('/') + folder + QLatin1Char('/') + name);
}

} // namespace

HelpFileNames englishHelpFileNames() { return namesOf("english", "EN"); }

HelpFileNames helpFileNames(QLocale::Language language, int chinesePreference)
{
    for (const LanguageFiles& files : kLanguageFiles) {
        const bool preferenceMatches = files.chinesePreference == 0 || files.chinesePreference == chinesePreference;
        if (files.language == language && preferenceMatches)
            return namesOf(files.suffix, files.code);
    }
    return englishHelpFileNames();
}

QString helpFilePath(const QString& dataFolder, const QString& folder, const QString& name,
                     const QString& englishName)
{
    for (const QString& candidate : {name, englishName}) {
        const QString path = pathOf(dataFolder, folder, candidate);
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}
