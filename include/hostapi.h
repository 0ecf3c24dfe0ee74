/*
 * HOSTAPI: the calling convention of the host libraries that the earlier
 * release binds beside TAGPORT (ZTHEAP, VSTSPT): the Windows standard
 * convention on 32-bit Windows, the platform's own convention elsewhere.
 * (Not to be taken for ZT_API in ztfunc32.h, which marks the library's own
 * exports.)
 */
#ifndef HOSTAPI_H
#define HOSTAPI_H

#if defined(_WIN32) && !defined(_WIN64)
#define HOSTAPI __stdcall
#else
#define HOSTAPI
#endif

#endif /* HOSTAPI_H */
