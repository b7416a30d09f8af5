#ifndef DRAVELLO_UI_APPLICATIONLIFETIME_H
#define DRAVELLO_UI_APPLICATIONLIFETIME_H

#include <QCoreApplication>

// The one T of the process, made on first use and deleted first thing in
// the application object's destructor, while the toolkit still works. The
// thread of the application object only.
template <typename T>
T& untilTheApplicationEnds()
{
    static T* object = nullptr;
    if (!object) {
        object = new T;
        qAddPostRoutine([] {
            delete object;
            object = nullptr;
        });
    }
    return *object;
}

#endif
