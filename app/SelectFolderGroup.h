// The launch-icons dialog: asks for the program group (typed, or picked from
// the Programs folder's subfolders) and whether a desktop shortcut is wanted.
#pragma once

#include "app/DisplayProgramFolderIcon.h"
#include "app/WithMyInfoOptionLay.h"
#include "shell/LaunchIcons.h"

class SelectFolderGroup : public WithMyInfoOptionLay<TopWindow> {
public:
    // Builds the dialog, hidden; the folders it lists are platform's.
    SelectFolderGroup(Gui& gui, Platform& platform);

    // Fills and runs the dialog, then hides it; answers what the user left in
    // it. The close box ends the run like the button.
    LaunchIconAnswers AskLaunchIcons();

    // The list's action: the cursor moved to another folder.
    void FolderSelected();

protected:
    // The views' zoom, the rows and their picture, for the new density.
    void OnLayoutDpiChanged() override;

private:
    void FillFolderList();

    Gui& gui_;
    Platform& platform_;
    DisplayProgramFolderIcon folderIcon_;
};
