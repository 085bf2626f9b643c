// Drives the real setup from a test program running in the same Wine prefix
// and on the same virtual desktop: starts it, finds its windows, presses their
// buttons, reads its message boxes, waits for its exit code.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "win32/Handles.h"

namespace driver {

// Paths of the build, handed in by the build as Unix paths, as Wine sees them.
std::wstring FromUnixPath(const std::string& unixPath);
std::wstring SetupExe();          // the setup under test
std::wstring ProductFolder();     // the product files it carries
std::wstring ScreenshotFolder();  // where tests keep pictures of the windows they saw

// The system the tests run on, as every process of it is told.
bool OnA64BitSystem();                          // whatever this process's own kind
std::wstring Environment(const wchar_t* name);  // empty when unset
// The folder of 32-bit programs as the environment names it to every process
// (ProgramFiles(x86) on a 64-bit system).
std::wstring ProgramFilesOf32BitPrograms();
// Windows' own key of HKEY_LOCAL_MACHINE that holds ProgramFilesDir.
extern const wchar_t kCurrentVersionKey[];
// The program-files folder as the setup reads it: ProgramFilesDir in the view
// of its machine-wide keys. Windows keeps it equal to the one above; tests
// change it to move where the setup proposes to install.
std::wstring ProgramFilesDirInRegistry();
// The install folder that the setup proposes: the product's folder in that one.
std::wstring DefaultInstallFolder();

class Process {
public:
    // Starts exe with arguments; extraEnv adds to (or replaces in) this
    // process's environment (Wine takes WINEDEBUG and WINEDLLOVERRIDES from it).
    static Process Start(const std::wstring& exe, const std::wstring& arguments = L"",
                         const std::map<std::wstring, std::wstring>& extraEnv = {});

    bool Started() const { return handle_.Valid(); }
    DWORD Id() const { return id_; }
    // The exit code, or STILL_ACTIVE when the process did not end in time
    // (it is then killed, so that one test cannot block the next). A timeout
    // of 0 only asks: a running process is left running.
    DWORD WaitForExit(DWORD timeoutMs = 30000);

private:
    KernelHandle handle_;
    DWORD id_ = 0;
};

// A visible top-level window of the process whose class and/or title match
// (an empty string matches anything); nullptr when none appeared in time.
HWND WaitForWindow(const Process& p, const std::wstring& windowClass, const std::wstring& title,
                   DWORD timeoutMs = 20000);
// A message box of the process (a "#32770" dialog with a message text).
HWND WaitForMessageBox(const Process& p, DWORD timeoutMs = 20000);

std::wstring WindowText(HWND hwnd);
std::wstring MessageBoxText(HWND box);
// Presses a button of a dialog by its control id (IDOK...) as a click would.
void PressButton(HWND dialog, int id);

// Whether window is or becomes the foreground window in time.
bool WaitForForeground(HWND window, DWORD timeoutMs = 10000);

// Controls of another process's window.
// The first child, at any depth, of that class whose text matches (empty: any).
HWND FindControl(HWND parent, const std::wstring& windowClass, const std::wstring& text = L"");
// Every child of that class, at any depth, in z-order.
std::vector<HWND> FindControls(HWND parent, const std::wstring& windowClass);
// Clicks a button found by FindControl; posted, like PressButton.
void Click(HWND button);
// Replaces an edit field's text as typing would (one change notification).
void SetText(HWND edit, const std::wstring& text);
// A key pressed and released in the window that has it, as IsDialogMessage sees it.
void PressKey(HWND hwnd, UINT virtualKey);
// The item texts of a list view, in one column (the first by default).
std::vector<std::wstring> ListViewTexts(HWND list, int column = 0);
// The height of a list view's first row in pixels; 0 when it has none.
int ListRowHeight(HWND list);
// Selects one row of a list view as a click would (the list notifies its
// parent); -1 clears the selection of every row.
void SelectListRow(HWND list, int row);

// What a screen reader learns of a window's client area, or of its child
// element `child` (counted from 1), asked as screen readers ask: through
// oleacc, from this process.
struct AccessibleAnswer {
    bool answered = false;  // an object was had for the window
    std::wstring name;
    long role = 0;
    long state = 0;
    std::wstring value;
    long childCount = 0;
};
AccessibleAnswer AskScreenReader(HWND window, long child = 0);

// The events of one kind (EVENT_OBJECT_VALUECHANGE...) that a process raises
// for its windows' client areas while the recorder lives, heard as screen
// readers hear them (out of context). They arrive while this thread waits in
// RunSetup. One recorder at a time.
class WinEventRecorder {
public:
    WinEventRecorder(const Process& process, DWORD event);
    ~WinEventRecorder();
    WinEventRecorder(const WinEventRecorder&) = delete;
    WinEventRecorder& operator=(const WinEventRecorder&) = delete;

    bool Hooked() const { return hook_ != nullptr; }
    int CountFor(HWND window) const;

private:
    static void CALLBACK Heard(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD);
    static WinEventRecorder* recording_;  // the hook's callback has no context of its own

    HWINEVENTHOOK hook_ = nullptr;
    std::vector<HWND> windows_;
};

// The screen's density (LogPixels) for the programs started in its scope,
// which take it when they start; the earlier one, or none, comes back.
class ScreenDensity {
public:
    explicit ScreenDensity(DWORD dpi);
    ~ScreenDensity();
    ScreenDensity(const ScreenDensity&) = delete;
    ScreenDensity& operator=(const ScreenDensity&) = delete;

private:
    DWORD earlier_ = 0;
    bool had_ = false;
};

// Tells a window of another process that it is now on a monitor of dpi, as
// Windows does when the window is dragged there (Wine never does): a
// WM_DPICHANGED whose suggested place lies in that process's memory.
void SendDpiChange(HWND window, int dpi);
// A window's client size (as the first rectangle's right and bottom), then
// where each of its controls is in its client area, in z-order.
std::vector<RECT> LayoutOf(HWND window);

// The install-folder dialog, the first window of the setup.
HWND WaitForInstallFolderDialog(const Process& p, DWORD timeoutMs = 20000);
HWND InstallFolderField(HWND dialog);  // the path field
// The system's folder picker that Browse opens: its current folder's entries,
// and a folder typed into its name field and confirmed.
HWND WaitForFolderPicker(const Process& p, DWORD timeoutMs = 20000);
std::vector<std::wstring> FolderPickerEntries(HWND picker);
void ConfirmFolderInPicker(HWND picker, const std::wstring& folder);

// The windows of a setup run, told apart by their titles.
enum class SetupWindow { InstallFolder, LaunchIcons, Message, Other };

// How a test answers each kind of window; a missing answer is the proposal
// accepted: OK in the install-folder dialog, "&Next >" in the launch-icons
// dialog, OK to a message box. The progress window is never answered.
struct SetupAnswers {
    std::function<void(HWND)> installFolder;
    std::function<void(HWND)> launchIcons;
    std::function<void(HWND)> message;
    // Sees every window just before it is answered (checks, screenshots),
    // and the progress window once when it shows, as SetupWindow::Other.
    std::function<void(SetupWindow, HWND)> seen;
};

// What a run showed and how it ended.
struct SetupRun {
    std::vector<SetupWindow> windows;    // the dialogs and messages, in the order answered
    std::vector<std::wstring> messages;  // texts of the message boxes
    DWORD exitCode = STILL_ACTIVE;       // STILL_ACTIVE: did not end in time (it was killed)

    bool Showed(SetupWindow kind) const;
    // The last message, or empty.
    std::wstring LastMessage() const { return messages.empty() ? L"" : messages.back(); }
};

// The one routine that drives a setup run: answers whatever window the setup
// shows, each once, until the process ends or timeoutMs have passed.
SetupRun RunSetup(Process& setup, const SetupAnswers& answers = {}, DWORD timeoutMs = 120000);
// Starts the setup under test and runs it so.
SetupRun RunSetup(const SetupAnswers& answers = {}, DWORD timeoutMs = 120000);
// Starts it with folder typed into its first dialog and accepted.
SetupRun RunSetupInto(const std::wstring& folder, SetupAnswers answers = {},
                      DWORD timeoutMs = 120000);
// How a run ended: "Done." and 0, or the failure's message and 1.
void ExpectDone(const SetupRun& run);
void ExpectFailed(const SetupRun& run);
// What a completed run leaves in folder: every product file but the settings
// file byte for byte as packed; and the settings file of an update over
// ExampleOldSettingsFile(), the user's values merged, then the program group.
void ExpectProductFiles(const std::wstring& folder);
void ExpectUsersSettingsMerged(const std::wstring& folder, const std::string& group);

// Answers for the install-folder dialog: a folder typed, then OK; or Cancel.
std::function<void(HWND)> TypeInstallFolder(const std::wstring& folder);
std::function<void(HWND)> CancelInstallFolder();
// The proposed folder, as the dialog shows it (empty when there is no field).
std::wstring ProposedInstallFolder(HWND dialog);

// The launch-icons dialog's controls.
HWND LaunchIconsGroupField(HWND dialog);
HWND LaunchIconsList(HWND dialog);
HWND LaunchIconsOption(HWND dialog);

// The window as it is on screen, frame included, saved as a 24-bit BMP file.
bool SaveScreenshot(HWND window, const std::wstring& path);

// Files as the tests check them.
std::optional<std::string> FileBytes(const std::wstring& path);  // nullopt: unreadable
bool WriteBytes(const std::wstring& path, const std::string& data);
// A product file's bytes as packed, by its path in ProductFolder()
// ("Support\\AppIcons.icl"); a file that cannot be read fails the test.
std::string ProductBytes(const std::wstring& relative);
// A copy of the setup, made in folder, in which the packed stream of product
// file `file` (its index in kProductFiles) has one bit flipped halfway: the
// setup finds the damage only when it unpacks that file.
std::wstring DamagedSetupCopy(const std::wstring& folder, int file);
// An existing file opened without sharing, as a running program holds itself:
// nobody else may open it until the handle is closed.
KernelHandle HoldWithoutSharing(const std::wstring& path);
bool Exists(const std::wstring& path);
bool IsFolder(const std::wstring& path);
void RemoveTree(const std::wstring& path);
std::vector<std::wstring> ListFolder(const std::wstring& folder);  // names, without . and ..
// Every path below folder, relative to it ("Support\\AppIcons.icl"), each
// folder before what it holds.
std::vector<std::wstring> ListTree(const std::wstring& folder);
std::wstring TempFolder(const std::wstring& name);  // made empty

}  // namespace driver
