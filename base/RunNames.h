// The names one run of the setup gives its own files beside the product's:
// the new content staged before it is moved into place, the earlier content
// kept aside meanwhile, and the journal that says the run is still going and
// how far it got. Each name carries the run's id, so that no run ever takes
// another's files for its own, and a later run can tell whose they are.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class RunNames {
public:
    // id: eight hexadecimal digits, 0-9 and A-F, different for every run.
    explicit RunNames(std::string id) : id_(std::move(id)) {}
    // The names of the run numbered number, its id written as above.
    static RunNames Numbered(std::uint32_t number);
    const std::string& Id() const { return id_; }

    std::string Staged(const std::string& target) const;
    std::string KeptAside(const std::string& target) const;
    // The journal, in folder (which ends with a backslash).
    std::string Journal(const std::string& folder) const;

private:
    std::string id_;
};

// What a name of the setup's own says: the kind of file, whose it is, and the
// product file it stands beside.
struct RunFileName {
    enum class Kind { staged, keptAside, journal };
    Kind kind;
    std::string target;  // the name beside which it stands; empty for a journal
    // Empty for the names of earlier versions of the setup, which had no ids.
    std::string id;
};

// The parts of a file name (no folder) shaped as one of the names above:
// nothing for any other. The shape alone does not make a file the setup's:
// another program may name its own files so; only a target that is one of
// the package's files, in its folder, does.
std::optional<RunFileName> ParseRunFileName(const std::string& name);
