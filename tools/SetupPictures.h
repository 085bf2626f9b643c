// The pictures of the setup program: its image list and its file icon.
#pragma once

#include "tools/Canvas.h"

// A computer whose screen has the given colour, a software box in front of it.
Canvas DrawSetupPicture(int size, Rgba screen);

// A light blue folder with a program-group window of small icons in front of it.
Canvas DrawProgramFolderPicture(int size);

// The screen colours: red for the image list, blue for the file icon.
constexpr Rgba kRedScreen{214, 38, 32, 255};
constexpr Rgba kBlueScreen{38, 92, 214, 255};
