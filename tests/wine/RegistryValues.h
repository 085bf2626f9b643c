// The registry as the Wine tests look at it: raw values with their type, and
// values or keys put in place for one test and put back afterwards. Keys are
// those of the view the setup uses (win/RegistryView.h).
#pragma once

#include <windows.h>

#include <optional>
#include <string>

struct RawValue {
    DWORD type = REG_NONE;
    std::wstring text;  // the data as stored, terminator included when stored
};

std::optional<RawValue> ReadRawValue(HKEY root, const std::wstring& key, const std::wstring& name);
// A value that must be a REG_SZ stored with its terminator, without it;
// "<missing>" or "<type N>" otherwise, so that a comparison shows what is wrong.
std::wstring StoredString(HKEY root, const std::wstring& key, const std::wstring& name);
bool KeyExists(HKEY root, const std::wstring& key);
void DeleteKeyTree(HKEY root, const std::wstring& key);
// The same in a view named by its flag (KEY_WOW64_32KEY, KEY_WOW64_64KEY).
std::optional<RawValue> ReadRawValueInView(HKEY root, const std::wstring& key,
                                           const std::wstring& name, REGSAM view);
bool KeyExistsInView(HKEY root, const std::wstring& key, REGSAM view);
void DeleteKeyTreeInView(HKEY root, const std::wstring& key, REGSAM view);
bool WriteRawString(HKEY root, const std::wstring& key, const std::wstring& name,
                    const std::wstring& text, bool withTerminator = true, DWORD type = REG_SZ);
// A REG_SZ stored with its terminator, as the setup stores them, in a view.
bool WriteStringInView(HKEY root, const std::wstring& key, const std::wstring& name,
                       const std::wstring& text, REGSAM view);

// Sets a string value for one scope; the earlier value, or its absence, comes back.
class ScopedRegistryString {
public:
    ScopedRegistryString(HKEY root, std::wstring key, std::wstring name, const std::wstring& text);
    ~ScopedRegistryString();
    ScopedRegistryString(const ScopedRegistryString&) = delete;
    ScopedRegistryString& operator=(const ScopedRegistryString&) = delete;

private:
    HKEY root_;
    std::wstring key_, name_;
    std::optional<RawValue> earlier_;
};
