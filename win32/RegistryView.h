// The registry view that a key of the setup lives in.
//
// The product is a 32-bit program, and so is the setup that ships. On 64-bit
// Windows the machine-wide keys of a 32-bit program (the program-files folder
// it is given, the uninstall entries of what it installs) are those of the
// 32-bit view. The 64-bit build asks for that view, so that either build finds
// and updates an installation made by the other; a 32-bit process is in that
// view already and asks for nothing. The classes root and the user's keys are
// the same in both views. Where a 64-bit system has no 32-bit view of a value
// (it runs no 32-bit programs), the 64-bit build reads the native one.
#pragma once

#include <windows.h>

constexpr REGSAM kMachineKeysView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : 0;

// The access flag that selects the view for keys under root.
inline REGSAM ViewOf(HKEY root) {
    return root == HKEY_LOCAL_MACHINE ? kMachineKeysView : 0;
}
