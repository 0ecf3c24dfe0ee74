/*
 * The debug logger ZTDEBUG.DLL, as this project defines it.
 *
 * ZtFunc32 loads the logger at run time from the directory named by the
 * registry value "Dir" under HKEY_LOCAL_MACHINE "Software\Zentara\ztdebug"
 * and hands each failure report to ztAppDebug. All three entry points are
 * exported under their plain names.
 */
#ifndef ZTDEBUG_H
#define ZTDEBUG_H

#include <stdarg.h>

#if defined(_WIN32)
#define ZTDEBUG_API __stdcall
#else
#define ZTDEBUG_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Formats `format` with `args` and logs it under `module_tag` (16 characters
 * and "/"). Returns 1 when the line was written, 0 otherwise. */
typedef int(ZTDEBUG_API* ztAppDebug_fn)(const char* module_tag, const char* format, va_list args);
int ZTDEBUG_API ztAppDebug(const char* module_tag, const char* format, va_list args);

/* Start the logger for an application or for a client library; both return 1.
 * ZtFunc32 only checks that they exist. */
int ZTDEBUG_API ztDebugStartLogger(const char* application_name);
int ZTDEBUG_API ztDebugStartLoggerClient(const char* client_name);

#ifdef __cplusplus
}
#endif

#endif /* ZTDEBUG_H */
