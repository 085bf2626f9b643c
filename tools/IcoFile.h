// Writes Windows .ico files: 32-bit images with alpha and the AND mask.
#pragma once

#include <string>
#include <vector>

#include "tools/Canvas.h"

std::string IcoFile(const std::vector<Canvas>& images);
