#pragma once
// <windows.h> as every Windows-only file here takes it: without its rarely
// used parts, and without the min and max macros that break std::min.
#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif
