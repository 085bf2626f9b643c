// Paths as the wide file functions take them, at any length.
#pragma once

#include <string>
#include <string_view>

// The plain functions refuse paths of MAX_PATH characters and more (folders
// already from 248 on), and the names the setup stages beside each product
// file add ten characters to it. A path that short goes to them as it is,
// exactly as the user gave it; a longer one is made absolute and normalised
// by the system first (GetFullPathNameW: "." and "..", the doubled separators
// that joining an install folder ending in "\" with "\Quillmark.exe" makes,
// "/" for "\") and prefixed "\\?\" ("\\?\UNC\" for \\server\share), the form
// the functions take up to 32767 characters in and parse no further. A path
// already in that form is left as it is.
std::wstring WidePath(std::string_view utf8);
