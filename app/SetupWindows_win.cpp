#include "app/SetupWindows.h"

#include "app/AppImg.h"
#include "ui/Gui.h"
#include "ui/Prompt.h"
#include "win32/ShellNotify.h"

SetupWindows::SetupWindows(Gui& gui, Platform& platform) : gui_(gui), platform_(platform) {
    // English texts (UTF-8 throughout) and the standard font.
    gui.SetLanguage("EN-US");
    gui.SetStandardFont("Tahoma", 11);
}

// Out of line, so that the entry does not inline the three windows'
// destructors a second time.
SetupWindows::~SetupWindows() = default;

FolderAnswer SetupWindows::AskInstallFolder(std::string& folder) {
    SelectFolder& dialog = selectFolder_.emplace(gui_, folder);
    if (!dialog.AskInstallFolder())
        return dialog.Created() ? FolderAnswer::cancelled : FolderAnswer::notShown;
    dialog.Show(false);
    return FolderAnswer::accepted;
}

LaunchIconAnswers SetupWindows::AskLaunchIcons() {
    return selectFolderGroup_.emplace(gui_, platform_).AskLaunchIcons();
}

Progress& SetupWindows::ProgressDisplay() {
    if (!progress_) {
        progress_.emplace(gui_);
        progress_->SetIcons(SetupWindowIcon(gui_.Instance()));
    }
    return *progress_;
}

void SetupWindows::Warn(const std::string& text) {
    if (progress_)
        progress_->ShowFailure();
    PromptExclamation(text, progress_ ? &*progress_ : nullptr);
}

void SetupWindows::Inform(const std::string& text) {
    PromptOK(text);
}

void SetupWindows::FileTypesChanged() {
    NotifyAssociationsChanged();
}
