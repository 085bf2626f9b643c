#include "app/Setup.h"

#include "app/AppImg.h"
#include "app/SelectFolder.h"
#include "app/SelectFolderGroup.h"
#include "base/ProductNames.h"
#include "package/Extract.h"
#include "package/FileGroup.h"
#include "package/RunJournal.h"
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
// back every earlier file, so that closing the setup at the message loses
// nothing. The user's settings file is never written over by the package's.
bool ExtractProduct(Setup& setup, ProgressWindow& window, RunJournal& journal,
                    HeldBackFile& settings) {
    if (!ExtractWithProgress(ProductPackage(), setup.installFolder, window, setup.fs, journal,
                             setup.extractFailure, &settings)) {
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
    if (!selectFolder.AskInstallFolder()) {
        // Cancelled: nothing is installed, nothing said. A dialog that could
        // not even be made is no choice of the user's.
        return selectFolder.Created() ? kExitCompleted : kExitFailed;
    }
    selectFolder.Show(false);

    // Held while this run has files of its own beside the product's: a later
    // run keeps its hands off what this one holds, and finishes what it leaves.
    RunJournal journal(setup.fs, setup.run, setup.retries);
    const IniFile old =
        ReadOldSettings(setup.fs, setup.retries, setup.installFolder, setup.oldSettings);
    // On an update the user's file stays in place, byte for byte, until the
    // merged file replaces it at the end: a run stopped in between loses nothing.
    HeldBackFile settings{SettingsFilePath(setup.installFolder), old != IniFile::missing, {}};
    ProgressWindow progress(setup.gui);
    progress.SetIcons(SetupWindowIcon(setup.gui.Instance()));
    if (!ExtractProduct(setup, progress, journal, settings))
        return kExitFailed;
    AdoptDefaultSettings(setup.fs, setup.installFolder, setup.oldSettings, setup.defaultSettings,
                         settings.packageContent);

    RegisterUninstall(setup.registry, setup.installFolder + kProgramTail, kProductName,
                      std::string(" ") + kUninstallSwitch);

    SelectFolderGroup selectFolderGroup(setup);
    selectFolderGroup.CreateLaunchIcons();

    // After the launch icons, so that the program group they recorded is written too.
    // A settings file that could not be read stays as it is: the merge would
    // have put the package's defaults in place of values it never saw.
    if (old != IniFile::unreadable) {
        // The new content is staged under this run's name, which the journal
        // marks as a running one's meanwhile. Written even when the journal
        // cannot be held again: should this run end, the next one removes
        // that file all the same.
        journal.Reopen();
        WriteSettings(setup.fs, setup.retries, setup.installFolder, setup.defaultSettings,
                      setup.run);
        journal.Close();
    }

    RegisterProductFileTypes(setup.registry, setup.installFolder + kProgramTail);
    NotifyAssociationsChanged();

    PromptOK(kDone);
    return kExitCompleted;
}
