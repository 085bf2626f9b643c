// The few POSIX thread functions that the C++ runtime calls while it handles
// exceptions (the emergency pool's lock, the per-thread exception state kept
// in emulated TLS, the unwinder's frame registry), answered by Win32 itself.
// They would otherwise come from winpthread, a whole threads library of
// 26 KB (x86-64) to 32 KB (i686) in a program that starts no thread.
//
// The setup is now built without exceptions (cmake/SmallCode.cmake), so none
// of that runtime is linked and nothing calls these. They stay in it so that
// a piece of the runtime that needs them, should one be linked again, is
// answered here rather than by winpthread; uncalled, the i686 linker drops
// them, and x86-64 keeps them (0.6 KB) with their unwind tables.
//
// What is left out, as nothing here needs it: recursive and error-checking
// mutexes, and key destructors (a thread's emulated-TLS block is freed with
// the process; the setup's C++ code runs on its one thread).
#include <windows.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>

namespace {

// A mutex holds a pointer to an SRW lock made at first use: one initialised
// statically holds a negative number until then.
PSRWLOCK LockOf(intptr_t* mutex) {
    const intptr_t seen = *static_cast<volatile intptr_t*>(mutex);
    if (seen > 0)
        return reinterpret_cast<PSRWLOCK>(seen);
    auto* fresh = static_cast<PSRWLOCK>(HeapAlloc(GetProcessHeap(), 0, sizeof(SRWLOCK)));
    if (!fresh)
        std::abort();
    InitializeSRWLock(fresh);
    void* before = InterlockedCompareExchangePointer(reinterpret_cast<void* volatile*>(mutex),
                                                     fresh, reinterpret_cast<void*>(seen));
    if (before == reinterpret_cast<void*>(seen))
        return fresh;
    HeapFree(GetProcessHeap(), 0, fresh);  // another thread made it first
    return static_cast<PSRWLOCK>(before);
}

constexpr LONG kOnceRunning = 1;
constexpr LONG kOnceDone = 2;

LONG Read(volatile LONG* value) {
    return InterlockedCompareExchange(value, 0, 0);
}

}  // namespace

extern "C" {

int pthread_mutex_init(intptr_t* mutex, const unsigned*) {
    *mutex = -1;
    return 0;
}

int pthread_mutex_destroy(intptr_t* mutex) {
    if (*mutex > 0)
        HeapFree(GetProcessHeap(), 0, reinterpret_cast<void*>(*mutex));
    *mutex = -1;
    return 0;
}

int pthread_mutex_lock(intptr_t* mutex) {
    AcquireSRWLockExclusive(LockOf(mutex));
    return 0;
}

int pthread_mutex_unlock(intptr_t* mutex) {
    ReleaseSRWLockExclusive(LockOf(mutex));
    return 0;
}

int pthread_once(long* once, void (*init)(void)) {
    volatile LONG* state = reinterpret_cast<volatile LONG*>(once);
    if (Read(state) == kOnceDone)
        return 0;
    if (InterlockedCompareExchange(state, kOnceRunning, 0) == 0) {
        init();
        InterlockedExchange(state, kOnceDone);
        return 0;
    }
    while (Read(state) != kOnceDone) Sleep(0);  // another thread runs init
    return 0;
}

int pthread_key_create(unsigned* key, void (*)(void*)) {
    const DWORD index = TlsAlloc();
    if (index == TLS_OUT_OF_INDEXES)
        return EAGAIN;
    *key = index;
    return 0;
}

void* pthread_getspecific(unsigned key) {
    return TlsGetValue(key);
}

int pthread_setspecific(unsigned key, const void* value) {
    return TlsSetValue(key, const_cast<void*>(value)) ? 0 : ENOMEM;
}

}  // extern "C"
