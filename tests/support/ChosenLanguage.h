#ifndef DRAVELLO_TESTS_CHOSENLANGUAGE_H
#define DRAVELLO_TESTS_CHOSENLANGUAGE_H

// The language named in the settings, installed as the start-up installs it
// (both translators, the language's locale and font as the defaults) for
// the object's lifetime; the test's own language, locale and font after.
// The translation files are looked for where the program looks for them, in
// its data folder: below the test's system root when one is set (see
// FakeSystemRoot::installProgramData), else found from the test's own folder
// as the program finds it from its own.

#include "Translations.h"

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace testsupport {

class ChosenLanguage {
public:
    explicit ChosenLanguage(QString name, int status = 1) : font(QApplication::font())
    {
        translatorQT = new QTranslator(qApp);
        program.reset(PrepareTransaltoin(qApp, name, status));
    }
    ~ChosenLanguage()
    {
        QCoreApplication::removeTranslator(program.get());
        QCoreApplication::removeTranslator(translatorQT);
        delete translatorQT;
        translatorQT = nullptr;
        QLocale::setDefault(QLocale::system());
        QApplication::setFont(font);
    }
    // True when the language's program catalogue was found and loaded.
    bool loaded() const { return program && !program->filePath().isEmpty(); }

    ChosenLanguage(const ChosenLanguage&) = delete;
    ChosenLanguage& operator=(const ChosenLanguage&) = delete;

private:
    const QFont font;
    std::unique_ptr<QTranslator> program;
};

} // namespace testsupport

#endif
