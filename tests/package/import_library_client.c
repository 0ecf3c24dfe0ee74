/* A plain C program that links against an import library of the package
 * (MinGW's .dll.a or the MSVC-style .lib) instead of loading ZtFunc32 by name:
 * each call goes through the import library's binding, so a wrong export name
 * fails the load and a wrong calling convention the results. */
#include "ztfunc32.h"

#include <stdio.h>
#include <string.h>

static int failures = 0;

static void expect(int condition, const char* what)
{
    if (!condition) {
        printf("FAILED: %s\n", what);
        ++failures;
    }
}

int main(void)
{
    char buffer[128];
    const char* message;
    int32_t position;
    double area;

    ZtDllInit(); /* decorated export _ZtDllInit@0 on 32-bit Windows */
    position = PasteFunc("geoarea", buffer);
    expect(strcmp(buffer, "geoarea( Base, Height, Shape );") == 0, "PasteFunc template");
    expect(position == ((13 << 16) | 9), "PasteFunc position");
    area = GeoArea(2.0f, 1.0f, 3);
    expect(area > 12.566 && area < 12.567, "GeoArea of a circle");
    /* callee-cleans under its plain name: twice, so a stack the call left
     * wrong shows in the values around it */
    message = GetDiscOnMsg("");
    message = GetDiscOffMsg("");
    expect(message != NULL, "GetDiscOffMsg result");
    expect(GeoArea(2.0f, 1.0f, 3) == area, "GeoArea after the callee-cleans calls");
    ZtDllFree();
    printf("%d failures\n", failures);
    return failures == 0 ? 0 : 1;
}
