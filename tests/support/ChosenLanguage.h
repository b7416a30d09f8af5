#ifndef DRAVELLO_TESTS_CHOSENLANGUAGE_H
#define DRAVELLO_TESTS_CHOSENLANGUAGE_H

// The language named in the settings, installed as the start-up installs it
// (both translators, the language's locale and font as the defaults) for
// the object's lifetime; the test's own language, locale and font after.
// The translation files are looked for in the test's folder.

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
    ChosenLanguage(const ChosenLanguage&) = delete;
    ChosenLanguage& operator=(const ChosenLanguage&) = delete;

private:
    const QFont font;
    std::unique_ptr<QTranslator> program;
};

} // namespace testsupport

#endif
