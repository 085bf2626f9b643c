#include "LinkFile.h"

#include <windows.h>
#include <shlobj.h>

#include "win32/ComInit.h"
#include "win32/ComPtr.h"
#include "win32/Handles.h"
#include "win32/Utf.h"

bool operator==(const LinkFields& a, const LinkFields& b) {
    return a.target == b.target && a.arguments == b.arguments && a.description == b.description &&
           a.iconPath == b.iconPath && a.iconIndex == b.iconIndex;
}

std::ostream& operator<<(std::ostream& out, const LinkFields& link) {
    return out << "{" << Narrow(link.target) << " " << Narrow(link.arguments) << ", \""
               << Narrow(link.description) << "\", icon " << Narrow(link.iconPath) << ","
               << link.iconIndex << "}";
}

std::optional<LinkFields> LoadLink(const std::wstring& path) {
    ComInit com;
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                link.Receive())) ||
        FAILED(link->QueryInterface(IID_IPersistFile, file.Receive())) ||
        FAILED(file->Load(path.c_str(), STGM_READ)))
        return std::nullopt;
    wchar_t text[INFOTIPSIZE] = {};
    LinkFields f;
    // The target as the shell starts it: from the item ID list. (Wine's
    // GetPath answers from an ANSI copy it keeps beside it, which loses what
    // the code page cannot hold; Windows keeps that copy in Unicode too.)
    CoTaskMem<ITEMIDLIST> ids;
    if (SUCCEEDED(link->GetIDList(ids.Receive())) && ids.Valid() &&
        SHGetPathFromIDListW(ids.Get(), text))
        f.target = text;
    text[0] = 0;
    link->GetArguments(text, INFOTIPSIZE);
    f.arguments = text;
    text[0] = 0;
    link->GetDescription(text, INFOTIPSIZE);
    f.description = text;
    text[0] = 0;
    link->GetIconLocation(text, MAX_PATH, &f.iconIndex);
    f.iconPath = text;
    return f;
}
