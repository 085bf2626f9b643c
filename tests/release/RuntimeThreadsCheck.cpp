// The setup's own answers to the C++ runtime's thread calls
// (app/RuntimeThreads_win.cpp) carry exception handling on several threads at
// once: every exception thrown is caught where it should be.
#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

constexpr int kThreads = 4;
constexpr int kThrows = 1000;

int ThrowFrom(int depth) {
    if (depth == 0)
        throw std::runtime_error("from the bottom");
    const std::string frame(100, 'x');  // a destructor to run on the way up
    return ThrowFrom(depth - 1) + static_cast<int>(frame.size());
}

DWORD WINAPI CatchAll(void*) {
    DWORD caught = 0;
    for (int i = 0; i < kThrows; ++i) {
        try {
            ThrowFrom(5);
        } catch (const std::runtime_error&) {
            ++caught;
        }
    }
    return caught;
}

}  // namespace

int main() {
    HANDLE threads[kThreads];
    for (HANDLE& t : threads) t = CreateThread(nullptr, 0, CatchAll, nullptr, 0, nullptr);
    DWORD total = CatchAll(nullptr);
    WaitForMultipleObjects(kThreads, threads, TRUE, INFINITE);
    for (HANDLE t : threads) {
        DWORD caught = 0;
        GetExitCodeThread(t, &caught);
        total += caught;
        CloseHandle(t);
    }
    std::printf("caught %lu of %d exceptions\n", total, (kThreads + 1) * kThrows);
    return total == DWORD((kThreads + 1) * kThrows) ? 0 : 1;
}
