#include "win32/ShellLink.h"

#include <windows.h>
#include <shlobj.h>

#include "win32/ComInit.h"
#include "win32/ComPtr.h"
#include "base/Path.h"
#include "win32/Utf.h"
#include "win32/Win32Result.h"

namespace {

// The save takes the path in a buffer of this many characters, terminator included.
constexpr size_t kLinkPathBuffer = MAX_PATH;

// Only the outcome of the save counts: the link object takes any text for its
// fields, and a field it refuses leaves a shortcut that still opens the target.
void SetFields(IShellLinkW& link, const ShortcutRequest& request) {
    // The link object resolves the target to a file when it is set, and a
    // doubled backslash (an install folder typed with a trailing one) can
    // resolve to another file than the one the path names.
    link.SetPath(Widen(CollapseSeparators(request.target)).c_str());
    link.SetArguments(Widen(request.arguments).c_str());
    link.SetDescription(Widen(request.description).c_str());
    if (std::optional<IconLocation> icon = IconLocationOf(request))
        link.SetIconLocation(Widen(icon->path).c_str(), icon->index);
}

HRESULT Save(IShellLinkW& link, const std::wstring& path) {
    ComPtr<IPersistFile> file;
    HRESULT hr = link.QueryInterface(IID_IPersistFile, file.Receive());
    if (FAILED(hr))
        return hr;
    wchar_t buffer[kLinkPathBuffer] = {};
    path.copy(buffer, kLinkPathBuffer - 1);
    return file->Save(buffer, TRUE);
}

}  // namespace

OsResult CreateShellLink(const ShortcutRequest& request) {
    // A path that does not fit whole, or that a NUL would cut short, would
    // save the shortcut somewhere else than asked.
    const std::wstring path = Widen(request.linkPath);
    if (path.size() >= kLinkPathBuffer)
        return OsResult::Failed(ERROR_FILENAME_EXCED_RANGE);
    if (path.find(L'\0') != std::wstring::npos)
        return OsResult::Failed(ERROR_INVALID_NAME);

    ComInit com;
    ComPtr<IShellLinkW> link;
    const OsResult made = ResultOf(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                                    IID_IShellLinkW, link.Receive()));
    if (!made)
        return made;
    SetFields(*link.Get(), request);
    return ResultOf(Save(*link.Get(), path));
}

OsResult Win32ShortcutWriter::Write(const ShortcutRequest& request) {
    return CreateShellLink(request);
}
