// The setup's own main sequence run natively: over the ports the test gives,
// with windows that answer as a user who accepts everything and remember what
// they were shown.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/MainSequence.h"
#include "app/Setup.h"
#include "support/RecordingProgress.h"

class ScriptedSetup : public SetupDialogs, public SetupScreen {
public:
    ScriptedSetup(Platform platform, const std::vector<PackageGroup>& package, std::string folder)
        : platform_(platform), package_(package), folder_(std::move(folder)) {}

    // One run, its own files named by id; answers its exit code.
    int Run(const std::string& id = "0000000A") {
        Setup setup{platform_, package_, RunNames(id), {}};
        progress = {};
        messages.clear();
        const int exitCode = RunMainSequence(setup, *this, *this);
        failure = setup.extractFailure;
        return exitCode;
    }

    // How the user answers.
    FolderAnswer folderAnswer = FolderAnswer::accepted;
    LaunchIconAnswers launchIcons{"Zelk\\Quillmark", true};
    // What the test looks at while the launch-icons dialog waits for the user.
    std::function<void()> atLaunchIcons;

    // What the run showed.
    std::string proposedFolder;
    RecordingProgress progress;
    std::vector<std::string> messages;  // the prompts, in order
    bool fileTypesChanged = false;
    ExtractFailure failure;

private:
    FolderAnswer AskInstallFolder(std::string& folder) override {
        proposedFolder = folder;
        folder = folder_;
        return folderAnswer;
    }
    LaunchIconAnswers AskLaunchIcons() override {
        if (atLaunchIcons)
            atLaunchIcons();
        return launchIcons;
    }
    Progress& ProgressDisplay() override { return progress; }
    void Warn(const std::string& text) override { messages.push_back(text); }
    void Inform(const std::string& text) override { messages.push_back(text); }
    void FileTypesChanged() override { fileTypesChanged = true; }

    Platform platform_;
    const std::vector<PackageGroup>& package_;
    std::string folder_;
};
