#include "win32/WidePath.h"

#include <windows.h>

#include "win32/Utf.h"

namespace {

// CreateDirectoryW leaves room for an 8.3 name within MAX_PATH; below this,
// every file function takes a path as it is.
constexpr size_t kPlainLimit = MAX_PATH - 12;

bool StartsWith(const std::wstring& text, std::wstring_view start) {
    return text.compare(0, start.size(), start) == 0;
}

// The absolute form of path, as the plain functions would resolve it; empty
// when the system cannot form it.
std::wstring FullPath(const std::wstring& path) {
    const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return {};
    std::wstring full(needed, L'\0');
    const DWORD written = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    if (written == 0 || written >= needed)
        return {};
    full.resize(written);
    return full;
}

}  // namespace

std::wstring WidePath(std::string_view utf8) {
    std::wstring path = Widen(utf8);
    if (path.size() < kPlainLimit || StartsWith(path, L"\\\\?\\") || StartsWith(path, L"\\\\.\\"))
        return path;
    const std::wstring full = FullPath(path);
    if (full.empty())
        return path;  // the call then fails with the system's own reason
    if (StartsWith(full, L"\\\\"))
        return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}
