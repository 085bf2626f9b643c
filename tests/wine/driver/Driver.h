// Drives the real setup from a test program running in the same Wine prefix
// and on the same virtual desktop: starts it, finds its windows, presses their
// buttons, reads its message boxes, waits for its exit code.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "win/UniqueHandle.h"

namespace driver {

// Paths of the build, handed in by the build as Unix paths, as Wine sees them.
std::wstring FromUnixPath(const std::string& unixPath);
std::wstring SetupExe();       // the setup under test
std::wstring ProductFolder();  // the product files it carries
std::wstring StreamFolder();   // their bzip2 streams, as packed

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
    UniqueHandle handle_;
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

// Files as the tests check them.
bool ReadBytes(const std::wstring& path, std::string& data);
bool WriteBytes(const std::wstring& path, const std::string& data);
bool Exists(const std::wstring& path);
bool IsFolder(const std::wstring& path);
void RemoveTree(const std::wstring& path);
std::vector<std::wstring> ListFolder(const std::wstring& folder);  // names, without . and ..
std::wstring TempFolder(const std::wstring& name);                 // made empty

}  // namespace driver
