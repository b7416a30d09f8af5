// The desktop program: hands a start over to the copy that is already
// running, or prepares the user's files and settings and runs the main window.

#include "ApplSettings.h"
#include "ApplicationLook.h"
#include "ExitDeadline.h"
#include "FirstRunFiles.h"
#include "MainWindow.h"
#include "ProgramLog.h"
#include "QtSingleApplication.h"
#include "StartupArguments.h"
#include "TestRunQuit.h"
#include "TrayStart.h"
#include "Translations.h"

#include <QDebug>
#include <QPixmap>
#include <QSplashScreen>
#include <QStandardPaths>
#include <QTranslator>

#include <memory>

namespace {

constexpr int kHandOverTimeoutMs = 10000;
// How long the clean-up after the event loop may take: the window goes, the
// device thread and the readers are asked to end, the single-copy lock is let go.
constexpr std::chrono::milliseconds kCleanUpLimit{500};

// Builds, shows and runs the window; returns the event loop's exit code.
int runMainWindow(QtSingleApplication& application, const StartupArguments& arguments, const QString& userPath)
{
    MainWindow window;
    window.init(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), userPath);
    QObject::connect(&application, &QtSingleApplication::messageReceived, &window,
                     &MainWindow::handleSentMessageFromAnotherCopyOfApp);
    QObject::connect(&application, &QtSingleApplication::fileClickedInFinderSignal, &window,
                     &MainWindow::handleFileClickedInFinder);
    QObject::connect(&application, &QtSingleApplication::trayIconClicked, &window, &MainWindow::showMaximizedLocal);
    // After the window has handled a hand-over, it comes to the front.
    application.setActivationWindow(&window);

    QSplashScreen splash(QPixmap(QStringLiteral(":/misc/Resources/miscell/scrivetlogo.png")));
    if (arguments.noArguments)
        splash.show();
    QCoreApplication::processEvents();

    if (startWindowState(arguments, window.receiverVolumeMounted()) == StartWindowState::InTray) {
        keepInTray(window);
    } else {
        window.showMaximized();
    }
    if (arguments.noArguments)
        splash.finish(&window);
    if (arguments.loadFile)
        window.LoadSpecificFile(arguments.strFileArg);
    scheduleTestRunQuit(window);
    const int result = QCoreApplication::exec();
    // Every save the user asked for has ended with the event loop; a thread
    // that hangs (a transfer, a reader) holds the process no longer.
    Platform::endProcessWithin(kCleanUpLimit, result);
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    // Taken before the toolkit reads (and clears) them.
    const HandOver::Activation activation = HandOver::activationFromEnvironment();
    auto application = std::make_unique<QtSingleApplication>(argc, argv, true);
    // The window's class and application id: those of the desktop entry.
    QCoreApplication::setApplicationName(QStringLiteral("Dravello"));
    QGuiApplication::setDesktopFileName(QStringLiteral("Dravello"));
    const StartupArguments arguments = readStartupArguments(QCoreApplication::arguments());
    if (application->sendMessage(arguments.message, kHandOverTimeoutMs, activation)) {
        qDebug().noquote() << "main::Another instance is running , shutting down args = "
                           << QLatin1Char('"') + arguments.message + QLatin1Char('"');
        // The running copy took the request: for whoever started this copy
        // (a file manager, xdg-open) that is success.
        return 0;
    }
    qDebug("main:: Im running ");

    Platform::keepProgramLog();
    registerCompiledResources();
    PrepareUserSettingsFile();
    const QString userPath = userSettingsFilePath();
    applyApplicationLook();
    const QString factoryPath = factorySettingsFilePath();
    if (!userPath.isEmpty() && !provideUserSettingsFile(userPath, factoryPath))
        return -1;
    // Without a user folder the factory settings are read as they are, and
    // the settings dialog has no file to save to.
    ApplSettings* settings = ApplSettings::instance();
    if (!settings->readApplSettings(userPath.isEmpty() ? factoryPath : userPath, factoryPath))
        return -1;

    LanguageSetting language = readLanguageSetting(*settings);
    translatorQT = new QTranslator(application.get());
    QTranslator* programTranslator = PrepareTransaltoin(application.get(), language.name, language.status);

    const int result = runMainWindow(*application, arguments, userPath);

    QCoreApplication::removeTranslator(programTranslator);
    QCoreApplication::removeTranslator(translatorQT);
    delete programTranslator;
    delete translatorQT;
    translatorQT = nullptr;
    return result;
}
