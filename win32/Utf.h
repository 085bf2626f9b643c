// UTF-8 inside, UTF-16 only at the Win32 call.
#pragma once

#include <string>
#include <string_view>

// Invalid UTF-8 becomes U+FFFD rather than failing: a path is better shown
// slightly wrong than not at all, and the call that uses it will then fail.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
