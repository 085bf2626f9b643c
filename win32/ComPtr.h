// Owner of one reference to a COM interface: released exactly once.
#pragma once

#include <unknwn.h>

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    // For CoCreateInstance and QueryInterface, which hand out a reference
    // through a void**. Anything held before is released first.
    void** Receive() {
        Reset();
        return reinterpret_cast<void**>(&p_);
    }

    void Reset() {
        if (p_) {
            p_->Release();
            p_ = nullptr;
        }
    }

private:
    T* p_ = nullptr;
};
