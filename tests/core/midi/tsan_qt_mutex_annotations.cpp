// ThreadSanitizer builds only: the system's Qt is not instrumented, so the sanitizer cannot
// see that QMutex orders memory. These definitions take precedence over the library's,
// forward to it and tell the sanitizer about each acquire and release.

#include <QMutex>
#include <QWaitCondition>

#include <dlfcn.h>

#include <cstring>

extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);

namespace {

template <typename Function>
Function LibraryFunction(const char* symbol)
{
    void* address = dlsym(RTLD_NEXT, symbol);
    Function function;
    std::memcpy(&function, &address, sizeof function);
    return function;
}

} // namespace

void QMutex::lock() QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto library = LibraryFunction<void (*)(QMutex*)>("_ZN6QMutex4lockEv");
    library(this);
    __tsan_acquire(this);
}

bool QMutex::tryLock(int timeout) QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto library = LibraryFunction<bool (*)(QMutex*, int)>("_ZN6QMutex7tryLockEi");
    const bool locked = library(this, timeout);
    if (locked)
        __tsan_acquire(this);
    return locked;
}

void QMutex::unlock() noexcept
{
    static const auto library = LibraryFunction<void (*)(QMutex*)>("_ZN6QMutex6unlockEv");
    __tsan_release(this);
    library(this);
}

bool QWaitCondition::wait(QMutex* lockedMutex, QDeadlineTimer deadline)
{
    static const auto library = LibraryFunction<bool (*)(QWaitCondition*, QMutex*, QDeadlineTimer)>(
        "_ZN14QWaitCondition4waitEP6QMutex14QDeadlineTimer");
    __tsan_release(lockedMutex);
    const bool woken = library(this, lockedMutex, deadline);
    __tsan_acquire(lockedMutex);
    return woken;
}

bool QWaitCondition::wait(QMutex* lockedMutex, unsigned long time)
{
    static const auto library = LibraryFunction<bool (*)(QWaitCondition*, QMutex*, unsigned long)>(
        "_ZN14QWaitCondition4waitEP6QMutexm");
    __tsan_release(lockedMutex);
    const bool woken = library(this, lockedMutex, time);
    __tsan_acquire(lockedMutex);
    return woken;
}
