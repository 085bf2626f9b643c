#include "app/Setup.h"

#include "app/AppImg.h"
#include "app/SelectFolder.h"
#include "app/SelectFolderGroup.h"
#include "base/ProductNames.h"
#include "package/Extract.h"
#include "package/FileGroup.h"
#include "settings/SettingsFile.h"
#include "shell/ProductFileTypes.h"
#include "win32/ShellNotify.h"
#include "shell/Uninstall.h"
#include "ui/Gui.h"
#include "ui/ProgressWindow.h"
#include "ui/Prompt.h"

namespace {

const char kDone[] = "Done.";
const char kExtractionFailed[] = "Error. Installation package demaged !";

// Before any window exists: English texts (UTF-8 throughout) and the standard font.
void SelectProcessSettings(Gui& gui) {
    gui.SetLanguage("EN-US");
    gui.SetStandardFont("Tahoma", 11);
}

// Unpacks the product with a progress window; a file that cannot be written
// is reported here and ends the installation. By then the extraction has put
// back every earlier file, the settings file among them, so that closing the
// setup at the message loses nothing.
bool ExtractProduct(Setup& setup, ProgressWindow& window) {
    ExtractFailure failure;
    if (!ExtractWithProgress(ProductPackage(), setup.installFolder, window, setup.fs, failure)) {
        window.ShowFailure();
        PromptExclamation(kExtractionFailed, &window);
        return false;
    }
    window.Close();
    return true;
}

}  // namespace

int RunMainSequence(Setup& setup) {
    SelectProcessSettings(setup.gui);

    // Every window lives until the sequence returns; they go in reverse order
    // of construction: launch-icons dialog, progress window, install-folder dialog.
    SelectFolder selectFolder(setup);
    if (!selectFolder.AskInstallFolder())
        return kExitCompleted;  // cancelled: nothing is installed, nothing said
    selectFolder.Show(false);

    ReadOldSettings(setup.fs, setup.installFolder, setup.oldSettings);
    ProgressWindow progress(setup.gui);
    progress.SetIcons(SetupWindowIcon(setup.gui.Instance()));
    if (!ExtractProduct(setup, progress))
        return kExitFailed;
    AdoptDefaultSettings(setup.fs, setup.installFolder, setup.oldSettings, setup.defaultSettings);

    RegisterUninstall(setup.registry, setup.installFolder + kProgramTail, kProductName,
                      std::string(" ") + kUninstallSwitch);

    SelectFolderGroup selectFolderGroup(setup);
    selectFolderGroup.CreateLaunchIcons();

    // After the launch icons, so that the program group they recorded is written too.
    WriteSettings(setup.fs, setup.installFolder, setup.defaultSettings);

    RegisterProductFileTypes(setup.registry, setup.installFolder + kProgramTail);
    NotifyAssociationsChanged();

    PromptOK(kDone);
    return kExitCompleted;
}
