#include "base/RunNames.h"

#include <cctype>

#include "base/ProductNames.h"

namespace {

const char kStagedSuffix[] = ".setup-tmp";
const char kKeptAsideSuffix[] = ".setup-old";
const char kJournalSuffix[] = ".setup-run";
constexpr size_t kIdLength = 8;

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool IsRunId(const std::string& text) {
    if (text.size() != kIdLength)
        return false;
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// "name.ID" gives name and ID; a name without an id of ours is all target.
void SplitId(const std::string& stem, RunFileName& parsed) {
    const size_t dot = stem.rfind('.');
    if (dot != std::string::npos && IsRunId(stem.substr(dot + 1))) {
        parsed.target = stem.substr(0, dot);
        parsed.id = stem.substr(dot + 1);
    } else {
        parsed.target = stem;
    }
}

}  // namespace

std::string RunNames::Staged(const std::string& target) const {
    return target + "." + id_ + kStagedSuffix;
}

std::string RunNames::KeptAside(const std::string& target) const {
    return target + "." + id_ + kKeptAsideSuffix;
}

std::string RunNames::Journal(const std::string& folder) const {
    return folder + kProductName + "." + id_ + kJournalSuffix;
}

std::optional<RunFileName> ParseRunFileName(const std::string& name) {
    struct Suffix {
        const char* text;
        RunFileName::Kind kind;
    };
    static const Suffix kSuffixes[] = {
        {kStagedSuffix, RunFileName::Kind::staged},
        {kKeptAsideSuffix, RunFileName::Kind::keptAside},
        {kJournalSuffix, RunFileName::Kind::journal},
    };
    for (const Suffix& suffix : kSuffixes) {
        if (!EndsWith(name, suffix.text))
            continue;
        RunFileName parsed{suffix.kind, {}, {}};
        SplitId(name.substr(0, name.size() - std::string(suffix.text).size()), parsed);
        if (parsed.kind == RunFileName::Kind::journal) {
            if (parsed.id.empty() || parsed.target != kProductName)
                return std::nullopt;
            parsed.target.clear();
        }
        if (parsed.kind != RunFileName::Kind::journal && parsed.target.empty())
            return std::nullopt;
        return parsed;
    }
    return std::nullopt;
}
