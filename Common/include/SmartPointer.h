#ifndef PELM_SMARTPOINTER_H
#define PELM_SMARTPOINTER_H

#include "ThreadMutex.h"

namespace Pelm {

// Shared ownership: every handle copied from one first handle shares a heap
// count and a heap mutex that guards it; the last Release deletes the object.
// A handle that has released its reference is detached (all three pointers
// null), so a second Release or its destructor does nothing.
template <typename T>
class SmartPointer {
public:
    SmartPointer(T* p = nullptr) : count(new long(1)), data(p), mutex(new ThreadMutex) {}

    SmartPointer(const SmartPointer<T>& other)
        : count(other.count), data(other.data), mutex(other.mutex)
    {
        AddRef();
    }

    SmartPointer<T>& operator=(const SmartPointer<T>& other)
    {
        if (this == &other)
            return *this;
        // Take the new reference first: other may be owned by our own object.
        SmartPointer<T> keep(other);
        Release();
        count = keep.count;
        data = keep.data;
        mutex = keep.mutex;
        keep.detach();
        return *this;
    }

    ~SmartPointer() { Release(); }

    void AddRef()
    {
        if (!count)
            return;
        MutexGuard guard(*mutex);
        ++*count;
    }

    void Release()
    {
        if (!count)
            return;
        mutex->Acquire();
        const bool last = --*count == 0;
        if (!last) {
            mutex->Release();
            detach();
            return;
        }
        delete count;
        delete data;
        mutex->Release();
        delete mutex;
        detach();
    }

    T* GetData() const { return data; }

    // True when this handle holds the object's only reference.
    bool IsOnlyReference() const
    {
        if (!count)
            return false;
        MutexGuard guard(*mutex);
        return *count == 1;
    }
    T* operator->() const { return data; }

    // Replaces this handle's raw pointer only: count and mutex stay, the
    // previous object is neither deleted nor released.
    void SetData(T* p) { data = p; }

private:
    void detach()
    {
        count = nullptr;
        data = nullptr;
        mutex = nullptr;
    }

    long* count;
    T* data;
    ThreadMutex* mutex;
};

} // namespace Pelm

#endif
