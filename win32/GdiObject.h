// Owner of a GDI object (font, brush, bitmap, icon handle as HGDIOBJ).
#pragma once

#include <windows.h>

template <typename T>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(T h) : h_(h) {}
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    T Get() const { return h_; }
    void Reset(T h = nullptr) {
        if (h_)
            DeleteObject(h_);
        h_ = h;
    }

private:
    T h_ = nullptr;
};
