#include "base/RunNames.h"

#include "base/ProductNames.h"

namespace {

const char kStagedSuffix[] = ".setup-tmp";
const char kKeptAsideSuffix[] = ".setup-old";
const char kJournalSuffix[] = ".setup-run";
constexpr size_t kIdLength = 8;
const char kIdDigits[] = "0123456789ABCDEF";

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// Only as the setup writes one: lower-case digits are someone else's.
bool IsRunId(const std::string& text) {
    return text.size() == kIdLength && text.find_first_not_of(kIdDigits) == std::string::npos;
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

RunNames RunNames::Numbered(std::uint32_t number) {
    // Written out by hand: a formatting function would bring the C library's
    // whole printf into the setup.
    std::string id(kIdLength, '0');
    for (size_t digit = kIdLength; digit-- > 0; number >>= 4) id[digit] = kIdDigits[number & 15];
    return RunNames(id);
}

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
