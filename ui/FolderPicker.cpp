#include "ui/FolderPicker.h"

#include <shlobj.h>
#include <shobjidl.h>

#include "win32/ComInit.h"
#include "win32/ComPtr.h"
#include "win32/Handles.h"
#include "win32/Utf.h"

namespace {

enum class PickOutcome { Chosen, Cancelled, Unavailable };

// The picker of Vista and later.
PickOutcome PickWithItemDialog(HWND owner, const std::wstring& start, const std::wstring& title,
                               std::string& chosen) {
    ComPtr<IFileOpenDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IFileOpenDialog, dialog.Receive())))
        return PickOutcome::Unavailable;
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_NOCHANGEDIR);
    dialog->SetTitle(title.c_str());
    if (!start.empty()) {
        // A start folder that does not exist leaves the picker at its own default place.
        ComPtr<IShellItem> folder;
        if (SUCCEEDED(SHCreateItemFromParsingName(start.c_str(), nullptr, IID_IShellItem,
                                                  folder.Receive())))
            dialog->SetFolder(folder.Get());
    }
    const HRESULT shown = dialog->Show(owner);
    if (shown == HRESULT_FROM_WIN32(ERROR_CANCELLED))
        return PickOutcome::Cancelled;
    if (FAILED(shown))
        return PickOutcome::Unavailable;
    ComPtr<IShellItem> result;
    CoTaskMem<wchar_t> path;
    if (FAILED(dialog->GetResult(reinterpret_cast<IShellItem**>(result.Receive()))) ||
        FAILED(result->GetDisplayName(SIGDN_FILESYSPATH, path.Receive())) || !path.Get())
        return PickOutcome::Cancelled;
    chosen = Narrow(path.Get());
    return PickOutcome::Chosen;
}

struct TreeStart {
    const std::wstring& folder;
    const std::wstring& title;
};

int CALLBACK InitFolderTree(HWND picker, UINT message, LPARAM, LPARAM data) {
    if (message != BFFM_INITIALIZED)
        return 0;
    const auto* start = reinterpret_cast<const TreeStart*>(data);
    // The tree picker shows lpszTitle above the tree; the caption is its own
    // unless set here.
    SetWindowTextW(picker, start->title.c_str());
    if (!start->folder.empty())
        SendMessageW(picker, BFFM_SETSELECTIONW, TRUE,
                     reinterpret_cast<LPARAM>(start->folder.c_str()));
    return 0;
}

// The older tree picker, for systems where the one above cannot be made.
PickOutcome PickWithFolderTree(HWND owner, const std::wstring& start, const std::wstring& title,
                               std::string& chosen) {
    TreeStart init{start, title};
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    info.lpfn = InitFolderTree;
    info.lParam = reinterpret_cast<LPARAM>(&init);
    const CoTaskMem<ITEMIDLIST> item(SHBrowseForFolderW(&info));
    if (!item.Get())
        return PickOutcome::Cancelled;
    // Long paths are not cut at MAX_PATH.
    std::wstring path(32768, L'\0');
    if (!SHGetPathFromIDListEx(item.Get(), path.data(), static_cast<DWORD>(path.size()),
                               GPFIDL_DEFAULT))
        return PickOutcome::Cancelled;
    path.resize(wcslen(path.c_str()));
    chosen = Narrow(path);
    return PickOutcome::Chosen;
}

}  // namespace

bool PickFolder(HWND owner, const std::string& start, const std::string& title,
                std::string& chosen) {
    ComInit com;
    const std::wstring wideStart = Widen(start);
    const std::wstring wideTitle = Widen(title);
    PickOutcome outcome = PickWithItemDialog(owner, wideStart, wideTitle, chosen);
    if (outcome == PickOutcome::Unavailable)
        outcome = PickWithFolderTree(owner, wideStart, wideTitle, chosen);
    return outcome == PickOutcome::Chosen;
}
