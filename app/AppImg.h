// TEMPORARY STAND-IN for the setup's image list: the system's application icon
// in place of setup16. Replaced by the real image list when that lands.
#pragma once

#include <windows.h>

namespace AppImg {

// Lives as long as the process; not to be destroyed by the caller.
inline HICON setup16() {
    return LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
}

}  // namespace AppImg
