// The product's settings file held in memory: sections of entries, both in
// file order. Names, keys and values are byte strings, compared byte-wise.
//
// A file read in may be far larger than any the product writes, with every
// short line of it an entry. So the document keeps each file's bytes once, as
// read, and its names, keys and values are views into them; text handed to it
// later (a value set, an entry or section added) is kept beside them. A view
// stays valid as long as the document lives; a copy has views of its own. The entries of
// all sections stand in one sequence, each section holding where its own are:
// a file may hold a header every three bytes, and a section is then a few
// words instead of a container of its own.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

class IniDocument;

// A key line (key, value), or with an empty key any other line: text
// carried along verbatim, or a blank line (empty value).
struct IniEntry {
    std::string_view key;
    std::string_view value;

    bool operator==(const IniEntry& other) const {
        return key == other.key && value == other.value;
    }
};

// The entries of one section, in order.
class IniEntries {
public:
    using const_iterator = std::deque<IniEntry>::const_iterator;

    IniEntries(const_iterator begin, std::size_t size) : begin_(begin), size_(size) {}

    const_iterator begin() const { return begin_; }
    const_iterator end() const { return begin_ + static_cast<std::ptrdiff_t>(size_); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const IniEntry& operator[](std::size_t i) const {
        return *(begin() + static_cast<std::ptrdiff_t>(i));
    }
    const IniEntry& back() const { return (*this)[size_ - 1]; }

private:
    const_iterator begin_;
    std::size_t size_;
};

// A section belongs to its document, which makes it and holds its entries;
// it is referred to, never copied.
class IniSection {
public:
    IniSection(IniDocument& document, std::string_view name, std::size_t first)
        : document_(&document), name_(name), first_(first) {}
    IniSection(const IniSection&) = delete;
    IniSection& operator=(const IniSection&) = delete;

    std::string_view Name() const { return name_; }
    IniEntries Entries() const;

    // The value of the first entry with exactly this key; a missing key is
    // appended with an empty value first.
    std::string_view Value(std::string_view key);
    // The same lookup, and the entry's value replaced by a copy of value.
    void Set(std::string_view key, std::string_view value);

    // Adds an entry even when its key is already there: a file read in keeps
    // its repeated keys.
    void Append(std::string_view key, std::string_view value);

    bool operator==(const IniSection& other) const;

private:
    friend class IniDocument;
    IniEntry& Find(std::string_view key);

    IniDocument* document_;
    std::string_view name_;
    std::size_t first_;  // where its entries begin among the document's
    std::size_t count_ = 0;
};

class IniDocument {
public:
    IniDocument() = default;
    IniDocument(const IniDocument& other);
    IniDocument(IniDocument&& other);
    IniDocument& operator=(const IniDocument& other);
    IniDocument& operator=(IniDocument&& other);

    const std::deque<IniSection>& Sections() const { return sections_; }

    // The first section with exactly this name; a missing one is appended,
    // empty, at the end of the document. The reference stays valid while the
    // document grows.
    IniSection& Section(std::string_view name);

    // Adds a section even when one of that name exists: a repeated header in a
    // file starts another section.
    IniSection& AppendSection(std::string_view name);

    // Where the lines being read go; appends an unnamed section to an empty document.
    IniSection& LastSection();

    void Clear();

    bool operator==(const IniDocument& other) const;

    // A file's bytes, kept for the views of what is read from them; the
    // reader may write over the bytes it has passed (a key gathered without
    // the characters dropped from it) but changes nothing else.
    char* TakeBytes(std::string bytes);

    // The text as the document keeps it: itself when it lies in text the
    // document keeps already, else a copy.
    std::string_view Keep(std::string_view text);

private:
    friend class IniSection;
    // Appends entry to the section; the entries of the sections after it move up.
    IniEntry& Insert(IniSection& section, IniEntry entry);
    void Adopt();
    // The kept text the view lies in; texts_.size() for none.
    std::size_t TextOf(std::string_view view) const;

    // Never changed once viewed, nor moved: a deque keeps its elements in place.
    std::deque<std::string> texts_;
    std::deque<IniEntry> entries_;
    std::deque<IniSection> sections_;
};
