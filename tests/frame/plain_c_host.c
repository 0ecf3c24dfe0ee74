/*
 * A host written in plain C, built without exception support and without
 * unwind information, as many hosts are. It calls exports whose work raises a
 * C++ exception and catches it inside the library (the tag functions, with
 * the tag-access connection refused through TAGPORT_REFUSE_CONNECT=1):
 * directly, and from a callback that a system function calls (EnumWindows on
 * Windows, qsort elsewhere). An exception leaving an export would find no
 * handler in these frames and end the process.
 *
 * usage: plain_c_host   (the library beside the program; exit 0 when every
 * call gave its failure result)
 */
#include "ztfunc32.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>
#endif

typedef int32_t(ZT_CALLER* tag_exists_fn)(const char*);
typedef const char*(ZT_CALLEE* disc_message_fn)(const char*);
typedef int32_t(ZT_CALLER* set_tag_eu_fn)(const char*, const char*);

static tag_exists_fn tag_exists;
static disc_message_fn disc_on_message;
static disc_message_fn disc_off_message;
static set_tag_eu_fn set_tag_eu;
static int failures;
static int rounds;

static void expect(int holds, const char* where, const char* what)
{
    if (!holds) {
        printf("FAIL (%s): %s\n", where, what);
        ++failures;
    }
}

/* Each call raises "connection failed" inside the library. */
static void call_exports(const char* where)
{
    expect(tag_exists("Pump1") == -2, where, "TagExists gives -2");
    expect(disc_on_message("Pump1") != NULL, where, "GetDiscOnMsg gives a text");
    expect(disc_off_message("Pump1") != NULL, where, "GetDiscOffMsg gives a text");
    expect(set_tag_eu("Flow", "bar") == -2, where, "SetTagEU gives -2");
    ++rounds;
}

#if defined(_WIN32)
static void* load_library_beside_program(void)
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(NULL, path, MAX_PATH);
    char* folder_end = strrchr(path, '\\');
    if (length == 0 || length >= MAX_PATH || folder_end == NULL ||
        (size_t)(folder_end + 1 - path) + sizeof "ZtFunc32.DLL" > sizeof path) {
        return NULL;
    }
    strcpy(folder_end + 1, "ZtFunc32.DLL");
    return LoadLibraryA(path);
}

static void* entry_point(void* library, const char* name)
{
    return (void*)GetProcAddress((HMODULE)library, name);
}

static BOOL CALLBACK on_window(HWND window, LPARAM unused)
{
    (void)window;
    (void)unused;
    call_exports("EnumWindows callback");
    return FALSE; /* once is enough */
}

static void call_from_system_callback(void)
{
    /* A window of our own, so that there is one to enumerate. */
    HWND window = CreateWindowExA(0, "STATIC", "plain C host", WS_POPUP, 0, 0, 10, 10, NULL, NULL,
                                  NULL, NULL);
    EnumWindows(on_window, 0);
    if (window != NULL) {
        DestroyWindow(window);
    }
}
#else
static void* load_library_beside_program(void)
{
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    char* folder_end;
    if (length <= 0) {
        return NULL;
    }
    path[length] = '\0';
    folder_end = strrchr(path, '/');
    if (folder_end == NULL ||
        (size_t)(folder_end + 1 - path) + sizeof "libZtFunc32.so" > sizeof path) {
        return NULL;
    }
    strcpy(folder_end + 1, "libZtFunc32.so");
    return dlopen(path, RTLD_NOW | RTLD_LOCAL);
}

static void* entry_point(void* library, const char* name)
{
    return dlsym(library, name);
}

static int compare_and_call(const void* left, const void* right)
{
    if (rounds == 1) {
        call_exports("qsort comparison");
    }
    return memcmp(left, right, 1);
}

static void call_from_system_callback(void)
{
    char letters[] = "host";
    qsort(letters, strlen(letters), 1, compare_and_call);
}
#endif

int main(void)
{
    void* library = load_library_beside_program();
    if (library == NULL) {
        printf("FAIL: the library beside the program cannot be loaded\n");
        return 1;
    }
    tag_exists = (tag_exists_fn)entry_point(library, "TagExists");
    disc_on_message = (disc_message_fn)entry_point(library, "GetDiscOnMsg");
    disc_off_message = (disc_message_fn)entry_point(library, "GetDiscOffMsg");
    set_tag_eu = (set_tag_eu_fn)entry_point(library, "SetTagEU");
    if (!tag_exists || !disc_on_message || !disc_off_message || !set_tag_eu) {
        printf("FAIL: an export is missing\n");
        return 1;
    }
    call_exports("direct call");
    call_from_system_callback();
    expect(rounds == 2, "callback", "the system function called back");
    printf("plain C host: %d rounds of calls, %d failures\n", rounds, failures);
    return failures == 0 ? 0 : 1;
}
