#ifndef DRAVELLO_SHELL_TRANSLATIONS_H
#define DRAVELLO_SHELL_TRANSLATIONS_H

// The language of the user interface: chosen from the settings or the
// system, loaded from the program's translation files and the toolkit's own,
// installed as two translators.

#include <QFont>
#include <QLocale>
#include <QString>
#include <QStringList>

class ApplSettings;
class QApplication;
class QTranslator;

// The toolkit's translator. The start-up creates it (parent: the
// application) before PrepareTransaltoin runs, and deletes it at exit.
extern QTranslator* translatorQT;

// The translation files of one language, named without folder and ".qm".
struct TranslationFiles {
    QString program; // e.g. "dravello_fr"
    QString toolkit; // Qt's catalogue, e.g. "qt_fr"; empty for English
};

// The program's data folder + "/translations".
QString programCataloguesFolder();
// Where the Qt installation keeps its own catalogues.
QString toolkitCataloguesFolder();

// "translator/language" of the settings: a language name and a status, 1 to
// use that name, anything else (0 also for a status that is no number) to
// follow the system.
struct LanguageSetting {
    QString name;
    int status = 0;
};

LanguageSetting readLanguageSetting(ApplSettings& settings);

// The settings' own spelling of the language that `name` chooses at start
// (compared without regard to case), or an empty text when it chooses none
// (English).
QString knownLanguageName(const QString& name);

// With status 1 the language named in the settings (case-insensitive),
// otherwise the system language; Chinese is Traditional for preference 1 and
// Simplified for 2. Anything else is English.
TranslationFiles chooseTranslationFiles(const QString& name, int status, QLocale::Language systemLanguage,
                                        int chinesePreference);

// The locale of dates and numbers shown with the chosen language: with
// status 1 that of the named language (English for any other name), unless
// the system locale already speaks it; otherwise the system locale.
QLocale chooseLocale(const QString& name, int status, const QLocale& system);

// `font` with the family that shows the locale's own letters first, as a
// desktop in that language has it; `font` itself when its own family shows
// them. (Drawn in a fallback family, those letters stand taller than the
// lines that widgets make room for after their font.)
QFont fontForLanguage(const QFont& font, const QLocale& locale);

// Loads `files` and installs what loaded: the program file from
// `programFolder` into a new translator (returned, parent `application`),
// the toolkit file from `toolkitFolder` into translatorQT. A toolkit file
// that does not load is reported in a box.
QTranslator* installTranslations(QApplication* application, const TranslationFiles& files,
                                 const QString& programFolder, const QString& toolkitFolder);

// Chooses by the settings' language name and status, loads from the two
// folders above and installs, and makes the chosen locale and the font for
// its letters the defaults of every widget made afterwards; returns the
// program translator.
QTranslator* PrepareTransaltoin(QApplication* application, QString& name, int status);

// The user's preferred languages, most wanted first, as language tags
// ("fr-FR", "zh-Hans", "zh-Hant"), Chinese by its script. Taken from the
// system locale's user-interface languages (LANGUAGE, else LC_ALL,
// LC_MESSAGES or LANG).
QStringList preferredLanguages();

// 2 when the first preferred language is Simplified Chinese ("zh-Hans"),
// otherwise 1.
int CheckChinesePreference();

#endif
