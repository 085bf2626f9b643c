// The journal of one run of the setup: a small file in the install folder,
// held open while the run goes on, that says how far the run got. A later run
// that finds it no longer held knows that the run has ended, and whether the
// earlier files it kept aside are to come back or to go.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/FileSystem.h"
#include "base/RunNames.h"

class RunJournal {
public:
    RunJournal(FileSystem& fs, RunNames names) : fs_(fs), names_(std::move(names)) {}
    // Removes the journal, unless the run leaves something for the next run.
    ~RunJournal();
    RunJournal(const RunJournal&) = delete;
    RunJournal& operator=(const RunJournal&) = delete;

    const RunNames& Names() const { return names_; }
    bool IsOpen() const { return held_ != nullptr; }

    // Starts the journal in folder (ending with a backslash), before the run
    // makes any file of its own there.
    OsResult Open(const std::string& folder);
    // Every new file is in place: what the run kept aside is to go now.
    OsResult NoteCommitted();
    // Something of this run's is left that only the next run can finish.
    void NoteLeftovers() { leftovers_ = true; }
    // Lets the journal go now: removed when nothing is left, kept for the
    // next run otherwise.
    void Close();

private:
    FileSystem& fs_;
    RunNames names_;
    std::string path_;
    std::unique_ptr<HeldFile> held_;
    bool leftovers_ = false;
};

// What the journal says of a run that has ended.
enum class EndedRunState {
    staged,     // it never had every new file in place: its kept files come back
    committed,  // it had: its kept files go
    unknown,    // no journal, or an earlier setup's names without ids
};

// Finishes what ended runs left in the folders (each ending with a backslash;
// the first holds the journals) before a new run stages anything: an earlier
// file that only a leftover still holds is put back under its own name, and
// what is no longer needed goes. A run whose journal is still held is running:
// nothing of its is touched, and so is nothing of own. Fails with the leftover
// that could not be dealt with, in failedPath.
OsResult FinishEndedRuns(FileSystem& fs, const std::vector<std::string>& folders,
                         const RunNames& own, std::string& failedPath);
