// The installation from the first window to the final message, in its one
// order. It reaches the system through the platform's ports and the user
// through the two interfaces below, so that the tests run it as Windows does.
#pragma once

#include <string>

#include "shell/LaunchIcons.h"

class Progress;
struct Setup;

// How the install-folder dialog ended.
enum class FolderAnswer {
    accepted,   // with its accepting button
    cancelled,  // any other way the user ended it
    notShown,   // the system could not make it: no choice of the user's
};

// What the two dialogs answer.
class SetupDialogs {
public:
    virtual ~SetupDialogs() = default;
    // Proposes a folder below folder and lets the user change it; folder
    // becomes the text the user left, whatever the ending. Once accepted, the
    // dialog is hidden for the rest of the run.
    virtual FolderAnswer AskInstallFolder(std::string& folder) = 0;
    // The program group and the desktop choice; the dialog has no cancelling
    // ending, and it is hidden before this returns.
    virtual LaunchIconAnswers AskLaunchIcons() = 0;
};

// What the user is shown besides the dialogs, and what the shell is told.
class SetupScreen {
public:
    virtual ~SetupScreen() = default;
    // The progress window, made at the first call.
    virtual Progress& ProgressDisplay() = 0;
    // A message with one OK button, in front of the progress window while it
    // is open: the run failed. Returns once the user dismissed it.
    virtual void Warn(const std::string& text) = 0;
    // The same for the run's end.
    virtual void Inform(const std::string& text) = 0;
    // The file types' icons and open commands show without waiting for the
    // shell's cache to expire.
    virtual void FileTypesChanged() = 0;
};

// Runs the installation once; answers the process's exit code.
int RunMainSequence(Setup& setup, SetupDialogs& dialogs, SetupScreen& screen);
