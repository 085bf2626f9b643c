// COM for the current thread (single-threaded apartment) for one scope.
#pragma once

#include <objbase.h>

class ComInit {
public:
    ComInit() : result_(CoInitialize(nullptr)) {}
    // S_FALSE (already initialised here) also counts and must be balanced;
    // a refusal such as RPC_E_CHANGED_MODE must not be.
    ~ComInit() {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComInit(const ComInit&) = delete;
    ComInit& operator=(const ComInit&) = delete;

    HRESULT Result() const { return result_; }

private:
    HRESULT result_;
};
