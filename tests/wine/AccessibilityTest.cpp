// What a screen reader hears of every window of a run, asked through oleacc
// as NVDA, Narrator and JAWS ask: one table of names, roles, states and
// values, and the rows of the program-folder list.
#include <oleacc.h>

#include <gtest/gtest.h>

#include <regex>

#include "RunLeftovers.h"
#include "driver/Driver.h"
#include "win32/Utf.h"

using namespace driver;

namespace {

// The setup's own windows and views.
const wchar_t kViewClass[] = L"QuillmarkSetupWindow";

struct Heard {
    SetupWindow window;
    const wchar_t* control;  // its class; empty for the window itself
    size_t index;            // among the window's controls of that class, in z-order
    std::wstring name;
    long role;
    long states;         // at least these
    std::wstring value;  // empty: not checked
};

void ExpectHeard(HWND window, const Heard& expected) {
    HWND target = window;
    if (*expected.control) {
        const std::vector<HWND> controls = FindControls(window, expected.control);
        ASSERT_GT(controls.size(), expected.index);
        target = controls[expected.index];
    }
    const AccessibleAnswer heard = AskScreenReader(target);
    ASSERT_TRUE(heard.answered);
    EXPECT_EQ(heard.name, expected.name);
    EXPECT_EQ(heard.role, expected.role);
    EXPECT_EQ(heard.state & expected.states, expected.states);
    if (!expected.value.empty()) {
        EXPECT_EQ(heard.value, expected.value);
    }
}

class Accessibility : public testing::Test {
protected:
    void SetUp() override {
        folder_ = TempFolder(L"accessibility");
        programs_ = ShellFolderPath(L"Programs");
        ASSERT_FALSE(programs_.empty());
        CreateDirectoryW(programs_.c_str(), nullptr);
        for (const wchar_t* name : {L"Accessories", L"Zed Tools"}) {
            const std::wstring f = programs_ + L"\\" + name;
            if (CreateDirectoryW(f.c_str(), nullptr))
                made_.push_back(f);
        }
    }
    void TearDown() override {
        RemoveRunLeftovers();
        for (const std::wstring& f : made_) RemoveTree(f);
        RemoveTree(folder_);
    }
    std::wstring folder_, programs_;
    std::vector<std::wstring> made_;
};

TEST_F(Accessibility, EveryWindowAnswersItsNameRoleAndValue) {
    const std::wstring info =
        L"Quillmark V 3.90, build 21\n"
        L"Utility for archive Siemens S7 PLC's data in a local file, or write them from local "
        L"file.\n"
        L"Program setup.\n"
        L"Select the installation program path and Click Ok.";
    const std::wstring groupPrompt = L"Select the start program folder group.";
    const Heard table[] = {
        {SetupWindow::InstallFolder, L"", 0, L"Quillmark setup program", ROLE_SYSTEM_DIALOG, 0,
         L""},
        {SetupWindow::InstallFolder, kViewClass, 0, info, ROLE_SYSTEM_STATICTEXT,
         STATE_SYSTEM_READONLY, L""},
        {SetupWindow::InstallFolder, L"Edit", 0, L"Folder:", ROLE_SYSTEM_TEXT, 0,
         DefaultInstallFolder()},
        {SetupWindow::LaunchIcons, L"", 0, L"Zelk - Launch icons", ROLE_SYSTEM_DIALOG, 0, L""},
        {SetupWindow::LaunchIcons, kViewClass, 0, groupPrompt, ROLE_SYSTEM_STATICTEXT,
         STATE_SYSTEM_READONLY, L""},
        {SetupWindow::LaunchIcons, L"Edit", 0, groupPrompt, ROLE_SYSTEM_TEXT, 0, L"Quillmark"},
        {SetupWindow::LaunchIcons, kViewClass, 1,
         L"Do you wish to create a desktop quick launch icon?", ROLE_SYSTEM_STATICTEXT,
         STATE_SYSTEM_READONLY, L""},
    };

    std::map<SetupWindow, int> checked;
    HWND progressWindow = nullptr;
    SetupAnswers answers;
    answers.seen = [&](SetupWindow kind, HWND window) {
        for (const Heard& row : table) {
            if (row.window != kind)
                continue;
            SCOPED_TRACE(Narrow(row.name));
            ExpectHeard(window, row);
            ++checked[kind];
        }
        if (kind == SetupWindow::LaunchIcons) {
            // Each row by its folder's name, as the list shows it.
            HWND list = LaunchIconsList(window);
            const std::vector<std::wstring> names = ListViewTexts(list, 1);
            EXPECT_GE(names.size(), 2u);
            EXPECT_EQ(AskScreenReader(list).childCount, static_cast<long>(names.size()));
            for (size_t i = 0; i < names.size(); ++i) {
                const AccessibleAnswer row = AskScreenReader(list, static_cast<long>(i + 1));
                EXPECT_EQ(row.name, names[i]);
                EXPECT_EQ(row.role, ROLE_SYSTEM_LISTITEM);
                EXPECT_NE(row.state & STATE_SYSTEM_SELECTABLE, 0);
            }
        }
        if (kind == SetupWindow::Other && WindowText(window) == kProgressTitle) {
            // The file being unpacked, and how far the whole is, as shown.
            const AccessibleAnswer progress = AskScreenReader(window);
            EXPECT_EQ(progress.role, ROLE_SYSTEM_PROGRESSBAR);
            EXPECT_NE(progress.state & STATE_SYSTEM_READONLY, 0);
            bool aFile = false;
            for (const wchar_t* file : kProductFiles) {
                const std::wstring path = file;
                aFile = aFile || path.substr(path.find_last_of(L'\\') + 1) == progress.name;
            }
            EXPECT_TRUE(aFile) << Narrow(progress.name);
            EXPECT_TRUE(std::regex_match(progress.value, std::wregex(L"(100|[1-9]?[0-9])%")))
                << Narrow(progress.value);
            progressWindow = window;
        }
    };
    answers.installFolder = TypeInstallFolder(folder_ + L"\\Product");
    Process setup = Process::Start(SetupExe());
    ASSERT_TRUE(setup.Started());
    const WinEventRecorder valueChanges(setup, EVENT_OBJECT_VALUECHANGE);
    ASSERT_TRUE(valueChanges.Hooked());
    const SetupRun run = RunSetup(setup, answers);
    EXPECT_EQ(run.LastMessage(), kDone);
    EXPECT_EQ(checked[SetupWindow::InstallFolder], 3);
    EXPECT_EQ(checked[SetupWindow::LaunchIcons], 4);
    ASSERT_NE(progressWindow, nullptr);
    // Told as the bar moves, as often as it is drawn: at most once a percent.
    const int changes = valueChanges.CountFor(progressWindow);
    EXPECT_GE(changes, 2);
    EXPECT_LE(changes, 101);
}

}  // namespace
