#pragma once
// SSE2 where the compiler offers it (every x86-64 compiler does); the
// scanners that use it have plain loops for elsewhere.
#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define TOMEKIT_SSE2 1
#endif
