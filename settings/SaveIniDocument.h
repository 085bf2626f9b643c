// Writing the product's settings file.
#pragma once

#include <string>

class FileSystem;
class IniDocument;

// The file's bytes: each named section as "[name]", then its entries as
// key "=" value, or the value alone for a line without key; every line ends
// with CR LF.
std::string FormatIniDocument(const IniDocument& document);

// Replaces the file at path with the document. The earlier file is kept as
// path + ".bak" while the new one is written; when the new one cannot be
// written, the earlier one is moved back into place and the answer is false.
bool SaveIniDocument(FileSystem& fs, const std::string& path, const IniDocument& document);
