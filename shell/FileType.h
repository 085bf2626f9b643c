// Associating a document extension with a program under HKEY_CLASSES_ROOT.
#pragma once

#include <string>

class Registry;

// Points extension at the identifier base + extension + ".File", gives that
// identifier description and an icon (icon, or program + ", 0" when icon is
// empty) and, when a program is given, the open command: the quoted program
// followed directly by arguments. True when every checked write succeeded and
// the open command now names program. A program of fewer than 6 characters
// counts as none: no open command is written.
bool RegisterFileType(Registry& registry, const std::string& extension,
                      const std::string& description, const std::string& identifierBase,
                      const std::string& icon, const std::string& program,
                      const std::string& arguments);

// The program that extension's open command names: the command up to and
// including its first ".exe" (its first 3 characters when it has none),
// without a leading double quote.
std::string GetRegisteredOpenProgram(Registry& registry, const std::string& extension);
