// The system's folder picker.
#pragma once

#include <windows.h>

#include <string>

// Asks the user for a folder, modal to owner, starting in `start` (the picker's
// own default place when `start` is empty or does not exist). True with the
// folder's path in `chosen` when the user confirmed one; false, `chosen`
// untouched, when the user cancelled or no picker could be shown.
bool PickFolder(HWND owner, const std::string& start, const std::string& title,
                std::string& chosen);
