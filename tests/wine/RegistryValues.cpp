#include "RegistryValues.h"

#include <utility>
#include <vector>

#include "win32/Handles.h"
#include "win32/RegistryView.h"

std::optional<RawValue> ReadRawValue(HKEY root, const std::wstring& key, const std::wstring& name) {
    return ReadRawValueInView(root, key, name, ViewOf(root));
}

std::wstring StoredString(HKEY root, const std::wstring& key, const std::wstring& name) {
    std::optional<RawValue> v = ReadRawValue(root, key, name);
    if (!v)
        return L"<missing>";
    if (v->type != REG_SZ || v->text.empty() || v->text.back() != L'\0')
        return L"<type " + std::to_wstring(v->type) + L">";
    return v->text.substr(0, v->text.size() - 1);
}

std::optional<RawValue> ReadRawValueInView(HKEY root, const std::wstring& key,
                                           const std::wstring& name, REGSAM view) {
    RegKey k;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ | view, k.Receive()) != ERROR_SUCCESS)
        return std::nullopt;
    RawValue value;
    DWORD bytes = 0;
    if (RegQueryValueExW(k.Get(), name.c_str(), nullptr, &value.type, nullptr, &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;
    std::vector<wchar_t> data(bytes / sizeof(wchar_t) + 1);
    if (RegQueryValueExW(k.Get(), name.c_str(), nullptr, &value.type,
                         reinterpret_cast<BYTE*>(data.data()), &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    value.text.assign(data.data(), bytes / sizeof(wchar_t));
    return value;
}

bool KeyExists(HKEY root, const std::wstring& key) {
    return KeyExistsInView(root, key, ViewOf(root));
}

void DeleteKeyTree(HKEY root, const std::wstring& key) {
    DeleteKeyTreeInView(root, key, ViewOf(root));
}

bool KeyExistsInView(HKEY root, const std::wstring& key, REGSAM view) {
    RegKey k;
    return RegOpenKeyExW(root, key.c_str(), 0, KEY_READ | view, k.Receive()) == ERROR_SUCCESS;
}

void DeleteKeyTreeInView(HKEY root, const std::wstring& key, REGSAM view) {
    {
        RegKey k;
        if (RegOpenKeyExW(root, key.c_str(), 0, KEY_ALL_ACCESS | view, k.Receive()) ==
            ERROR_SUCCESS)
            RegDeleteTreeW(k.Get(), nullptr);
    }
    RegDeleteKeyExW(root, key.c_str(), view, 0);
}

namespace {

// data: the bytes stored, as wide characters.
bool SetValue(HKEY root, const std::wstring& key, const std::wstring& name, DWORD type,
              const std::wstring& data, REGSAM view) {
    RegKey k;
    return RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr,
                           k.Receive(), nullptr) == ERROR_SUCCESS &&
           RegSetValueExW(k.Get(), name.c_str(), 0, type,
                          reinterpret_cast<const BYTE*>(data.data()),
                          static_cast<DWORD>(data.size() * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace

bool WriteRawString(HKEY root, const std::wstring& key, const std::wstring& name,
                    const std::wstring& text, bool withTerminator, DWORD type) {
    return SetValue(root, key, name, type, withTerminator ? text + L'\0' : text, ViewOf(root));
}

bool WriteStringInView(HKEY root, const std::wstring& key, const std::wstring& name,
                       const std::wstring& text, REGSAM view) {
    return SetValue(root, key, name, REG_SZ, text + L'\0', view);
}

ScopedRegistryString::ScopedRegistryString(HKEY root, std::wstring key, std::wstring name,
                                           const std::wstring& text)
    : root_(root),
      key_(std::move(key)),
      name_(std::move(name)),
      earlier_(ReadRawValue(root_, key_, name_)) {
    WriteRawString(root_, key_, name_, text);
}

ScopedRegistryString::~ScopedRegistryString() {
    if (earlier_) {
        SetValue(root_, key_, name_, earlier_->type, earlier_->text, ViewOf(root_));
        return;
    }
    RegKey k;
    if (RegOpenKeyExW(root_, key_.c_str(), 0, KEY_SET_VALUE | ViewOf(root_), k.Receive()) ==
        ERROR_SUCCESS)
        RegDeleteValueW(k.Get(), name_.c_str());
}
