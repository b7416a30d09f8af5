#ifndef DRAVELLO_UI_WAITCURSOR_H
#define DRAVELLO_UI_WAITCURSOR_H

#include <QApplication>

// Shows the wait cursor as the application's override cursor while it lives
// and takes back exactly the one cursor it put up.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

#endif
