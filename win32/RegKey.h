// Owner of an open registry key.
#pragma once

#include <windows.h>

class RegKey {
public:
    RegKey() = default;
    ~RegKey() {
        if (key_)
            RegCloseKey(key_);
    }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    HKEY Get() const { return key_; }
    // For the Reg*Key* functions that hand out a key through a pointer.
    HKEY* Receive() { return &key_; }

private:
    HKEY key_ = nullptr;
};
