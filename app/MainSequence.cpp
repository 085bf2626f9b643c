#include "app/MainSequence.h"

#include "app/ProgramFilesFolder.h"
#include "app/Setup.h"
#include "base/Progress.h"
#include "base/ProductNames.h"
#include "package/RunJournal.h"
#include "settings/SettingsFile.h"
#include "shell/ProductFileTypes.h"
#include "shell/Uninstall.h"

namespace {

const char kDone[] = "Done.";
const char kExtractionFailed[] = "Error. Installation package demaged !";

// The user's settings are written last, after the launch icons, so that the
// program group they recorded is written too. A settings file that could not
// be read stays as it is: the merge would have put the package's defaults in
// place of values it never saw.
void WriteMergedSettings(Setup& setup, RunJournal& journal, IniFile old) {
    if (old == IniFile::unreadable)
        return;
    // The new content is staged under this run's name, which the journal
    // marks as a running one's meanwhile. Written even when the journal cannot
    // be held again: should this run end, the next one removes that file all
    // the same.
    journal.Reopen();
    WriteSettings(setup.fs, setup.retries, setup.installFolder, setup.defaultSettings, setup.run);
    journal.Close();
}

}  // namespace

int RunMainSequence(Setup& setup, SetupDialogs& dialogs, SetupScreen& screen) {
    setup.installFolder = ProgramFilesFolder(setup.registry);
    const FolderAnswer answer = dialogs.AskInstallFolder(setup.installFolder);
    // Cancelled, nothing is installed and nothing said. A dialog that could
    // not even be made is no choice of the user's.
    if (answer != FolderAnswer::accepted)
        return answer == FolderAnswer::cancelled ? kExitCompleted : kExitFailed;

    // Held while this run has files of its own beside the product's: a later
    // run keeps its hands off what this one holds, and finishes what it leaves.
    RunJournal journal(setup.fs, setup.run, setup.retries);
    const IniFile old =
        ReadOldSettings(setup.fs, setup.retries, setup.installFolder, setup.oldSettings);
    // On an update the user's file stays in place, byte for byte, until the
    // merged file replaces it at the end: a run stopped in between loses nothing.
    PackageSettingsFile settings{
        SettingsFilePath(setup.installFolder), old != IniFile::missing, {}};
    Progress& progress = screen.ProgressDisplay();
    // A file that cannot be written ends the installation. By then every
    // earlier file is back, so that closing the setup at the message loses nothing.
    if (!ExtractWithProgress(setup.package, setup.installFolder, progress, setup.fs, journal,
                             setup.extractFailure, &settings)) {
        screen.Warn(kExtractionFailed);
        return kExitFailed;
    }
    progress.Close();
    AdoptDefaultSettings(setup.fs, setup.installFolder, setup.oldSettings, setup.defaultSettings,
                         settings.packageContent);

    RegisterUninstall(setup.registry, setup.installFolder + kProgramTail, kProductName,
                      std::string(" ") + kUninstallSwitch);
    // The results are not reported: a missing shortcut does not stop the setup.
    CreateLaunchShortcuts(setup, setup.installFolder, dialogs.AskLaunchIcons(),
                          setup.defaultSettings);
    WriteMergedSettings(setup, journal, old);
    RegisterProductFileTypes(setup.registry, setup.installFolder + kProgramTail);
    screen.FileTypesChanged();

    screen.Inform(kDone);
    return kExitCompleted;
}
