// The setup runs elevated, often from a download folder: a DLL placed beside
// it must never be loaded, even one that the system would look for there.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cwctype>
#include <sstream>

#include "driver/Driver.h"
#include "win32/Utf.h"

using namespace driver;

namespace {

// DLLs that are not among the system's known DLLs and that the setup, the
// system libraries it uses or the visual styles might load.
const wchar_t* const kPlantedNames[] = {
    L"comctl32", L"version",   L"uxtheme",
    L"dwmapi",   L"cryptbase", L"winmm",
    L"propsys",  L"profapi",   L"userenv",
    L"sspicli",  L"msimg32",   L"oleacc",
    L"riched20", L"wtsapi32",  L"netapi32",
    L"secur32",  L"dbghelp",   L"bcrypt",
    L"powrprof", L"wldp",      L"textinputframework",
};

std::wstring Lower(std::wstring s) {
    std::transform(s.begin(), s.end(), s.begin(), [](wchar_t c) { return std::towlower(c); });
    return s;
}

TEST(DllPlanting, DllsBesideTheSetupAreNotLoaded) {
    const std::wstring folder = TempFolder(L"planted");
    const std::wstring setupCopy = folder + L"\\QuillmarkSetup.exe";
    ASSERT_TRUE(CopyFileW(SetupExe().c_str(), setupCopy.c_str(), FALSE));
    std::wstring overrides = L"mscoree,mshtml=;winemenubuilder.exe=d;";
    for (const wchar_t* name : kPlantedNames) {
        ASSERT_TRUE(CopyFileW(FromUnixPath(QUILLMARK_PLANTED_DLL).c_str(),
                              (folder + L"\\" + name + L".dll").c_str(), FALSE));
        overrides += std::wstring(name) + L",";
    }
    overrides.back() = L'=';
    overrides += L"n,b";  // Wine would prefer its own copies otherwise

    // Wine writes its loader trace to the Unix standard error that the setup
    // inherits from this test; the test's command sends that to a file.
    const char* trace = getenv("QUILLMARK_LOADER_TRACE");
    ASSERT_NE(trace, nullptr) << "run through ctest, which names the trace file";
    Process setup = Process::Start(setupCopy, L"",
                                   {{L"WINEDLLOVERRIDES", overrides}, {L"WINEDEBUG", L"+loaddll"}});
    ASSERT_TRUE(setup.Started());
    const SetupRun run = RunSetup(setup);
    EXPECT_TRUE(run.Showed(SetupWindow::LaunchIcons));
    ExpectDone(run);

    for (const std::wstring& name : ListFolder(folder))
        EXPECT_EQ(name.find(L".loaded"), std::wstring::npos) << Narrow(name) << " was loaded";

    const std::optional<std::string> log = FileBytes(FromUnixPath(trace));
    ASSERT_TRUE(log);
    EXPECT_NE(log->find("loaddll"), std::string::npos) << "no loader trace was written";
    // Loads from the setup's own folder show its path in the trace.
    int fromSystem = 0;
    std::istringstream lines(*log);
    for (std::string text; std::getline(lines, text);) {
        const std::wstring line = Lower(Widen(text));
        if (line.find(L"loaded") == std::wstring::npos)
            continue;
        if (line.find(L"system32") != std::wstring::npos)
            ++fromSystem;
        if (line.find(L"quillmark-tests") != std::wstring::npos &&
            line.find(L".dll") != std::wstring::npos)
            ADD_FAILURE() << "loaded from beside the setup: " << Narrow(line);
    }
    EXPECT_GT(fromSystem, 0);
}

}  // namespace
