// The product's settings file held in memory: sections of entries, both in
// file order. Names, keys and values are byte strings, compared byte-wise.
#pragma once

#include <deque>
#include <string>

// A key line (key, value), or with an empty key any other line: text
// carried along verbatim, or a blank line (empty value).
struct IniEntry {
    std::string key;
    std::string value;

    bool operator==(const IniEntry& other) const {
        return key == other.key && value == other.value;
    }
};

class IniSection {
public:
    explicit IniSection(std::string name = {}) : name_(std::move(name)) {}

    const std::string& Name() const { return name_; }
    const std::deque<IniEntry>& Entries() const { return entries_; }

    // The value of the first entry with exactly this key; a missing key is
    // appended with an empty value first. The reference stays valid while the
    // section grows, so callers assign through it.
    std::string& Value(const std::string& key);

    // Adds an entry even when its key is already there: a file read in keeps
    // its repeated keys.
    void Append(std::string key, std::string value);

    bool operator==(const IniSection& other) const {
        return name_ == other.name_ && entries_ == other.entries_;
    }

private:
    std::string name_;
    // A deque, so that references handed out by Value survive later appends.
    std::deque<IniEntry> entries_;
};

class IniDocument {
public:
    const std::deque<IniSection>& Sections() const { return sections_; }

    // The first section with exactly this name; a missing one is appended,
    // empty, at the end of the document. The reference stays valid while the
    // document grows.
    IniSection& Section(const std::string& name);

    // Adds a section even when one of that name exists: a repeated header in a
    // file starts another section.
    IniSection& AppendSection(std::string name);

    // Where the lines being read go; appends an unnamed section to an empty document.
    IniSection& LastSection();

    void Clear() { sections_.clear(); }

    bool operator==(const IniDocument& other) const { return sections_ == other.sections_; }

private:
    std::deque<IniSection> sections_;
};
