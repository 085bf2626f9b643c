#include "DocumentTypes.h"

#include <gtest/gtest.h>

#include "RegistryValues.h"
#include "driver/ProductNames.h"
#include "shell/FileType.h"
#include "support/ExpectedFileTypes.h"
#include "win32/Utf.h"
#include "win32/Win32Registry.h"

std::vector<std::wstring> DocumentTypeKeys() {
    std::vector<std::wstring> keys;
    for (const ExpectedFileType& type : kExpectedFileTypes) {
        keys.push_back(Widen(type.extension));
        keys.push_back(Widen(type.className));
    }
    return keys;
}

void RemoveProductRegistrations() {
    for (const std::wstring& key : DocumentTypeKeys()) DeleteKeyTree(HKEY_CLASSES_ROOT, key);
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        DeleteKeyTreeInView(HKEY_LOCAL_MACHINE, driver::kUninstallKey, view);
        for (const std::wstring& key : DocumentTypeKeys())
            DeleteKeyTreeInView(HKEY_LOCAL_MACHINE, L"Software\\Classes\\" + key, view);
    }
}

void ExpectDocumentTypesFor(const std::wstring& installFolder) {
    for (const auto& [key, text] : ExpectedFileTypeValues(Narrow(installFolder)))
        EXPECT_EQ(StoredString(HKEY_CLASSES_ROOT, Widen(key), L""), Widen(text)) << key;
    const std::wstring exe = installFolder + L"\\Quillmark.exe";
    Win32Registry registry;
    for (const ExpectedFileType& type : kExpectedFileTypes) {
        const std::wstring verbs = Widen(type.className) + L"\\Shell";
        if (!type.openSwitch)
            EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, verbs)) << type.className;
        else
            EXPECT_EQ(Widen(GetRegisteredOpenProgram(registry, type.extension)), exe)
                << type.extension;
    }
}
