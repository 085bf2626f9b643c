// Settings documents for the settings tests: made from a layout, a file's
// lines, and shown in failure messages.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "settings/IniDocument.h"

// A document written out in full: {section name, {{key, value}...}} in order,
// copied into the document as it is made.
using IniLayout = std::vector<std::pair<std::string, std::vector<IniEntry>>>;

inline IniDocument MakeIni(const IniLayout& layout) {
    IniDocument document;
    for (const auto& [name, entries] : layout) {
        IniSection& section = document.AppendSection(name);
        for (const IniEntry& entry : entries) section.Append(entry.key, entry.value);
    }
    return document;
}

// The lines of a file, each of which must end with CR LF.
inline std::vector<std::string> CrLfLines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    if (start != bytes.size())
        lines.push_back("<no CR LF at the end>" + bytes.substr(start));
    return lines;
}

// For failure messages: the document as readable text.
inline std::string Describe(const IniDocument& document) {
    std::string text;
    for (const IniSection& section : document.Sections()) {
        text += "[" + std::string(section.Name()) + "]\n";
        for (const IniEntry& entry : section.Entries())
            text += "  '" + std::string(entry.key) + "' = '" + std::string(entry.value) + "'\n";
    }
    return text;
}
