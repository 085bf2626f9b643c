// Owner of a kernel handle (file, process, event...): closed exactly once.
#pragma once

#include <windows.h>

class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE h) : h_(h) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    // CreateFile answers INVALID_HANDLE_VALUE, most others NULL: both mean "none".
    bool Valid() const { return h_ != nullptr && h_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return h_; }
    void Reset(HANDLE h = nullptr) {
        if (Valid())
            CloseHandle(h_);
        h_ = h;
    }

private:
    HANDLE h_ = nullptr;
};
