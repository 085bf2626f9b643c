#include "driver/Driver.h"

#include <commctrl.h>
#include <oleacc.h>
#include <shellapi.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "driver/ProductNames.h"
#include "support/IniText.h"
#include "support/SettingsExample.h"
#include "win32/ComInit.h"
#include "win32/ComPtr.h"
#include "win32/Handles.h"
#include "win32/Utf.h"
#include "win32/Win32Registry.h"

namespace driver {

std::wstring FromUnixPath(const std::string& unixPath) {
    // Wine's drive Z: is the Unix root.
    std::wstring path = L"Z:" + Widen(unixPath);
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    return path;
}

std::wstring SetupExe() {
    return FromUnixPath(QUILLMARK_SETUP_EXE);
}
std::wstring ProductFolder() {
    return FromUnixPath(QUILLMARK_PRODUCT_FOLDER);
}
std::wstring ScreenshotFolder() {
    const std::wstring folder = FromUnixPath(QUILLMARK_SCREENSHOT_FOLDER);
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

bool OnA64BitSystem() {
    BOOL wow64 = FALSE;
    return sizeof(void*) == 8 || (IsWow64Process(GetCurrentProcess(), &wow64) && wow64);
}

std::wstring Environment(const wchar_t* name) {
    wchar_t buffer[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableW(name, buffer, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::wstring(buffer, n) : std::wstring();
}

std::wstring ProgramFilesOf32BitPrograms() {
    return Environment(OnA64BitSystem() ? L"ProgramFiles(x86)" : L"ProgramFiles");
}

const wchar_t kCurrentVersionKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion";

std::wstring ProgramFilesDirInRegistry() {
    Win32Registry registry;
    return Widen(
        registry.GetString(RegRoot::LocalMachine, Narrow(kCurrentVersionKey), "ProgramFilesDir"));
}

std::wstring DefaultInstallFolder() {
    return ProgramFilesDirInRegistry() + L"\\Quillmark";
}

namespace {

const wchar_t kFolderPickerTitle[] = L"Select directory";
const wchar_t kOk[] = L"O&k";
const wchar_t kNext[] = L"&Next >";
constexpr int kPickerNameField = 1152;  // the file dialog's name field (edt1)
constexpr int kMessageText = 0xFFFF;    // a message box's text (a static without an id)
const wchar_t kDesktopKey[] = L"Control Panel\\Desktop";

std::wstring EnvironmentBlock(const std::map<std::wstring, std::wstring>& extra) {
    std::map<std::wstring, std::wstring> vars;
    wchar_t* block = GetEnvironmentStringsW();
    for (const wchar_t* p = block; *p; p += wcslen(p) + 1) {
        std::wstring entry = p;
        size_t eq = entry.find(L'=', 1);
        if (eq != std::wstring::npos)
            vars[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    FreeEnvironmentStringsW(block);
    for (const auto& [name, value] : extra) vars[name] = value;
    std::wstring out;
    for (const auto& [name, value] : vars) out += name + L"=" + value + L'\0';
    return out + L'\0';
}

BOOL CALLBACK Collect(HWND hwnd, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(hwnd);
    return TRUE;
}

// The visible top-level windows of a process, in z-order.
std::vector<HWND> VisibleWindowsOf(DWORD pid) {
    std::vector<HWND> all, visible;
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&all));
    for (HWND hwnd : all) {
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner == pid && IsWindowVisible(hwnd))
            visible.push_back(hwnd);
    }
    return visible;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[256] = {};
    GetClassNameW(hwnd, name, 256);
    return name;
}

// The first visible window of the process that matches, polled for until timeoutMs have passed.
HWND Poll(const Process& p, const std::function<bool(HWND)>& matches, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    do {
        for (HWND hwnd : VisibleWindowsOf(p.Id()))
            if (matches(hwnd))
                return hwnd;
        Sleep(50);
    } while (GetTickCount64() < end);
    return nullptr;
}

// Memory in another process for the messages whose data is a pointer.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, size_t size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        process_.Reset(
            OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
        if (process_.Valid())
            at_ = static_cast<char*>(
                VirtualAllocEx(process_.Get(), nullptr, size, MEM_COMMIT, PAGE_READWRITE));
    }
    ~RemoteBuffer() {
        if (at_)
            VirtualFreeEx(process_.Get(), at_, 0, MEM_RELEASE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    char* At() const { return at_; }
    bool Write(size_t offset, const void* data, size_t size) {
        return WriteProcessMemory(process_.Get(), at_ + offset, data, size, nullptr);
    }
    bool Read(size_t offset, void* data, size_t size) {
        return ReadProcessMemory(process_.Get(), at_ + offset, data, size, nullptr);
    }

private:
    KernelHandle process_;
    char* at_ = nullptr;
};

// Defined here: the toolchain's copy answered E_NOINTERFACE under Wine.
const IID kIidAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

std::wstring TakeText(BSTR text) {
    std::wstring taken = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
    SysFreeString(text);
    return taken;
}

// Waits, handing on what comes for this thread meanwhile: the events of a
// WinEventRecorder arrive as messages, and Wine drops those not taken.
void WaitPumping(DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
}

SetupWindow KindOf(HWND window) {
    if (GetDlgItem(window, kMessageText))
        return SetupWindow::Message;
    const std::wstring title = WindowText(window);
    if (title == kInstallFolderTitle)
        return SetupWindow::InstallFolder;
    if (title == kLaunchIconsTitle)
        return SetupWindow::LaunchIcons;
    return SetupWindow::Other;
}

// The test's answer to a window of that kind, or else its proposal accepted.
void Answer(const SetupAnswers& answers, SetupWindow kind, HWND window) {
    if (kind == SetupWindow::Other)
        return;  // no step of the run
    // In SetupWindow's order.
    const std::function<void(HWND)>* given[] = {&answers.installFolder, &answers.launchIcons,
                                                &answers.message};
    if (*given[static_cast<int>(kind)])
        (*given[static_cast<int>(kind)])(window);
    else if (kind == SetupWindow::Message)
        PressButton(window, IDOK);
    else
        Click(FindControl(window, L"Button", kind == SetupWindow::InstallFolder ? kOk : kNext));
}

}  // namespace

Process Process::Start(const std::wstring& exe, const std::wstring& arguments,
                       const std::map<std::wstring, std::wstring>& extraEnv) {
    Process p;
    std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    std::wstring env = EnvironmentBlock(extraEnv);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                       CREATE_UNICODE_ENVIRONMENT, env.data(), nullptr, &si, &pi)) {
        KernelHandle thread(pi.hThread);  // not waited for: the process is
        p.handle_.Reset(pi.hProcess);
        p.id_ = pi.dwProcessId;
    }
    return p;
}

DWORD Process::WaitForExit(DWORD timeoutMs) {
    if (!handle_.Valid())
        return STILL_ACTIVE;
    if (timeoutMs == 0 && WaitForSingleObject(handle_.Get(), 0) != WAIT_OBJECT_0)
        return STILL_ACTIVE;  // only asked whether it has ended
    if (WaitForSingleObject(handle_.Get(), timeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(handle_.Get(), 99);
        WaitForSingleObject(handle_.Get(), 5000);
        return STILL_ACTIVE;
    }
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(handle_.Get(), &code);
    return code;
}

HWND WaitForWindow(const Process& p, const std::wstring& windowClass, const std::wstring& title,
                   DWORD timeoutMs) {
    return Poll(
        p,
        [&](HWND hwnd) {
            return (windowClass.empty() || ClassOf(hwnd) == windowClass) &&
                   (title.empty() || WindowText(hwnd) == title);
        },
        timeoutMs);
}

HWND WaitForMessageBox(const Process& p, DWORD timeoutMs) {
    return Poll(
        p, [](HWND hwnd) { return ClassOf(hwnd) == L"#32770" && GetDlgItem(hwnd, kMessageText); },
        timeoutMs);
}

std::wstring WindowText(HWND hwnd) {
    wchar_t text[1024] = {};
    // WM_GETTEXT rather than GetWindowText: it reads controls of other processes too.
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        5000, nullptr);
    return text;
}

std::wstring MessageBoxText(HWND box) {
    return WindowText(GetDlgItem(box, kMessageText));
}

void PressButton(HWND dialog, int id) {
    Click(GetDlgItem(dialog, id));
}

HWND FindControl(HWND parent, const std::wstring& windowClass, const std::wstring& text) {
    for (HWND control : FindControls(parent, windowClass))
        if (text.empty() || WindowText(control) == text)
            return control;
    return nullptr;
}

std::vector<HWND> FindControls(HWND parent, const std::wstring& windowClass) {
    std::vector<HWND> all, found;
    EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&all));
    for (HWND control : all)
        if (ClassOf(control) == windowClass)
            found.push_back(control);
    return found;
}

WinEventRecorder* WinEventRecorder::recording_ = nullptr;

WinEventRecorder::WinEventRecorder(const Process& process, DWORD event) {
    recording_ = this;
    hook_ = SetWinEventHook(event, event, nullptr, &WinEventRecorder::Heard, process.Id(), 0,
                            WINEVENT_OUTOFCONTEXT);
}

WinEventRecorder::~WinEventRecorder() {
    if (hook_)
        UnhookWinEvent(hook_);
    recording_ = nullptr;
}

void CALLBACK WinEventRecorder::Heard(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child,
                                      DWORD, DWORD) {
    if (recording_ && object == OBJID_CLIENT && child == CHILDID_SELF)
        recording_->windows_.push_back(window);
}

int WinEventRecorder::CountFor(HWND window) const {
    return static_cast<int>(std::count(windows_.begin(), windows_.end(), window));
}

AccessibleAnswer AskScreenReader(HWND window, long child) {
    AccessibleAnswer answer;
    const ComInit com;
    ComPtr<IAccessible> object;
    if (FAILED(
            AccessibleObjectFromWindow(window, OBJID_CLIENT, kIidAccessible, object.Receive())) ||
        !object)
        return answer;
    answer.answered = true;
    VARIANT id;
    VariantInit(&id);
    id.vt = VT_I4;
    id.lVal = child;
    BSTR text = nullptr;
    if (object->get_accName(id, &text) == S_OK)
        answer.name = TakeText(text);
    text = nullptr;
    if (object->get_accValue(id, &text) == S_OK)
        answer.value = TakeText(text);
    VARIANT v;
    VariantInit(&v);
    if (SUCCEEDED(object->get_accRole(id, &v)) && v.vt == VT_I4)
        answer.role = v.lVal;
    VariantClear(&v);
    if (SUCCEEDED(object->get_accState(id, &v)) && v.vt == VT_I4)
        answer.state = v.lVal;
    VariantClear(&v);
    if (child == CHILDID_SELF)
        object->get_accChildCount(&answer.childCount);
    return answer;
}

void Click(HWND button) {
    // Posted, not sent: a click that opens a modal window would block a send.
    PostMessageW(button, BM_CLICK, 0, 0);
}

void SetText(HWND edit, const std::wstring& text) {
    SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
}

void PressKey(HWND hwnd, UINT virtualKey) {
    PostMessageW(hwnd, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(hwnd, WM_KEYUP, virtualKey, 0xC0000001);
}

std::vector<std::wstring> ListViewTexts(HWND list, int column) {
    std::vector<std::wstring> texts;
    constexpr size_t kChars = 512;
    RemoteBuffer remote(list, sizeof(LVITEMW) + kChars * sizeof(wchar_t));
    if (!remote.At())
        return texts;
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        LVITEMW item{};
        item.iSubItem = column;
        item.cchTextMax = kChars;
        item.pszText = reinterpret_cast<wchar_t*>(remote.At() + sizeof(LVITEMW));
        wchar_t text[kChars] = {};
        if (remote.Write(0, &item, sizeof(item)) &&
            SendMessageW(list, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(remote.At())) >= 0 &&
            remote.Read(sizeof(LVITEMW), text, sizeof(text) - sizeof(wchar_t)))
            texts.push_back(text);
    }
    return texts;
}

int ListRowHeight(HWND list) {
    RemoteBuffer remote(list, sizeof(RECT));
    RECT rect{LVIR_BOUNDS, 0, 0, 0};
    if (!remote.At() || !remote.Write(0, &rect, sizeof(rect)) ||
        !SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(remote.At())) ||
        !remote.Read(0, &rect, sizeof(rect)))
        return 0;
    return rect.bottom - rect.top;
}

void SelectListRow(HWND list, int row) {
    RemoteBuffer remote(list, sizeof(LVITEMW));
    if (!remote.At())
        return;
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = row >= 0 ? LVIS_SELECTED | LVIS_FOCUSED : 0;
    if (remote.Write(0, &item, sizeof(item)))
        SendMessageTimeoutW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                            reinterpret_cast<LPARAM>(remote.At()), SMTO_ABORTIFHUNG, 5000, nullptr);
}

ScreenDensity::ScreenDensity(DWORD dpi) {
    DWORD size = sizeof(earlier_);
    had_ = RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", RRF_RT_REG_DWORD, nullptr,
                        &earlier_, &size) == ERROR_SUCCESS;
    RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", REG_DWORD, &dpi, sizeof(dpi));
}

ScreenDensity::~ScreenDensity() {
    if (had_)
        RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", REG_DWORD, &earlier_,
                        sizeof(earlier_));
    else
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels");
}

void SendDpiChange(HWND window, int dpi) {
    RECT place{};
    GetWindowRect(window, &place);
    RemoteBuffer remote(window, sizeof(place));
    if (remote.At() && remote.Write(0, &place, sizeof(place)))
        SendMessageTimeoutW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                            reinterpret_cast<LPARAM>(remote.At()), SMTO_ABORTIFHUNG, 5000, nullptr);
}

std::vector<RECT> LayoutOf(HWND window) {
    std::vector<RECT> layout(1);
    GetClientRect(window, &layout[0]);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        layout.push_back(r);
    }
    return layout;
}

HWND WaitForInstallFolderDialog(const Process& p, DWORD timeoutMs) {
    return WaitForWindow(p, L"", kInstallFolderTitle, timeoutMs);
}

HWND InstallFolderField(HWND dialog) {
    return FindControl(dialog, L"Edit");
}

HWND WaitForFolderPicker(const Process& p, DWORD timeoutMs) {
    return WaitForWindow(p, L"#32770", kFolderPickerTitle, timeoutMs);
}

std::vector<std::wstring> FolderPickerEntries(HWND picker) {
    // The folder's entries are listed a moment after the picker appears.
    std::vector<std::wstring> entries;
    const ULONGLONG end = GetTickCount64() + 5000;
    do {
        if (HWND list = FindControl(picker, L"SysListView32"))
            entries = ListViewTexts(list);
        if (!entries.empty())
            break;
        Sleep(100);
    } while (GetTickCount64() < end);
    return entries;
}

void ConfirmFolderInPicker(HWND picker, const std::wstring& folder) {
    SetText(GetDlgItem(picker, kPickerNameField), folder);
    PressButton(picker, IDOK);
}

bool SetupRun::Showed(SetupWindow kind) const {
    return std::find(windows.begin(), windows.end(), kind) != windows.end();
}

bool WaitForForeground(HWND window, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (GetForegroundWindow() != window && GetTickCount64() < end) WaitPumping(50);
    return GetForegroundWindow() == window;
}

SetupRun RunSetup(Process& setup, const SetupAnswers& answers, DWORD timeoutMs) {
    SetupRun run;
    // A window answered once is not answered again, also while it is still
    // seen closing; a handle can be reused for a later window only after
    // this one is destroyed, which is checked below.
    std::vector<HWND> answered;
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (GetTickCount64() < end) {
        if (setup.WaitForExit(0) != STILL_ACTIVE)
            break;
        answered.erase(
            std::remove_if(answered.begin(), answered.end(), [](HWND h) { return !IsWindow(h); }),
            answered.end());
        const std::vector<HWND> shown = VisibleWindowsOf(setup.Id());
        const auto unanswered = std::find_if(shown.begin(), shown.end(), [&](HWND h) {
            return std::find(answered.begin(), answered.end(), h) == answered.end();
        });
        if (unanswered == shown.end()) {
            WaitPumping(50);
            continue;
        }
        HWND window = *unanswered;
        answered.push_back(window);
        if (WindowText(window) == kProgressTitle) {
            // Shown while the files are unpacked; it asks nothing.
            if (answers.seen)
                answers.seen(SetupWindow::Other, window);
            continue;
        }
        const SetupWindow kind = KindOf(window);
        if (kind == SetupWindow::Message)
            run.messages.push_back(MessageBoxText(window));  // before the box can go
        if (answers.seen)
            answers.seen(kind, window);
        // A window caught before its title was set is no step of the run.
        if (kind != SetupWindow::Other)
            run.windows.push_back(kind);
        Answer(answers, kind, window);
    }
    const ULONGLONG now = GetTickCount64();
    run.exitCode = setup.WaitForExit(static_cast<DWORD>(now < end ? end - now : 0) + 1000);
    return run;
}

SetupRun RunSetup(const SetupAnswers& answers, DWORD timeoutMs) {
    Process setup = Process::Start(SetupExe());
    if (!setup.Started())
        return {};
    return RunSetup(setup, answers, timeoutMs);
}

SetupRun RunSetupInto(const std::wstring& folder, SetupAnswers answers, DWORD timeoutMs) {
    answers.installFolder = TypeInstallFolder(folder);
    return RunSetup(answers, timeoutMs);
}

void ExpectDone(const SetupRun& run) {
    EXPECT_EQ(run.LastMessage(), kDone);
    EXPECT_EQ(run.exitCode, 0u);
}

void ExpectFailed(const SetupRun& run) {
    EXPECT_EQ(run.LastMessage(), kFailed);
    EXPECT_EQ(run.exitCode, 1u);
}

void ExpectProductFiles(const std::wstring& folder) {
    for (int i = 0; i < static_cast<int>(std::size(kProductFiles)); ++i) {
        if (i == kSettingsFile)
            continue;  // merged with the user's settings at the end
        EXPECT_TRUE(FileBytes(folder + L"\\" + kProductFiles[i]) == ProductBytes(kProductFiles[i]))
            << Narrow(kProductFiles[i]);
    }
}

void ExpectUsersSettingsMerged(const std::wstring& folder, const std::string& group) {
    const std::optional<std::string> written = FileBytes(folder + L"\\Quillmark.ini");
    ASSERT_TRUE(written);
    EXPECT_EQ(CrLfLines(*written), ExampleMergedLines(Narrow(folder), group)) << *written;
}

std::function<void(HWND)> TypeInstallFolder(const std::wstring& folder) {
    return [folder](HWND dialog) {
        SetText(InstallFolderField(dialog), folder);
        Click(FindControl(dialog, L"Button", kOk));
    };
}

std::function<void(HWND)> CancelInstallFolder() {
    return [](HWND dialog) { Click(FindControl(dialog, L"Button", L"&Cancel")); };
}

std::wstring ProposedInstallFolder(HWND dialog) {
    HWND field = InstallFolderField(dialog);
    return field ? WindowText(field) : std::wstring();
}

HWND LaunchIconsGroupField(HWND dialog) {
    return FindControl(dialog, L"Edit");
}
HWND LaunchIconsList(HWND dialog) {
    return FindControl(dialog, L"SysListView32");
}
HWND LaunchIconsOption(HWND dialog) {
    return FindControl(dialog, L"Button", L"Desktop quick launch icon.");
}

bool SaveScreenshot(HWND window, const std::wstring& path) {
    RECT r{};
    if (!GetWindowRect(window, &r) || r.right <= r.left || r.bottom <= r.top)
        return false;
    const int width = r.right - r.left, height = r.bottom - r.top;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;  // bottom-up, as BMP files keep their rows
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const DWORD stride = (DWORD(width) * 3 + 3) & ~3u;
    std::string pixels(size_t(stride) * height, '\0');
    const WindowDc screen = DcOfWindow(nullptr);
    const MemoryDc memory(CreateCompatibleDC(screen.Get()));
    const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    {
        // GetDIBits wants the bitmap selected into no context.
        const Selection copy = SelectInto(memory.Get(), bitmap.Get());
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), r.left, r.top, SRCCOPY);
    }
    const int rows = GetDIBits(memory.Get(), bitmap.Get(), 0, height, pixels.data(),
                               reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    if (rows != height)
        return false;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + DWORD(pixels.size());
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
    bytes.append(reinterpret_cast<const char*>(&header), sizeof(header));
    return WriteBytes(path, bytes + pixels);
}

std::optional<std::string> FileBytes(const std::wstring& path) {
    KernelHandle f(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr));
    LARGE_INTEGER size{};
    if (!f.Valid() || !GetFileSizeEx(f.Get(), &size))
        return std::nullopt;
    std::string data(static_cast<size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (!data.empty() &&
        (!::ReadFile(f.Get(), &data[0], static_cast<DWORD>(data.size()), &got, nullptr) ||
         got != data.size()))
        return std::nullopt;
    return data;
}

bool WriteBytes(const std::wstring& path, const std::string& data) {
    KernelHandle f(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD put = 0;
    return f.Valid() &&
           WriteFile(f.Get(), data.data(), static_cast<DWORD>(data.size()), &put, nullptr) &&
           put == data.size();
}

std::string ProductBytes(const std::wstring& relative) {
    const std::optional<std::string> data = FileBytes(ProductFolder() + L"\\" + relative);
    if (!data)
        ADD_FAILURE() << "cannot read the product's " << Narrow(relative);
    return data.value_or("");
}

std::wstring DamagedSetupCopy(const std::wstring& folder, int file) {
    std::string exe = FileBytes(SetupExe()).value_or("");
    const std::string stream = FileBytes(FromUnixPath(QUILLMARK_STREAM_FOLDER) + L"\\stream" +
                                         std::to_wstring(file) + L".bz2")
                                   .value_or("");
    const size_t at = stream.empty() ? std::string::npos : exe.find(stream);
    EXPECT_NE(at, std::string::npos) << "the stream of file " << file << " in the setup";
    if (at != std::string::npos)
        exe[at + stream.size() / 2] = static_cast<char>(exe[at + stream.size() / 2] ^ 0x08);
    const std::wstring copy = folder + L"\\QuillmarkSetup.exe";
    EXPECT_TRUE(WriteBytes(copy, exe));
    return copy;
}

KernelHandle HoldWithoutSharing(const std::wstring& path) {
    return KernelHandle(
        CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::wstring& path) {
    DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

void RemoveTree(const std::wstring& path) {
    if (!IsFolder(path)) {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
        return;
    }
    for (const std::wstring& name : ListFolder(path)) RemoveTree(path + L"\\" + name);
    RemoveDirectoryW(path.c_str());
}

std::vector<std::wstring> ListFolder(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW fd;
    FindHandle search(FindFirstFileW((folder + L"\\*").c_str(), &fd));
    if (!search.Valid())
        return names;
    do {
        std::wstring name = fd.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(name);
    } while (FindNextFileW(search.Get(), &fd));
    return names;
}

std::vector<std::wstring> ListTree(const std::wstring& folder) {
    std::vector<std::wstring> paths;
    for (const std::wstring& name : ListFolder(folder)) {
        paths.push_back(name);
        for (const std::wstring& below : ListTree(folder + L"\\" + name))
            paths.push_back(name + L"\\" + below);
    }
    return paths;
}

std::wstring TempFolder(const std::wstring& name) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"quillmark-tests\\" + name;
    RemoveTree(folder);
    CreateDirectoryW((std::wstring(temp) + L"quillmark-tests").c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

}  // namespace driver
