// What a whole run of the setup leaves outside its install folder, removed,
// for tests that run it to its end for something else.
#pragma once

#include <string>

#include "DocumentTypes.h"
#include "RegistryValues.h"
#include "driver/Driver.h"
#include "driver/ProductNames.h"

namespace driver {

inline std::wstring ShellFolderPath(const wchar_t* name) {
    const std::optional<RawValue> v = ReadRawValue(HKEY_CURRENT_USER, kShellFolders, name);
    return v ? std::wstring(v->text.c_str()) : std::wstring();
}

inline void RemoveRunLeftovers() {
    RemoveProductRegistrations();
    RemoveTree(ShellFolderPath(L"Desktop") + L"\\Quillmark.lnk");
    const std::wstring programs = ShellFolderPath(L"Programs");
    if (!programs.empty())
        RemoveTree(programs + L"\\Quillmark");
}

}  // namespace driver
