// One setup at a time: a setup started while another runs changes nothing,
// shows the running one and ends with its own exit code.
#include <gtest/gtest.h>

#include "driver/Driver.h"

using namespace driver;

namespace {

constexpr DWORD kAnotherSetupRuns = 2;

// Cancels a setup at its first dialog and checks that it ended as cancelled.
void CancelAtFirstDialog(Process& setup, HWND dialog) {
    CancelInstallFolder()(dialog);
    EXPECT_EQ(setup.WaitForExit(), 0u);
}

TEST(OneSetupAtATime, ASecondSetupEndsAtOnceAndTheFirstGoesOn) {
    Process first = Process::Start(SetupExe());
    const HWND dialog = WaitForInstallFolderDialog(first);
    ASSERT_NE(dialog, nullptr);

    // Twice: a refused setup must leave the claim with the one that runs.
    for (int i = 0; i < 2; ++i) {
        Process second = Process::Start(SetupExe());
        EXPECT_EQ(second.WaitForExit(20000), kAnotherSetupRuns);
    }
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(first.WaitForExit(0), STILL_ACTIVE);
    CancelAtFirstDialog(first, dialog);

    // Once it has ended, the next setup runs as usual.
    Process next = Process::Start(SetupExe());
    const HWND nextDialog = WaitForInstallFolderDialog(next);
    ASSERT_NE(nextDialog, nullptr);
    CancelAtFirstDialog(next, nextDialog);
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
