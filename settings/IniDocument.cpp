#include "settings/IniDocument.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace {

bool Within(std::string_view part, const std::string& text) {
    const std::less_equal<const char*> notAfter;
    return notAfter(text.data(), part.data()) &&
           notAfter(part.data() + part.size(), text.data() + text.size());
}

}  // namespace

IniEntries IniSection::Entries() const {
    return {document_->entries_.begin() + static_cast<std::ptrdiff_t>(first_), count_};
}

IniEntry& IniSection::Find(std::string_view key) {
    std::deque<IniEntry>& entries = document_->entries_;
    for (std::size_t i = first_; i < first_ + count_; ++i) {
        if (entries[i].key == key)
            return entries[i];
    }
    return document_->Insert(*this, {document_->Keep(key), {}});
}

std::string_view IniSection::Value(std::string_view key) {
    return Find(key).value;
}

void IniSection::Set(std::string_view key, std::string_view value) {
    const std::string_view kept = document_->Keep(value);
    Find(key).value = kept;
}

void IniSection::Append(std::string_view key, std::string_view value) {
    document_->Insert(*this, {document_->Keep(key), document_->Keep(value)});
}

bool IniSection::operator==(const IniSection& other) const {
    const IniEntries mine = Entries(), theirs = other.Entries();
    return name_ == other.name_ && mine.size() == theirs.size() &&
           std::equal(mine.begin(), mine.end(), theirs.begin());
}

IniDocument::IniDocument(const IniDocument& other)
    : texts_(other.texts_), entries_(other.entries_) {
    for (const IniSection& section : other.sections_)
        sections_.emplace_back(*this, section.name_, section.first_).count_ = section.count_;
}

IniDocument::IniDocument(IniDocument&& other)
    : texts_(std::move(other.texts_)),
      entries_(std::move(other.entries_)),
      sections_(std::move(other.sections_)) {
    Adopt();
}

IniDocument& IniDocument::operator=(const IniDocument& other) {
    if (this != &other)
        *this = IniDocument(other);
    return *this;
}

IniDocument& IniDocument::operator=(IniDocument&& other) {
    texts_ = std::move(other.texts_);
    entries_ = std::move(other.entries_);
    sections_ = std::move(other.sections_);
    Adopt();
    return *this;
}

// Sections taken over from another document belong to this one now.
void IniDocument::Adopt() {
    for (IniSection& section : sections_) section.document_ = this;
}

IniSection& IniDocument::Section(std::string_view name) {
    for (IniSection& section : sections_) {
        if (section.Name() == name)
            return section;
    }
    return AppendSection(name);
}

IniSection& IniDocument::AppendSection(std::string_view name) {
    return sections_.emplace_back(*this, Keep(name), entries_.size());
}

IniSection& IniDocument::LastSection() {
    if (sections_.empty())
        return AppendSection({});
    return sections_.back();
}

void IniDocument::Clear() {
    sections_.clear();
    entries_.clear();
    texts_.clear();
}

bool IniDocument::operator==(const IniDocument& other) const {
    return sections_.size() == other.sections_.size() &&
           std::equal(sections_.begin(), sections_.end(), other.sections_.begin());
}

char* IniDocument::TakeBytes(std::string bytes) {
    auto kept = std::make_shared<std::string>(std::move(bytes));
    texts_.push_back(kept);
    return kept->data();
}

std::string_view IniDocument::Keep(std::string_view text) {
    if (text.empty())
        return {};
    // The text being read is the last kept, so the parser's views are found at once.
    for (auto it = texts_.rbegin(); it != texts_.rend(); ++it) {
        if (Within(text, **it))
            return text;
    }
    texts_.push_back(std::make_shared<const std::string>(text));
    return *texts_.back();
}

IniEntry& IniDocument::Insert(IniSection& section, IniEntry entry) {
    const std::size_t at = section.first_ + section.count_;
    ++section.count_;
    // A file read in, and every section added, grows at the end.
    if (at == entries_.size())
        return entries_.emplace_back(entry);
    // A lookup adds a key inside: a few at a time, so moving the rest is cheap enough.
    for (IniSection& later : sections_) {
        if (&later != &section && later.first_ >= at)
            ++later.first_;
    }
    return *entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(at), entry);
}
