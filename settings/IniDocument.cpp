#include "settings/IniDocument.h"

std::string& IniSection::Value(const std::string& key) {
    for (IniEntry& entry : entries_) {
        if (entry.key == key)
            return entry.value;
    }
    entries_.push_back({key, {}});
    return entries_.back().value;
}

void IniSection::Append(std::string key, std::string value) {
    entries_.push_back({std::move(key), std::move(value)});
}

IniSection& IniDocument::Section(const std::string& name) {
    for (IniSection& section : sections_) {
        if (section.Name() == name)
            return section;
    }
    return AppendSection(name);
}

IniSection& IniDocument::AppendSection(std::string name) {
    sections_.emplace_back(std::move(name));
    return sections_.back();
}

IniSection& IniDocument::LastSection() {
    if (sections_.empty())
        return AppendSection({});
    return sections_.back();
}
