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

/* INI files. A file name without a folder means the file in the Windows
 * directory. Writes return 0, or -1 (and a report) when the write failed.
 * INIReadString returns at most 130 characters in a buffer shared with
 * CreateFilenameFromDate, "FAILURE" when nothing is stored; INIReadInteger
 * returns -99 when nothing is stored. */
ZT_API int32_t ZT_CALLER INIWriteString(const char* file_name, const char* section, const char* key,
                                        const char* message);
ZT_API const char* ZT_CALLER INIReadString(const char* file_name, const char* section,
                                           const char* key);
ZT_API int32_t ZT_CALLER INIWriteInteger(const char* file_name, const char* section,
                                         const char* key, int32_t value);
ZT_API int32_t ZT_CALLER INIReadInteger(const char* file_name, const char* section,
                                        const char* key);

/* Settings of the statistics-export tool, in section "Defaults" of "statx.ini"
 * in the Windows directory. Each returns -1 (and writes nothing) when
 * "statx.exe" is not on the search path. The date and time functions return 0
 * when all three values were written, else the sum of 1, 10 and 100 for the
 * first, second and third value that was out of range or not written; the text
 * functions return 0 when written, 1 when not. */
ZT_API int32_t ZT_CALLER STATXSetStartDate(int32_t year, int32_t month, int32_t day);
ZT_API int32_t ZT_CALLER STATXSetEndDate(int32_t year, int32_t month, int32_t day);
ZT_API int32_t ZT_CALLER STATXSetStartTime(int32_t hour, int32_t minute, int32_t second);
ZT_API int32_t ZT_CALLER STATXSetEndTime(int32_t hour, int32_t minute, int32_t second);
ZT_API int32_t ZT_CALLER STATXSetProduct(const char* product_name);
ZT_API int32_t ZT_CALLER STATXSetDataset(const char* dataset_name);
ZT_API int32_t ZT_CALLER STATXSetOutputFile(const char* output_file_name);

/* Binds the debug logger (once per process) / does nothing. Exported under the
 * decorated names _ZtDllInit@0 and _ZtDllFree@0 by the 32-bit DLL. */
ZT_API void ZT_CALLEE ZtDllInit(void);
ZT_API void ZT_CALLEE ZtDllFree(void);

#ifdef __cplusplus
}
#endif

#endif /* ZTFUNC32_H */
