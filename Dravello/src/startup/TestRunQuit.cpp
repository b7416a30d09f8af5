#include "TestRunQuit.h"

#include "MainWindow.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

void scheduleTestRunQuit(MainWindow& window)
{
    bool valid = false;
    const int delayMs = qEnvironmentVariableIntValue("DRAVELLO_TEST_QUIT_MS", &valid);
    if (!valid || delayMs <= 0)
        return;
    QTimer::singleShot(delayMs, &window, [&window] {
        std::fprintf(stderr, "test quit: page %d\n", window.currentPage());
        QCoreApplication::quit();
    });
}
