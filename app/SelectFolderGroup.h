// The launch-icons dialog: asks for the program group (typed, or picked from
// the Programs folder's subfolders) and whether a desktop shortcut is wanted,
// then makes the shortcuts and records the group in the default settings.
#pragma once

#include "app/DisplayProgramFolderIcon.h"
#include "app/WithMyInfoOptionLay.h"
#include "shell/LaunchIcons.h"

struct Setup;

class SelectFolderGroup : public WithMyInfoOptionLay<TopWindow> {
public:
    // Builds the dialog, hidden.
    explicit SelectFolderGroup(Setup& setup);

    // Runs the dialog, makes the shortcuts with its answers, records the group
    // and hides the dialog. The close box ends the run like the button.
    void CreateLaunchIcons();

    // Fills and runs the dialog; answers what the user left in it.
    LaunchIconAnswers AskLaunchIcons();

    // The list's action: the cursor moved to another folder.
    void FolderSelected();

protected:
    // The views' zoom, the rows and their picture, for the new density.
    void OnLayoutDpiChanged() override;

private:
    void FillFolderList();

    Setup& setup_;
    DisplayProgramFolderIcon folderIcon_;
};
