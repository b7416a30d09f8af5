#ifndef DRAVELLO_SETTINGS_SINGLETON_H
#define DRAVELLO_SETTINGS_SINGLETON_H

// One process-wide object of T, built on first use (thread-safe, once) and
// destroyed at program exit. Callers keep the pointer and never delete it.
template <typename T>
class Singleton {
public:
    virtual ~Singleton() = default;

    static T* instance()
    {
        static T object;
        return &object;
    }

protected:
    Singleton() = default;
    Singleton(const Singleton&) = delete;
    Singleton& operator=(const Singleton&) = delete;
};

#endif
