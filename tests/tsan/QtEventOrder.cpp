// Linked into every Qt program of a thread sanitizer build: tells the
// sanitizer about the ordering that Qt's event queue gives, which it cannot
// see because Qt is not built with it (the queue's lock is a futex in Qt's
// own code). Whatever a thread did before it posted an event (a queued
// signal, invokeMethod, deleteLater) happens before whatever the receiving
// thread does once it delivers an event, as the queue's lock guarantees.
//
// The post side releases before an event is queued: when a signal is
// emitted (Qt's signal spy hook) and when our code posts (wrappers of
// QMetaObject::invokeMethod's functor form and QCoreApplication::postEvent,
// which our code calls into QtCore through the dynamic linker). Qt's own
// posts (deleteLater, timers) release when they wake the receiving thread's
// GLib main context (a wrapper of g_main_context_wakeup), just after they
// are queued. The delivery side
// acquires in Qt's event notification callback, run on the receiving thread
// before each event. Both meet on one token, so an event queued for one
// thread also orders a later delivery on another; that can hide only races
// between threads that both emit and deliver. A worker that delivers no
// events (a QThread with its own run()) acquires nothing here, so its races
// with the GUI thread still show.

#include <QCoreApplication>
#include <QObject>
#include <qnamespace.h>

#include <dlfcn.h>
#include <sanitizer/tsan_interface.h>

namespace {

// The address the two sides meet on.
char eventQueueToken;

bool beforeEachEvent(void**)
{
    __tsan_acquire(&eventQueueToken);
    return false;
}

void onSignal(QObject*, int, void**)
{
    __tsan_release(&eventQueueToken);
}

} // namespace

// Qt's hook for signal spies; declared in Qt's private headers, exported by QtCore.
struct QSignalSpyCallbackSet {
    using BeginCallback = void (*)(QObject* caller, int signalOrMethodIndex, void** argv);
    using EndCallback = void (*)(QObject* caller, int signalOrMethodIndex);
    BeginCallback signal_begin_callback, slot_begin_callback;
    EndCallback signal_end_callback, slot_end_callback;
};
void qt_register_signal_spy_callbacks(QSignalSpyCallbackSet* callbackSet);

namespace {

QSignalSpyCallbackSet signalHooks{onSignal, nullptr, nullptr, nullptr};

[[maybe_unused]] const bool registered =
    QInternal::registerCallback(QInternal::EventNotifyCallback, beforeEachEvent)
    && (qt_register_signal_spy_callbacks(&signalHooks), true);

} // namespace

// The real function that a wrapper below stands in front of.
template <typename Function>
Function realFunction(const char* symbol)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, symbol));
}

extern "C" {
struct _GMainContext;

void g_main_context_wakeup(_GMainContext* context)
{
    static const auto real = realFunction<void (*)(_GMainContext*)>("g_main_context_wakeup");
    __tsan_release(&eventQueueToken);
    real(context);
}
}

// Our own posts: before the event is queued.
bool QMetaObject::invokeMethodImpl(QObject* object, QtPrivate::QSlotObjectBase* slot,
                                   Qt::ConnectionType type, void* ret)
{
    static const auto real =
        realFunction<bool (*)(QObject*, QtPrivate::QSlotObjectBase*, Qt::ConnectionType, void*)>(
            "_ZN11QMetaObject16invokeMethodImplEP7QObjectPN9QtPrivate15QSlotObjectBaseEN2Qt14ConnectionTypeEPv");
    __tsan_release(&eventQueueToken);
    return real(object, slot, type, ret);
}

void QCoreApplication::postEvent(QObject* receiver, QEvent* event, int priority)
{
    static const auto real =
        realFunction<void (*)(QObject*, QEvent*, int)>("_ZN16QCoreApplication9postEventEP7QObjectP6QEventi");
    __tsan_release(&eventQueueToken);
    real(receiver, event, priority);
}
