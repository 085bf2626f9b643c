// The current user's shell folders, as Explorer records them in the registry.
#pragma once

#include <string>

#include "base/Registry.h"

// The folder recorded under name ("Programs", "Desktop"...) in the shell-folder
// key under root; empty when it is not recorded. Nothing is expanded.
std::string GetShellFolder(Registry& registry, const std::string& name,
                           RegRoot root = RegRoot::CurrentUser);
