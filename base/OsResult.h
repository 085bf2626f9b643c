// What an operation of a port answers: done, or the system's error code of
// its refusal, so that a failure reported further up still says why (a full
// disk, a file held open, a denied key) instead of only that it happened.
#pragma once

#include <cstdint>

struct OsResult {
    // Failed, with no code from the system: a refusal the program made itself,
    // or one of the tests' in-memory stand-ins.
    static constexpr std::uint32_t kNoCode = 0xFFFFFFFFu;

    // 0 when done; else the Win32 error code, or the HRESULT of a COM call
    // that wraps none.
    std::uint32_t error = 0;

    static OsResult Done() { return {}; }
    // A failure whose code reads 0 (a call that failed without setting one)
    // still fails.
    static OsResult Failed(std::uint32_t code = kNoCode) { return {code != 0 ? code : kNoCode}; }

    explicit operator bool() const { return error == 0; }
};
