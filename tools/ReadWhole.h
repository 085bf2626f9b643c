// Reading a whole file into memory, for the build-time tools.
#pragma once

#include <string>

// False when the file cannot be opened or a read fails.
bool ReadWhole(const std::string& path, std::string& data);
