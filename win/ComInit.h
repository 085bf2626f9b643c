// COM for the current thread, for as long as the object lives.
#pragma once

#include <objbase.h>

class ComInit {
public:
    ComInit() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComInit() {
        // Only a successful initialisation (also "already initialised") is balanced.
        if (ok_)
            CoUninitialize();
    }
    ComInit(const ComInit&) = delete;
    ComInit& operator=(const ComInit&) = delete;

    bool Ok() const { return ok_; }

private:
    bool ok_;
};
