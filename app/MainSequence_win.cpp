#include "app/Setup.h"

#include "app/SelectFolder.h"
#include "package/Extract.h"
#include "package/FileGroup.h"
#include "settings/SettingsFile.h"
#include "shell/ProductFileTypes.h"
#include "shell/ShellNotify.h"
#include "shell/Uninstall.h"
#include "win/Gui.h"
#include "win/ProgressWindow.h"
#include "win/Prompt.h"

namespace {

const char kDone[] = "Done.";
const char kExtractionFailed[] = "Error. Installation package demaged !";
const char kProductExeTail[] = "\\Quillmark.exe";

// Before any window exists: English texts (UTF-8 throughout) and the standard font.
void SelectProcessSettings(Gui& gui) {
    gui.SetLanguage("EN-US");
    gui.SetStandardFont("Tahoma", 11);
}

// Unpacks the product with a progress window; a file that cannot be written
// is reported here and ends the installation. By then the extraction has put
// back every earlier file, the settings file among them, so that closing the
// setup at the message loses nothing.
bool ExtractProduct(Setup& setup) {
    ProgressWindow window(setup.gui);
    ExtractFailure failure;
    if (!ExtractWithProgress(ProductPackage(), setup.installFolder, window, setup.fs, failure)) {
        PromptExclamation(kExtractionFailed, &window);
        return false;
    }
    window.Close();
    return true;
}

}  // namespace

int RunMainSequence(Setup& setup) {
    SelectProcessSettings(setup.gui);

    // The dialog stays alive, hidden, until the sequence ends.
    SelectFolder selectFolder(setup);
    if (!selectFolder.AskInstallFolder())
        return kExitCompleted;  // cancelled: nothing is installed, nothing said
    selectFolder.Show(false);

    ReadOldSettings(setup.fs, setup.installFolder, setup.oldSettings);
    if (!ExtractProduct(setup))
        return kExitFailed;
    AdoptDefaultSettings(setup.fs, setup.installFolder, setup.oldSettings, setup.defaultSettings);

    RegisterUninstall(setup.registry, setup.installFolder + kProductExeTail, "Quillmark",
                      " /uninstall");

    WriteSettings(setup.fs, setup.installFolder, setup.defaultSettings);

    RegisterProductFileTypes(setup.registry, setup.installFolder + kProductExeTail);
    NotifyAssociationsChanged();

    PromptOK(kDone);
    return kExitCompleted;
}
