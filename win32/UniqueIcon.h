// Owner of an icon handle made by the program (CopyIcon, CreateIconIndirect...).
#pragma once

#include <windows.h>

class UniqueIcon {
public:
    UniqueIcon() = default;
    explicit UniqueIcon(HICON icon) : icon_(icon) {}
    ~UniqueIcon() { Reset(); }
    UniqueIcon(const UniqueIcon&) = delete;
    UniqueIcon& operator=(const UniqueIcon&) = delete;

    HICON Get() const { return icon_; }
    void Reset(HICON icon = nullptr) {
        if (icon_)
            DestroyIcon(icon_);
        icon_ = icon;
    }

private:
    HICON icon_ = nullptr;
};
