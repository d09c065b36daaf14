#pragma once

// Calling convention of the module library's exports: the platform's standard
// convention for exported functions (stdcall on 32-bit Windows).
#if defined(_WIN32) && !defined(_WIN64)
#define SAT_CALL __stdcall
#else
#define SAT_CALL
#endif
