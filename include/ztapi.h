/*
 * ZTAPI: the calling convention of the host libraries of the earlier release
 * (ZTHEAP, VSTSPT): the Windows standard convention on 32-bit Windows, the
 * platform's own convention elsewhere.
 */
#ifndef ZTAPI_H
#define ZTAPI_H

#if defined(_WIN32) && !defined(_WIN64)
#define ZTAPI __stdcall
#else
#define ZTAPI
#endif

#endif /* ZTAPI_H */
