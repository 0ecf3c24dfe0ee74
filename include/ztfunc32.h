/*
 * ZtFunc32: script functions for the HMI runtime.
 *
 * Declarations of the library's exports for a host that links against or
 * loads ZtFunc32.DLL. Texts are zero-terminated 8-bit ANSI strings; text
 * results point into buffers the library owns and stay valid until the next
 * call that writes the same buffer. The caller never frees them.
 *
 * The earlier release 3.7.0.0: define ZTFUNC32_EARLIER_RELEASE before
 * including this header to call it. It has 32 of these exports (not
 * ZtCntx32Cleanup, ZtShowWindowsTaskbar, ZtDllInit and ZtDllFree), and every
 * one of them leaves its arguments to the caller.
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

/* GetDiscOnMsg and GetDiscOffMsg remove their argument themselves, except in
 * the earlier release. */
#if defined(ZTFUNC32_EARLIER_RELEASE)
#define ZT_DISC_MESSAGE_CALL ZT_CALLER
#else
#define ZT_DISC_MESSAGE_CALL ZT_CALLEE
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

/* No export lets an exception out: a failure comes back as the function's
 * result. A C++ host sees the promise as noexcept; inside the library the
 * compiler holds every definition to the same declaration. */
#if defined(__cplusplus)
#define ZT_NOEXCEPT noexcept
#else
#define ZT_NOEXCEPT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Call templates for the host's script editor. `buffer` must hold the length
 * of `function_name` plus 58 bytes. Returns the first parameter's position:
 * low 16 bits its start, high 16 bits just past its end. */
ZT_API int32_t ZT_CALLER PasteFunc(const char* function_name, char* buffer) ZT_NOEXCEPT;

/* Unit conversion. The StdFromMet functions take a metric value, its unit
 * code and the standard unit code; the MetFromStd functions a standard value,
 * its unit code and the metric unit code. Codes by system:
 *   metric length    0 mm, 1 cm, 2 m, 3 km       standard length 0 in, 1 ft, 2 yd, 3 mi
 *   metric fluid     0 ml, 1 l, 2 m3             standard fluid  0 fl oz, 1 qt, 2 gal,
 *                                                                3 bbl (31.5 gal), 4 bbl (42 gal)
 *   metric weight    0 mg, 1 g, 2 kg, 3 t        standard weight 0 oz, 1 lb, 2 short ton
 * Result -1 for a value not greater than 0 or a code outside 0 to 4, 0 for a
 * code that names no unit. */
ZT_API double ZT_CALLER StdFromMetLinear(float metric_value, int32_t metric_units,
                                         int32_t standard_units) ZT_NOEXCEPT;
ZT_API double ZT_CALLER MetFromStdLinear(float standard_value, int32_t standard_units,
                                         int32_t metric_units) ZT_NOEXCEPT;
ZT_API double ZT_CALLER StdFromMetFluid(float metric_value, int32_t metric_units,
                                        int32_t standard_units) ZT_NOEXCEPT;
ZT_API double ZT_CALLER MetFromStdFluid(float standard_value, int32_t standard_units,
                                        int32_t metric_units) ZT_NOEXCEPT;
ZT_API double ZT_CALLER StdFromMetWeight(float metric_value, int32_t metric_units,
                                         int32_t standard_units) ZT_NOEXCEPT;
ZT_API double ZT_CALLER MetFromStdWeight(float standard_value, int32_t standard_units,
                                         int32_t metric_units) ZT_NOEXCEPT;

/* Temperature between 1 Fahrenheit, 2 Celsius, 3 Kelvin; -9999.9 for codes
 * that name no scale. */
ZT_API double ZT_CALLER ConvertTemp(float value, int32_t from_units, int32_t to_units) ZT_NOEXCEPT;

/* Areas and volumes; 0.0 for a dimension not greater than 0, -1.0 for an
 * unknown shape. GeoArea shapes: 1 triangle, 2 rectangle, 3 circle (radius
 * base). GeoVolume shapes: 1 cube, 2 box, 3 sphere, 4 cone, 5 cylinder, 6
 * triangular prism. */
ZT_API double ZT_CALLER GeoArea(float base, float height, int32_t shape) ZT_NOEXCEPT;
ZT_API double ZT_CALLER GeoEqualSideArea(float side_length, int32_t num_of_sides) ZT_NOEXCEPT;
ZT_API double ZT_CALLER GeoVolume(float base, float height, float width, int32_t shape) ZT_NOEXCEPT;

/* prefix + today's local date shifted by day_offset days, written by `format`
 * (1 to 3 of the letters d, m, y in any case; other lengths give no date) +
 * postfix, at most 131 characters, in the buffer shared with INIReadString. */
ZT_API const char* ZT_CALLER CreateFilenameFromDate(const char* format, const char* prefix,
                                                    const char* postfix,
                                                    int32_t day_offset) ZT_NOEXCEPT;

/* INI files. A file name without a folder means the file in the Windows
 * directory. Writes return 0, or -1 (and a report) when the write failed.
 * INIReadString returns at most 130 characters in a buffer shared with
 * CreateFilenameFromDate, "FAILURE" when nothing is stored; INIReadInteger
 * returns -99 when nothing is stored. */
ZT_API int32_t ZT_CALLER INIWriteString(const char* file_name, const char* section, const char* key,
                                        const char* message) ZT_NOEXCEPT;
ZT_API const char* ZT_CALLER INIReadString(const char* file_name, const char* section,
                                           const char* key) ZT_NOEXCEPT;
ZT_API int32_t ZT_CALLER INIWriteInteger(const char* file_name, const char* section,
                                         const char* key, int32_t value) ZT_NOEXCEPT;
ZT_API int32_t ZT_CALLER INIReadInteger(const char* file_name, const char* section,
                                        const char* key) ZT_NOEXCEPT;

/* Settings of the statistics-export tool, in section "Defaults" of "statx.ini"
 * in the Windows directory. Each returns -1 (and writes nothing) when
 * "statx.exe" is not on the search path. The date and time functions return 0
 * when all three values were written, else the sum of 1, 10 and 100 for the
 * first, second and third value that was out of range or not written; the text
 * functions return 0 when written, 1 when not. */
ZT_API int32_t ZT_CALLER STATXSetStartDate(int32_t year, int32_t month, int32_t day) ZT_NOEXCEPT;
ZT_API int32_t ZT_CALLER STATXSetEndDate(int32_t year, int32_t month, int32_t day) ZT_NOEXCEPT;
ZT_API int32_t ZT_CALLER STATXSetStartTime(int32_t hour, int32_t minute,
                                           int32_t second) ZT_NOEXCEPT;
ZT_API int32_t ZT_CALLER STATXSetEndTime(int32_t hour, int32_t minute, int32_t second) ZT_NOEXCEPT;
ZT_API int32_t ZT_CALLER STATXSetProduct(const char* product_name) ZT_NOEXCEPT;
ZT_API int32_t ZT_CALLER STATXSetDataset(const char* dataset_name) ZT_NOEXCEPT;
ZT_API int32_t ZT_CALLER STATXSetOutputFile(const char* output_file_name) ZT_NOEXCEPT;

/* Shutdown for scripts: 1 log off, 2 shut down, 3 restart, 4 power off, all
 * forced (running programs are closed without being asked). ZtShutDownWinNT40
 * enables the shutdown privilege first and returns 0 when the shutdown
 * started, -10 when it started without the process token, -1 when the system
 * refused it, -11 both; ZtShutDownWin95 returns 0 or -1. Both return -2 for
 * any other code and do nothing. */
ZT_API int32_t ZT_CALLER ZtShutDownWinNT40(int32_t shut_down_flag) ZT_NOEXCEPT;
ZT_API int32_t ZT_CALLER ZtShutDownWin95(int32_t shut_down_flag) ZT_NOEXCEPT;

/* 1 on the NT line of Windows, 0 on the Windows 95 line, -1 otherwise or when
 * the version cannot be read. */
ZT_API int32_t ZT_CALLER SystemIsNT(void) ZT_NOEXCEPT;

/* Sounds a tone (37 to 14000 Hz are useful) for `duration_ms` milliseconds on
 * a thread of its own and returns at once. */
ZT_API void ZT_CALLER ZtBeep32(int32_t frequency, int32_t duration_ms) ZT_NOEXCEPT;

/* Brings the taskbar (window class "Shell_TrayWnd") to the front, or shows a
 * message box saying it cannot be found. */
ZT_API void ZT_CALLER ZtShowWindowsTaskbar(void) ZT_NOEXCEPT;

/* Tag queries. TagExists: the tag's type code (1 discrete, 2 integer, 3 real,
 * 4 message) or a negative failure code. GetDiscOnMsg / GetDiscOffMsg: the
 * text of the discrete tag's ".OnMsg" / ".OffMsg" message field, or a failure
 * text, in a buffer shared by both. */
ZT_API int32_t ZT_CALLER TagExists(const char* tag_name) ZT_NOEXCEPT;
ZT_API const char* ZT_DISC_MESSAGE_CALL GetDiscOnMsg(const char* tag_name) ZT_NOEXCEPT;
ZT_API const char* ZT_DISC_MESSAGE_CALL GetDiscOffMsg(const char* tag_name) ZT_NOEXCEPT;

/* Screen hotspots. ZtCntx32 registers the rectangle left, top, width, height of
 * the client area of the host's window titled window_name (any letter case):
 * while the pointer is inside, the message tag tag_name holds value; when it
 * leaves, the empty text. The mouse hook runs on the thread of the host's main
 * window (class "Scenehall"). Result 1, or -1 for a refused argument (negative
 * position, empty size, empty window name, a text longer than its field: window
 * name and value 131 characters, tag name 31), -2 when the tag-access
 * connection fails, -21 / -20 for an exception inside. ZtCntx32Cleanup drops
 * every hotspot, removes the hook, gives back the tags and closes the
 * connection; with no hotspot registered it does nothing. */
ZT_API int32_t ZT_CALLER ZtCntx32(const char* window_name, int32_t left, int32_t top, int32_t width,
                                  int32_t height, const char* tag_name,
                                  const char* value) ZT_NOEXCEPT;
ZT_API void ZT_CALLER ZtCntx32Cleanup(void) ZT_NOEXCEPT;

/* Writes the engineering-units text (at most 31 characters) of an integer or
 * real tag into the host's "tagname.x". 0, or a negative failure code. */
ZT_API int32_t ZT_CALLER SetTagEU(const char* tag_name, const char* units) ZT_NOEXCEPT;

#if !defined(ZTFUNC32_EARLIER_RELEASE)
/* Binds the debug logger (once per process) / does nothing. Exported under the
 * decorated names _ZtDllInit@0 and _ZtDllFree@0 by the 32-bit DLL, under the
 * plain names by the 64-bit DLL. */
ZT_API void ZT_CALLEE ZtDllInit(void) ZT_NOEXCEPT;
ZT_API void ZT_CALLEE ZtDllFree(void) ZT_NOEXCEPT;
#endif

#ifdef __cplusplus
}
#endif

#endif /* ZTFUNC32_H */
