// The setup's windows on Windows: the two dialogs, the progress window and
// the prompts. Each window is made when the sequence first needs it and lives
// until this object goes, and they go in reverse order of construction:
// launch-icons dialog, progress window, install-folder dialog.
#pragma once

#include <optional>
#include <string>

#include "app/MainSequence.h"
#include "app/SelectFolder.h"
#include "app/SelectFolderGroup.h"
#include "ui/ProgressWindow.h"

class SetupWindows : public SetupDialogs, public SetupScreen {
public:
    // Sets the process's language and standard font, before any window exists.
    SetupWindows(Gui& gui, Platform& platform);
    ~SetupWindows() override;

    FolderAnswer AskInstallFolder(std::string& folder) override;
    LaunchIconAnswers AskLaunchIcons() override;

    Progress& ProgressDisplay() override;
    void Warn(const std::string& text) override;
    void Inform(const std::string& text) override;
    void FileTypesChanged() override;

private:
    Gui& gui_;
    Platform& platform_;
    std::optional<SelectFolder> selectFolder_;
    std::optional<ProgressWindow> progress_;
    std::optional<SelectFolderGroup> selectFolderGroup_;
};
