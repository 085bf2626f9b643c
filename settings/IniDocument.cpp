#include "settings/IniDocument.h"

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

IniDocument::IniDocument(IniDocument&& other)
    : texts_(std::move(other.texts_)),
      entries_(std::move(other.entries_)),
      sections_(std::move(other.sections_)) {
    Adopt();
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

char* IniDocument::TakeBytes(std::string bytes) {
    return texts_.emplace_back(std::move(bytes)).data();
}

std::size_t IniDocument::TextOf(std::string_view view) const {
    // From the last: the text being read is the last kept, so that the
    // parser's views are found at once.
    for (std::size_t i = texts_.size(); i > 0; --i) {
        if (Within(view, texts_[i - 1]))
            return i - 1;
    }
    return texts_.size();
}

std::string_view IniDocument::Keep(std::string_view text) {
    if (text.empty())
        return {};
    if (TextOf(text) < texts_.size())
        return text;
    return texts_.emplace_back(text);
}

IniEntry& IniDocument::Insert(IniSection& section, IniEntry entry) {
    const std::size_t at = section.first_ + section.count_;
    ++section.count_;
    entries_.push_back(entry);
    // The last section, as every one a file is read into, grows at the end.
    if (at == entries_.size() - 1)
        return entries_.back();
    // A lookup adds a key inside: a few at a time, so moving the rest up one
    // by one is cheap enough.
    for (std::size_t i = entries_.size() - 1; i > at; --i) entries_[i] = entries_[i - 1];
    for (IniSection& later : sections_) {
        if (&later != &section && later.first_ >= at)
            ++later.first_;
    }
    return entries_[at] = entry;
}
