#include "InstallationListing.h"

#include <cstdio>
#include <optional>

#include "LinkFile.h"
#include "RegistryValues.h"
#include "RunLeftovers.h"
#include "app/ProgramFilesFolder.h"
#include "driver/Driver.h"
#include "driver/ProductNames.h"
#include "support/ExpectedFileTypes.h"
#include "win32/RegistryView.h"
#include "win32/Utf.h"
#include "win32/Win32Registry.h"

using namespace driver;

namespace {

// A registry text without the terminator it is stored with; empty when missing.
std::wstring Text(HKEY root, const std::wstring& key, const std::wstring& name, REGSAM view) {
    std::optional<RawValue> v = ReadRawValueInView(root, key, name, view);
    return v ? std::wstring(v->text.c_str()) : std::wstring();
}

class Listing {
public:
    explicit Listing(std::string& out) : out_(out) {}

    Listing& operator<<(const std::wstring& text) {
        out_ += Narrow(text);
        return *this;
    }

    void Files(const std::wstring& folder) {
        for (const std::wstring& path : ListTree(folder)) {
            if (IsFolder(folder + L"\\" + path))
                continue;
            char size[24];
            std::snprintf(size, sizeof size, "  %10zu  ",
                          FileBytes(folder + L"\\" + path).value_or("").size());
            out_ += size;
            *this << path + L"\n";
        }
    }

    // The keys the setup writes, with the values it writes there: the
    // uninstall entry's, and the default value of each document type's key.
    void Registry(REGSAM machineView) {
        Key(L"HKLM", HKEY_LOCAL_MACHINE, kUninstallKey, {L"DisplayName", L"UninstallString"},
            machineView);
        for (const auto& [key, text] : ExpectedFileTypeValues(""))
            Key(L"HKCR", HKEY_CLASSES_ROOT, Widen(key), {L""}, 0);
    }

    void Key(const wchar_t* rootName, HKEY root, const std::wstring& key,
             std::initializer_list<const wchar_t*> names, REGSAM view) {
        const std::wstring where = std::wstring(L"  ") + rootName + L"\\" + key;
        if (!KeyExistsInView(root, key, view)) {
            *this << where + L": missing\n";
            return;
        }
        for (const wchar_t* name : names)
            *this << where + L"  " + (*name ? name : L"(default)") + L" = " +
                         Text(root, key, name, view) + L"\n";
    }

    void Shortcut(const std::wstring& path) {
        std::optional<LinkFields> link = LoadLink(path);
        if (!link)
            return;
        *this << L"  " + path + L"\n    target:      " + link->target + L"\n    arguments:   " +
                     link->arguments + L"\n    icon:        " + link->iconPath + L"," +
                     std::to_wstring(link->iconIndex) + L"\n    description: " + link->description +
                     L"\n";
    }

private:
    std::string& out_;
};

// The group the settings file records, relative to the Programs folder.
std::wstring RecordedGroup(const std::string& settings) {
    const std::string key = "StartFolderPath=";
    const size_t at = settings.rfind("\r\n" + key);
    if (at == std::string::npos)
        return L"Quillmark";
    const size_t start = at + 2 + key.size();
    return Widen(settings.substr(start, settings.find("\r\n", start) - start));
}

// The install folder of an uninstall command: the folder of its program,
// whose path may stand in quotes; empty when it names no product program.
std::wstring FolderOfCommand(const std::wstring& command) {
    const std::wstring program =
        !command.empty() && command[0] == L'"'
            ? command.substr(1, command.find(L'"', 1) - 1)
            : command.substr(0, command.rfind(std::wstring(L" ") + kUninstallSwitch));
    const std::wstring tail = std::wstring(L"\\") + kProductFiles[0];
    if (program.size() <= tail.size() ||
        program.compare(program.size() - tail.size(), tail.size(), tail) != 0)
        return L"";
    return program.substr(0, program.size() - tail.size());
}

}  // namespace

Installation FindInstallation() {
    const struct {
        REGSAM view;
        const wchar_t* name;
    } views[] = {{KEY_WOW64_32KEY, L"32-bit"}, {KEY_WOW64_64KEY, L"64-bit"}};
    for (const auto& v : views) {
        const std::wstring folder =
            FolderOfCommand(Text(HKEY_LOCAL_MACHINE, kUninstallKey, L"UninstallString", v.view));
        if (!folder.empty())
            return {folder,
                    std::wstring(L"its uninstall entry in the ") + v.name + L" registry view",
                    v.view};
    }
    Win32Registry registry;
    Installation proposed = InstallationIn(Widen(ProgramFilesFolder(registry)) + L"\\Quillmark");
    proposed.foundBy = L"no uninstall entry: the folder the setup proposes";
    return proposed;
}

Installation InstallationIn(const std::wstring& folder) {
    return {folder, L"the folder asked for", ViewOf(HKEY_LOCAL_MACHINE)};
}

bool ListInstallation(const Installation& installation, std::string& listing) {
    const std::wstring& folder = installation.folder;
    Listing out(listing);
    out << L"Installed into " + folder + L" (found by " + installation.foundBy + L")\n\nFiles:\n";
    if (!IsFolder(folder)) {
        out << L"  (no such folder)\n";
        return false;
    }
    out.Files(folder);

    out << L"\nRegistry:\n";
    out.Registry(installation.view);

    const std::optional<std::string> settings = FileBytes(folder + L"\\Quillmark.ini");
    const std::wstring group = RecordedGroup(settings.value_or(""));
    const std::wstring programs = ShellFolderPath(L"Programs");
    const std::wstring groupFolder = group.empty() ? programs : programs + L"\\" + group;
    out << L"\nShortcuts:\n";
    out.Shortcut(ShellFolderPath(L"Desktop") + L"\\Quillmark.lnk");
    for (const std::wstring& name : ListFolder(groupFolder))
        if (name.size() > 4 && name.substr(name.size() - 4) == L".lnk")
            out.Shortcut(groupFolder + L"\\" + name);

    out << L"\nSettings file " + folder + L"\\Quillmark.ini:\n";
    listing += settings.value_or("  (none)\n");
    return true;
}
