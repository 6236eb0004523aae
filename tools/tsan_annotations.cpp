// ThreadSanitizer builds only (tests/sanitizer_builds.cmake adds this to the tests), beside
// tools/tsan.supp: hand-overs that happen inside uninstrumented system
// libraries, told to the sanitizer. These definitions take precedence over the libraries'
// (for RtMidi's calls into libjack too), forward to them and tell the sanitizer.
//
// Qt. QMutex needs nothing here: its lock and unlock are inline and, compiled with
// -fsanitize=thread, tell the sanitizer themselves (qtsan_impl.h). Two things still happen
// inside the library: QRecursiveMutex locks and unlocks out of line, and QWaitCondition::wait
// unlocks the caller's QMutex while it waits and locks it again (without a word, the sanitizer
// would take the mutex as still held by the waiting thread when another thread locks it).
//
// JACK. Its lock-free ring buffer orders the bytes it carries with memory barriers inside
// libjack, and the server orders the process callbacks of connected clients (the test
// keyboard fills a port buffer that the input then reads). Left unsaid, each shows as a race,
// and the sanitizer's report, even one suppressed, stalls JACK's real-time thread while it
// symbolizes: the cycle is missed and the server drops the MIDI of that cycle.

#include <QMutex>
#include <QRecursiveMutex>
#include <QWaitCondition>

#include <jack/jack.h>
#include <jack/ringbuffer.h>

#include <sanitizer/tsan_interface.h>

#include <dlfcn.h>

#include <algorithm>
#include <cstring>

namespace {

template <typename Function>
Function LibraryFunction(const char* symbol)
{
    void* address = dlsym(RTLD_NEXT, symbol);
    Function function;
    std::memcpy(&function, &address, sizeof function);
    return function;
}

// The caller's mutex as QWaitCondition::wait leaves it and takes it back, as QMutex's own
// inline annotations name it.
void Unlocked(QMutex* mutex)
{
    __tsan_mutex_pre_unlock(mutex, 0);
    __tsan_mutex_post_unlock(mutex, 0);
}

void Relocked(QMutex* mutex)
{
    __tsan_mutex_pre_lock(mutex, 0);
    __tsan_mutex_post_lock(mutex, 0, 0);
}

} // namespace

bool QRecursiveMutex::tryLock(int timeout) QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto library = LibraryFunction<bool (*)(QRecursiveMutex*, int)>("_ZN15QRecursiveMutex7tryLockEi");
    // lock() is tryLock(-1): only a bounded wait is a try.
    unsigned flags = __tsan_mutex_write_reentrant | (timeout < 0 ? 0u : unsigned(__tsan_mutex_try_lock));
    __tsan_mutex_pre_lock(this, flags);
    const bool locked = library(this, timeout);
    if (!locked)
        flags |= __tsan_mutex_try_lock_failed;
    __tsan_mutex_post_lock(this, flags, 0);
    return locked;
}

void QRecursiveMutex::unlock() noexcept
{
    static const auto library = LibraryFunction<void (*)(QRecursiveMutex*)>("_ZN15QRecursiveMutex6unlockEv");
    __tsan_mutex_pre_unlock(this, 0);
    library(this);
    __tsan_mutex_post_unlock(this, 0);
}

bool QWaitCondition::wait(QMutex* lockedMutex, QDeadlineTimer deadline)
{
    static const auto library = LibraryFunction<bool (*)(QWaitCondition*, QMutex*, QDeadlineTimer)>(
        "_ZN14QWaitCondition4waitEP6QMutex14QDeadlineTimer");
    if (!lockedMutex)
        return library(this, lockedMutex, deadline);
    Unlocked(lockedMutex);
    const bool woken = library(this, lockedMutex, deadline);
    Relocked(lockedMutex);
    return woken;
}

bool QWaitCondition::wait(QMutex* lockedMutex, unsigned long time)
{
    static const auto library = LibraryFunction<bool (*)(QWaitCondition*, QMutex*, unsigned long)>(
        "_ZN14QWaitCondition4waitEP6QMutexm");
    if (!lockedMutex)
        return library(this, lockedMutex, time);
    Unlocked(lockedMutex);
    const bool woken = library(this, lockedMutex, time);
    Relocked(lockedMutex);
    return woken;
}

// ---- JACK's ring buffer: the writer's bytes before the reader's, the reader's reads before
// the writer reuses their space. Reading and writing are done here through the buffer's own
// vectors, so that the copies are instrumented and each side tells its release before it
// moves its pointer, which is what the other side sees.

namespace {

void* WrittenSide(const jack_ringbuffer_t* rb)
{
    return const_cast<size_t*>(&rb->write_ptr);
}

void* ReadSide(const jack_ringbuffer_t* rb)
{
    return const_cast<size_t*>(&rb->read_ptr);
}

using Vectors = void (*)(const jack_ringbuffer_t*, jack_ringbuffer_data_t*);
using Advance = void (*)(jack_ringbuffer_t*, size_t);

Vectors LibraryReadVector()
{
    static const auto library = LibraryFunction<Vectors>("jack_ringbuffer_get_read_vector");
    return library;
}

Vectors LibraryWriteVector()
{
    static const auto library = LibraryFunction<Vectors>("jack_ringbuffer_get_write_vector");
    return library;
}

Advance LibraryReadAdvance()
{
    static const auto library = LibraryFunction<Advance>("jack_ringbuffer_read_advance");
    return library;
}

Advance LibraryWriteAdvance()
{
    static const auto library = LibraryFunction<Advance>("jack_ringbuffer_write_advance");
    return library;
}

// Copies up to `count` readable bytes to `destination`, as libjack's read and peek do.
size_t CopyOut(jack_ringbuffer_t* rb, char* destination, size_t count)
{
    jack_ringbuffer_data_t vectors[2];
    LibraryReadVector()(rb, vectors);
    __tsan_acquire(WrittenSide(rb));
    const size_t total = std::min(count, vectors[0].len + vectors[1].len);
    const size_t first = std::min(total, vectors[0].len);
    std::memcpy(destination, vectors[0].buf, first);
    if (total > first)
        std::memcpy(destination + first, vectors[1].buf, total - first);
    return total;
}

} // namespace

void jack_ringbuffer_get_read_vector(const jack_ringbuffer_t* rb, jack_ringbuffer_data_t* vec)
{
    LibraryReadVector()(rb, vec);
    __tsan_acquire(WrittenSide(rb));
}

void jack_ringbuffer_get_write_vector(const jack_ringbuffer_t* rb, jack_ringbuffer_data_t* vec)
{
    LibraryWriteVector()(rb, vec);
    __tsan_acquire(ReadSide(rb));
}

void jack_ringbuffer_read_advance(jack_ringbuffer_t* rb, size_t cnt)
{
    __tsan_release(ReadSide(rb));
    LibraryReadAdvance()(rb, cnt);
}

void jack_ringbuffer_write_advance(jack_ringbuffer_t* rb, size_t cnt)
{
    __tsan_release(WrittenSide(rb));
    LibraryWriteAdvance()(rb, cnt);
}

size_t jack_ringbuffer_peek(jack_ringbuffer_t* rb, char* dest, size_t cnt)
{
    return CopyOut(rb, dest, cnt);
}

size_t jack_ringbuffer_read(jack_ringbuffer_t* rb, char* dest, size_t cnt)
{
    const size_t total = CopyOut(rb, dest, cnt);
    if (total > 0)
        jack_ringbuffer_read_advance(rb, total);
    return total;
}

size_t jack_ringbuffer_write(jack_ringbuffer_t* rb, const char* src, size_t cnt)
{
    jack_ringbuffer_data_t vectors[2];
    jack_ringbuffer_get_write_vector(rb, vectors);
    const size_t total = std::min(cnt, vectors[0].len + vectors[1].len);
    const size_t first = std::min(total, vectors[0].len);
    std::memcpy(vectors[0].buf, src, first);
    if (total > first)
        std::memcpy(vectors[1].buf, src + first, total - first);
    if (total > 0)
        jack_ringbuffer_write_advance(rb, total);
    return total;
}

// ---- JACK's process callbacks: the server runs a client's cycle after the cycles of the
// clients that feed it have ended. Every process callback in this process acquires one
// token for the graph as it starts and releases it as it ends. (Clients of this process that
// are not connected may run side by side; the token orders only callbacks one of which had
// ended before the other began.)

namespace {

char graphToken;

struct ProcessHook
{
    JackProcessCallback callback;
    void* arg;
};

int HookedProcess(jack_nframes_t frames, void* arg)
{
    const auto* hook = static_cast<const ProcessHook*>(arg);
    __tsan_acquire(&graphToken);
    const int result = hook->callback(frames, hook->arg);
    __tsan_release(&graphToken);
    return result;
}

} // namespace

int jack_set_process_callback(jack_client_t* client, JackProcessCallback process_callback, void* arg)
{
    using Set = int (*)(jack_client_t*, JackProcessCallback, void*);
    static const auto library = LibraryFunction<Set>("jack_set_process_callback");
    if (!process_callback)
        return library(client, process_callback, arg);
    // Kept until the process ends: a client may run its callback until it is closed, and a
    // client is set up a handful of times in a test.
    return library(client, &HookedProcess, new ProcessHook{process_callback, arg});
}
