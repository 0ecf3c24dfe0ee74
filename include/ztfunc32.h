/*
 * ZtFunc32: script functions for the HMI runtime.
 *
 * Declarations of the library's exports for a host that links against or
 * loads ZtFunc32.dll. Texts are zero-terminated 8-bit ANSI strings; text
 * results point into buffers the library owns and stay valid until the next
 * call that writes the same buffer. The caller never frees them.
 */
#ifndef ZTFUNC32_H
#define ZTFUNC32_H

#include <stdint.h>

#if defined(_WIN32)
#define ZT_CALLER __cdecl   /* the caller removes the arguments */
#define ZT_CALLEE __stdcall /* the function removes its arguments */
#else
#define ZT_CALLER
#define ZT_CALLEE
#endif

#if defined(ZTFUNC32_BUILDING)
/* Inside the library the .def file (Windows) or the visibility attribute
 * (elsewhere) exports these; marking them dllexport too would export the
 * decorated twins of the callee-cleans functions. */
#if defined(_WIN32)
#define ZT_API
#else
#define ZT_API __attribute__((visibility("default")))
#endif
#else
#define ZT_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Call templates for the host's script editor. `buffer` must hold the length
 * of `function_name` plus 58 bytes. Returns the first parameter's position:
 * low 16 bits its start, high 16 bits just past its end. */
ZT_API int32_t ZT_CALLER PasteFunc(const char* function_name, char* buffer);

/* Tag queries. TagExists: the tag's type code (1 discrete, 2 integer, 3 real,
 * 4 message) or a negative failure code. GetDiscOnMsg / GetDiscOffMsg: the
 * text of the discrete tag's ".OnMsg" / ".OffMsg" message field, or a failure
 * text, in a buffer shared by both. */
ZT_API int32_t ZT_CALLER TagExists(const char* tag_name);
ZT_API const char* ZT_CALLEE GetDiscOnMsg(const char* tag_name);
ZT_API const char* ZT_CALLEE GetDiscOffMsg(const char* tag_name);

/* Writes the engineering-units text (at most 31 characters) of an integer or
 * real tag into the host's "tagname.x". 0, or a negative failure code. */
ZT_API int32_t ZT_CALLER SetTagEU(const char* tag_name, const char* units);

/* Binds the debug logger (once per process) / does nothing. Exported under the
 * decorated names _ZtDllInit@0 and _ZtDllFree@0 by the 32-bit DLL. */
ZT_API void ZT_CALLEE ZtDllInit(void);
ZT_API void ZT_CALLEE ZtDllFree(void);

#ifdef __cplusplus
}
#endif

#endif /* ZTFUNC32_H */
