// The setup's own operator new (app/LibraryFailures_win.cpp): memory as asked,
// and a request that cannot be met ends the process, with abort's exit code 3,
// instead of returning.
//   library_failures_check          checks both, running itself for the second
//   library_failures_check exhaust  asks for more memory than there is
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "win32/Handles.h"

namespace {

constexpr DWORD kAbortExitCode = 3;

bool AllocatesAsAsked() {
    std::vector<std::string> lines;
    for (int i = 0; i < 1000; ++i) lines.push_back(std::string(100, char('a' + i % 26)));
    void* none = ::operator new(0);  // still a pointer of its own
    void* other = ::operator new(0);
    const bool ok =
        lines[999] == std::string(100, char('a' + 999 % 26)) && none && other && none != other;
    ::operator delete(none);
    ::operator delete(other);
    return ok;
}

DWORD ExitCodeOfExhausting(const wchar_t* self) {
    std::wstring command = L"\"" + std::wstring(self) + L"\" exhaust";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(self, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return 0;
    const KernelHandle thread(process.hThread), child(process.hProcess);
    WaitForSingleObject(child.Get(), INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(child.Get(), &code);
    return code;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 1 && std::wcscmp(argv[1], L"exhaust") == 0) {
        volatile size_t tooMuch = SIZE_MAX - 4096;
        void* p = ::operator new(tooMuch);
        std::printf("operator new returned %p for %zu bytes\n", p, size_t(tooMuch));
        return 0;
    }
    const bool allocates = AllocatesAsAsked();
    const DWORD exhausted = ExitCodeOfExhausting(argv[0]);
    std::printf("allocates as asked: %s; no memory ends the process with %lu (expected %lu)\n",
                allocates ? "yes" : "no", exhausted, kAbortExitCode);
    return allocates && exhausted == kAbortExitCode ? 0 : 1;
}
