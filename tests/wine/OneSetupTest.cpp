// One setup at a time: a setup started while another runs changes nothing,
// shows the running one and ends with its own exit code.
#include <gtest/gtest.h>

#include "app/OneSetupAtATime.h"
#include "driver/Driver.h"
#include "driver/ProductNames.h"

using namespace driver;

namespace {

constexpr DWORD kAnotherSetupRuns = 2;

// Cancels a setup at its first dialog and checks that it ended as cancelled.
void CancelAtFirstDialog(Process& setup, HWND dialog) {
    CancelInstallFolder()(dialog);
    EXPECT_EQ(setup.WaitForExit(), 0u);
}

// A second setup, started while a window of the test's own is in front, ends
// at once and brings what the running setup shows to the front.
void ExpectASecondStartShows(HWND shown) {
    const HWND own = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                     100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(own);
    EXPECT_TRUE(WaitForForeground(own));
    Process second = Process::Start(SetupExe());
    EXPECT_EQ(second.WaitForExit(20000), kAnotherSetupRuns);
    EXPECT_TRUE(WaitForForeground(shown)) << "the running setup's window is not in front";
    DestroyWindow(own);
}

TEST(OneSetupAtATime, ASecondSetupEndsAtOnceAndTheFirstGoesOn) {
    Process first = Process::Start(SetupExe());
    const HWND dialog = WaitForInstallFolderDialog(first);
    ASSERT_NE(dialog, nullptr);

    // Twice: a refused setup must leave the claim with the one that runs.
    for (int i = 0; i < 2; ++i) ExpectASecondStartShows(dialog);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(first.WaitForExit(0), STILL_ACTIVE);
    CancelAtFirstDialog(first, dialog);

    // Once it has ended, the next setup runs as usual.
    Process next = Process::Start(SetupExe());
    const HWND nextDialog = WaitForInstallFolderDialog(next);
    ASSERT_NE(nextDialog, nullptr);
    CancelAtFirstDialog(next, nextDialog);
}

// At "Done." the setup's own windows are hidden: the prompt is the system's.
TEST(OneSetupAtATime, ASecondStartBringsTheDonePromptToTheFront) {
    const std::wstring folder = TempFolder(L"one-setup");
    SetupAnswers answers;
    answers.message = [](HWND box) {
        ExpectASecondStartShows(box);
        PressButton(box, IDOK);
    };
    EXPECT_EQ(RunSetupInto(folder + L"\\Quillmark", answers).LastMessage(), kDone);
    RemoveTree(folder);
}

// Earlier versions' claim, taken by a program that is no setup, stops none
// unless the system keeps no administrators' namespace (Wine 8).
TEST(OneSetupAtATime, TheOldClaimTakenByAnotherProgram) {
    const bool inNamespace = ClaimTheOnlySetup().space.Valid();
    const KernelHandle taken(CreateMutexW(nullptr, FALSE, kGlobalClaimName));
    SetupAnswers answers;
    answers.installFolder = CancelInstallFolder();
    const SetupRun run = RunSetup(answers);
    EXPECT_EQ(run.Showed(SetupWindow::InstallFolder), inNamespace);
    EXPECT_EQ(run.exitCode, inNamespace ? 0u : kAnotherSetupRuns);
}

TEST(OneSetupAtATime, OfTwoStartedTogetherExactlyOneRuns) {
    Process setups[] = {Process::Start(SetupExe()), Process::Start(SetupExe())};
    int refused = -1;
    for (DWORD waited = 0; refused < 0 && waited < 20000; waited += 50) {
        for (int i = 0; i < 2; ++i)
            if (setups[i].WaitForExit(0) == kAnotherSetupRuns)
                refused = i;
        Sleep(50);
    }
    ASSERT_GE(refused, 0) << "neither setup was refused";
    Process& running = setups[1 - refused];
    const HWND dialog = WaitForInstallFolderDialog(running);
    ASSERT_NE(dialog, nullptr);
    CancelAtFirstDialog(running, dialog);
}

}  // namespace
