// The install-folder dialog: proposes the program-files folder + "\Quillmark",
// lets the user type or pick another, and sets the install folder.
#pragma once

#include <string>

#include "app/WithMySelectFolderLay.h"

class SelectFolder : public WithMySelectFolderLay<TopWindow> {
public:
    // Builds the dialog, hidden, proposing a folder below installFolder, which
    // the dialog sets from then on.
    SelectFolder(Gui& gui, std::string& installFolder);

    // Runs the dialog; the install folder becomes the field's text whatever the
    // ending. True only when the user accepted.
    bool AskInstallFolder();

    // The action of `browse`: the system's folder picker, starting in the install folder.
    void BrowseFolder();

protected:
    void OnLayoutDpiChanged() override;

private:
    std::string Tr(const std::string& key) const;
    void ZoomInfo();

    Gui& gui_;
    std::string& installFolder_;
};
