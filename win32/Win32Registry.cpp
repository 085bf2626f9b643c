#include "win32/Win32Registry.h"

#include <optional>
#include <vector>

#include "win32/Handles.h"
#include "win32/RegistryView.h"
#include "win32/Utf.h"
#include "win32/Win32Result.h"

namespace {

HKEY RootKey(RegRoot root) {
    switch (root) {
        case RegRoot::ClassesRoot:
            return HKEY_CLASSES_ROOT;
        case RegRoot::CurrentUser:
            return HKEY_CURRENT_USER;
        case RegRoot::LocalMachine:
            break;
    }
    return HKEY_LOCAL_MACHINE;
}

// The string value in one view; nothing when the key or a string value of
// that name is missing.
std::optional<std::wstring> ReadString(HKEY root, const std::wstring& keyPath,
                                       const std::wstring& name, REGSAM view) {
    RegKey key;
    if (RegOpenKeyExW(root, keyPath.c_str(), 0, KEY_READ | view, key.Receive()) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type, nullptr, &bytes) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer.data()), &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    size_t chars = bytes / sizeof(wchar_t);
    if (chars > 0 && buffer[chars - 1] == L'\0')
        --chars;  // one trailing NUL, as stored by SetString
    return std::wstring(buffer.data(), chars);
}

}  // namespace

OsResult Win32Registry::SetString(RegRoot root, const std::string& keyPath,
                                  const std::string& valueName, const std::string& text) {
    const HKEY rootKey = RootKey(root);
    RegKey key;
    const OsResult opened = StatusOf(RegCreateKeyExW(rootKey, Widen(keyPath).c_str(), 0, nullptr, 0,
                                                     KEY_ALL_ACCESS | ViewOf(rootKey), nullptr,
                                                     key.Receive(), nullptr));
    if (!opened)
        return opened;
    // The terminating NUL is stored with the text.
    std::wstring data = Widen(text);
    DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    return StatusOf(RegSetValueExW(key.Get(), Widen(valueName).c_str(), 0, REG_SZ,
                                   reinterpret_cast<const BYTE*>(data.c_str()), bytes));
}

std::string Win32Registry::GetString(RegRoot root, const std::string& keyPath,
                                     const std::string& valueName) {
    const HKEY rootKey = RootKey(root);
    const std::wstring path = Widen(keyPath), name = Widen(valueName);
    std::optional<std::wstring> text = ReadString(rootKey, path, name, ViewOf(rootKey));
    // A 64-bit system that runs no 32-bit programs need not have a 32-bit
    // view of a key; there the native view is the only one.
    if (!text && ViewOf(rootKey) != 0)
        text = ReadString(rootKey, path, name, 0);
    return text ? Narrow(*text) : std::string();
}
