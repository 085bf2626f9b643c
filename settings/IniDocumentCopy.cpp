// Copying and comparing documents, which the tests and the tools do; the
// setup does neither, and apart from the rest the code does not come with it.
#include "settings/IniDocument.h"

#include <algorithm>

bool IniSection::operator==(const IniSection& other) const {
    const IniEntries mine = Entries(), theirs = other.Entries();
    return name_ == other.name_ && mine.size() == theirs.size() &&
           std::equal(mine.begin(), mine.end(), theirs.begin());
}

bool IniDocument::operator==(const IniDocument& other) const {
    return sections_.size() == other.sections_.size() &&
           std::equal(sections_.begin(), sections_.end(), other.sections_.begin());
}

// A copy has texts of its own: each view moves to the same place in them.
IniDocument::IniDocument(const IniDocument& other)
    : texts_(other.texts_), entries_(other.entries_) {
    auto rebased = [&](std::string_view view) -> std::string_view {
        const std::size_t i = other.TextOf(view);
        if (i == texts_.size())
            return view;  // an empty one, of no text
        return {texts_[i].data() + (view.data() - other.texts_[i].data()), view.size()};
    };
    for (IniEntry& entry : entries_) {
        entry.key = rebased(entry.key);
        entry.value = rebased(entry.value);
    }
    for (const IniSection& section : other.sections_)
        sections_.emplace_back(*this, rebased(section.name_), section.first_).count_ =
            section.count_;
}

IniDocument& IniDocument::operator=(const IniDocument& other) {
    if (this != &other)
        *this = IniDocument(other);
    return *this;
}
