// Lists what an installation left: the files under the install folder, the
// registry entries the setup writes, each shortcut's target, arguments and
// icon, and the settings file. The run command prints it after the setup.
//   list_installation.exe [INSTALL_FOLDER]   (default: the proposed folder)
#include <windows.h>

#include <cstdio>
#include <string>

#include "LinkFile.h"
#include "RegistryValues.h"
#include "driver/Driver.h"
#include "driver/ProductNames.h"
#include "win/Utf.h"

using namespace driver;

namespace {

// The registry keys the setup writes, with the values it writes there.
const struct {
    HKEY root;
    const wchar_t* rootName;
    const wchar_t* key;
    const wchar_t* values[2];  // "" is the key's default value
} kKeys[] = {
    {HKEY_LOCAL_MACHINE, L"HKLM", kUninstallKey, {L"DisplayName", L"UninstallString"}},
    {HKEY_CLASSES_ROOT, L"HKCR", L".qkmem", {L""}},
    {HKEY_CLASSES_ROOT, L"HKCR", L".qkprj", {L""}},
    {HKEY_CLASSES_ROOT, L"HKCR", L".qkint", {L""}},
    {HKEY_CLASSES_ROOT, L"HKCR", L"Quillmark.qkmem.File", {L""}},
    {HKEY_CLASSES_ROOT, L"HKCR", L"Quillmark.qkmem.File\\DefaultIcon", {L""}},
    {HKEY_CLASSES_ROOT, L"HKCR", L"Quillmark.qkmem.File\\Shell\\Open\\Command", {L""}},
    {HKEY_CLASSES_ROOT, L"HKCR", L"Quillmark.qkprj.File", {L""}},
    {HKEY_CLASSES_ROOT, L"HKCR", L"Quillmark.qkprj.File\\DefaultIcon", {L""}},
    {HKEY_CLASSES_ROOT, L"HKCR", L"Quillmark.qkprj.File\\Shell\\Open\\Command", {L""}},
    {HKEY_CLASSES_ROOT, L"HKCR", L"Quillmark.qkint.File", {L""}},
    {HKEY_CLASSES_ROOT, L"HKCR", L"Quillmark.qkint.File\\DefaultIcon", {L""}},
};

void Print(const std::wstring& text) {
    std::fputs(Narrow(text).c_str(), stdout);
}

std::wstring Text(HKEY root, const std::wstring& key, const std::wstring& name) {
    std::optional<RawValue> v = ReadRawValue(root, key, name);
    return v ? std::wstring(v->text.c_str()) : std::wstring();
}

void ListFiles(const std::wstring& folder, const std::wstring& relative) {
    for (const std::wstring& name : ListFolder(folder + relative)) {
        const std::wstring path = relative + L"\\" + name;
        if (IsFolder(folder + path)) {
            ListFiles(folder, path);
            continue;
        }
        std::string data;
        ReadBytes(folder + path, data);
        std::printf("  %10zu  ", data.size());
        Print(path.substr(1) + L"\n");
    }
}

void ListRegistry() {
    for (const auto& k : kKeys) {
        if (!KeyExists(k.root, k.key)) {
            Print(std::wstring(L"  ") + k.rootName + L"\\" + k.key + L": missing\n");
            continue;
        }
        for (const wchar_t* name : k.values) {
            if (!name)
                continue;
            Print(std::wstring(L"  ") + k.rootName + L"\\" + k.key + L"  " +
                  (*name ? name : L"(default)") + L" = " + Text(k.root, k.key, name) + L"\n");
        }
    }
}

void ListShortcut(const std::wstring& path) {
    std::optional<LinkFields> link = LoadLink(path);
    if (!link)
        return;
    Print(L"  " + path + L"\n    target:      " + link->target + L"\n    arguments:   " +
          link->arguments + L"\n    icon:        " + link->iconPath + L"," +
          std::to_wstring(link->iconIndex) + L"\n    description: " + link->description + L"\n");
}

// The group the settings file records, relative to the Programs folder.
std::wstring RecordedGroup(const std::string& settings) {
    const std::string key = "StartFolderPath=";
    const size_t at = settings.rfind("\r\n" + key);
    if (at == std::string::npos)
        return L"Quillmark";
    const size_t start = at + 2 + key.size();
    return Widen(settings.substr(start, settings.find("\r\n", start) - start));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring folder =
        argc > 1 ? argv[1]
                 : Text(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion",
                        L"ProgramFilesDir") +
                       L"\\Quillmark";
    Print(L"\nInstalled into " + folder + L"\n\nFiles:\n");
    ListFiles(folder, L"");

    Print(L"\nRegistry:\n");
    ListRegistry();

    std::string settings;
    ReadBytes(folder + L"\\Quillmark.ini", settings);
    const std::wstring group = RecordedGroup(settings);
    const std::wstring programs = Text(HKEY_CURRENT_USER, kShellFolders, L"Programs");
    const std::wstring groupFolder = group.empty() ? programs : programs + L"\\" + group;
    Print(L"\nShortcuts:\n");
    ListShortcut(Text(HKEY_CURRENT_USER, kShellFolders, L"Desktop") + L"\\Quillmark.lnk");
    for (const std::wstring& name : ListFolder(groupFolder))
        if (name.size() > 4 && name.substr(name.size() - 4) == L".lnk")
            ListShortcut(groupFolder + L"\\" + name);

    Print(L"\nSettings file " + folder + L"\\Quillmark.ini:\n");
    std::fwrite(settings.data(), 1, settings.size(), stdout);
    return 0;
}
