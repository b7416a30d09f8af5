#ifndef DRAVELLO_STARTUP_TESTRUNQUIT_H
#define DRAVELLO_STARTUP_TESTRUNQUIT_H

// For tests that start the built or installed program: with the environment
// variable DRAVELLO_TEST_QUIT_MS set to a positive number of milliseconds, the
// event loop ends that long after this call, once the window's page (0 the
// browser, 1 the editor) has been written to the standard error as
// "test quit: page N". Without the variable nothing happens.

class MainWindow;

void scheduleTestRunQuit(MainWindow& window);

#endif
