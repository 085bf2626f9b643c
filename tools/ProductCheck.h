// Checks a product folder before anything is packed from it: exactly the
// product's files, at their places, with their names' case, each a regular
// file that can be read; the default settings file one the setup's reader
// takes, and the icon library a Windows image with the icons the shortcuts
// and file types use. Portable: it runs on the build host.
#pragma once

#include <string>
#include <vector>

// The icon indexes of the icon library that the shortcuts and file types name.
extern const int kUsedIconIndexes[5];

// One line per problem, naming the file and what was expected; empty when the
// folder can be packed. expected holds the product's files relative to the
// folder, "/"-separated ("Support/AppIcons.icl").
std::vector<std::string> CheckProductFolder(const std::string& folder,
                                            const std::vector<std::string>& expected);

// The content checks alone, on a file's bytes; an empty answer accepts it.
std::string CheckDefaultSettings(const std::string& bytes);
std::string CheckIconLibrary(const std::string& bytes);
