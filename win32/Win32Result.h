// The answers of Win32 calls as the ports' results: the three ways the API
// reports a failure, each read into the one error code.
#pragma once

#include <windows.h>

#include "base/OsResult.h"

// A call that answers FALSE and leaves its reason for GetLastError; to be
// read right after the call, before anything else can set another.
inline OsResult CheckedCall(BOOL succeeded) {
    return succeeded ? OsResult::Done() : OsResult::Failed(GetLastError());
}

// A call that answers its error code itself (the registry's).
inline OsResult StatusOf(LSTATUS status) {
    return status == ERROR_SUCCESS ? OsResult::Done() : OsResult::Failed(status);
}

// A COM call: the Win32 code inside its HRESULT where it carries one.
inline OsResult ResultOf(HRESULT hr) {
    if (SUCCEEDED(hr))
        return OsResult::Done();
    return OsResult::Failed(HRESULT_FACILITY(hr) == FACILITY_WIN32
                                ? static_cast<std::uint32_t>(HRESULT_CODE(hr))
                                : static_cast<std::uint32_t>(hr));
}
