#pragma once

#include <string>

class Registry;

// The system's program-files folder as the registry names it; empty when it
// cannot be read.
std::string ProgramFilesFolder(Registry& registry);
