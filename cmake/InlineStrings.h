// Included first in every source of the Windows builds (cmake/SmallCode.cmake).
// Lets std::basic_string be instantiated where it is used, like any other
// template, rather than declared extern and linked whole from libstdc++. The
// value -1 is libstdc++'s own setting for this (it turns off the extern
// declarations of basic_string only).
#pragma once
#ifdef __cplusplus
#include <bits/c++config.h>
#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE -1
#endif
