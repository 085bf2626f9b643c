// Writing the product's settings file.
#pragma once

#include <string>

#include "base/OsResult.h"

class FileSystem;
class IniDocument;
class RetryBudget;

// The file's bytes: each named section as "[name]", then its entries as
// key "=" value, or the value alone for a line without key; every line ends
// with CR LF.
std::string FormatIniDocument(const IniDocument& document);

// Where an earlier version of the setup kept the file while it wrote the new one.
inline std::string IniBackupPath(const std::string& path) {
    return path + ".bak";
}

// Replaces the file at path with the document: the new file is written and
// flushed beside it, under stagedPath, then takes its place in one step. When
// that fails, the earlier file stays as it was, nothing else is left behind,
// and the answer is the refusal. A backup beside the file is removed, one
// without it (IniBackupPath) kept. A refused replacement waits on retries.
OsResult SaveIniDocument(FileSystem& fs, RetryBudget& retries, const std::string& path,
                         const IniDocument& document, const std::string& stagedPath);
