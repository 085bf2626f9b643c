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

class RetryBudget;

class RunJournal {
public:
    // retries: the run's time for waiting on refused steps, which every
    // retried step of the run's files draws on.
    RunJournal(FileSystem& fs, RunNames names, RetryBudget& retries)
        : fs_(fs), names_(std::move(names)), retries_(retries) {}
    // Closes the journal; one kept for the next run is let go, and stays.
    ~RunJournal();
    RunJournal(const RunJournal&) = delete;
    RunJournal& operator=(const RunJournal&) = delete;

    const RunNames& Names() const { return names_; }
    RetryBudget& Retries() const { return retries_; }
    bool IsOpen() const { return held_ != nullptr; }

    // Starts the journal in folder (ending with a backslash), before the run
    // makes any file of its own there.
    OsResult Open(const std::string& folder);
    // Starts it again where it was, for a file of the run's own made after
    // the commit (the settings file's new content, staged): while it is
    // held, another run leaves that file alone. Done when it is still held.
    OsResult Reopen();
    // Every new file is in place: what the run kept aside is to go now.
    OsResult NoteCommitted();
    // Something of this run's is left that only the next run can finish.
    void NoteLeftovers() { leftovers_ = true; }
    // The run has nothing of its own on the disk any more: the journal goes
    // now, so that a run ended later (a logoff at a dialog) leaves none. When
    // something is left, it stays held until the run ends, and then for the
    // next run.
    void Close();

private:
    FileSystem& fs_;
    RunNames names_;
    RetryBudget& retries_;
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

// Finishes what ended runs left before a new run stages anything: an earlier
// file that only a leftover still holds is put back under its own name, and
// what is no longer needed goes. A leftover is a file named for one of
// packageFiles (full paths) in that file's folder, with a run's suffix; the
// journals are in journalFolder (ending with a backslash). Nothing else is
// touched, whatever its name: the install folder may be one that other
// programs use too. A run whose journal is still held is running: nothing of
// its is touched, and so is nothing of own. Fails with the leftover that
// could not be dealt with, in failedPath. Refused steps wait on retries.
OsResult FinishEndedRuns(FileSystem& fs, RetryBudget& retries, const std::string& journalFolder,
                         const std::vector<std::string>& packageFiles, const RunNames& own,
                         std::string& failedPath);
