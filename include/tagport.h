/*
 * TAGPORT: the host's tag-access library, as this project defines it.
 *
 * ZtFunc32 binds it at load time: TAGPORT.dll on Windows, libtagport.so
 * natively. Every function is exported under its plain name, without any
 * size suffix, and uses TPAPI (the Windows standard convention on 32-bit
 * Windows, the platform's own convention elsewhere).
 *
 * A TP_TAG is the address of a tag record owned by the library; the tag's
 * index in the host's tag-definition file is an unsigned 16-bit number at
 * byte 12 of that record.
 */
#ifndef TAGPORT_H
#define TAGPORT_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define TPAPI __stdcall
#else
#define TPAPI
#endif

/* Tag type codes answered by TagportType. */
#define TP_DISCRETE 1
#define TP_INTEGER 2
#define TP_REAL 3
#define TP_MESSAGE 4

/* Byte offset of the 16-bit tag index within a tag record. */
#define TP_TAG_INDEX_OFFSET 12

#ifdef __cplusplus
extern "C" {
#endif

typedef uint32_t TP_CONNECTION; /* 0: no connection */
typedef uintptr_t TP_TAG;       /* address of the stand-in's tag record; 0: none */

/* Opens a connection; 0 when none can be made. Both arguments are 0. */
TP_CONNECTION TPAPI TagportInit(int32_t reserved1, int32_t reserved2);
/* Non-zero while `connection` is usable. */
int32_t TPAPI TagportCheck(TP_CONNECTION connection);
/* Activates the tag `name` ("Tag" or "Tag.Field"); 0 when there is no such tag. */
TP_TAG TPAPI TagportActivate(TP_CONNECTION connection, const char* name);
/* One of the TP_ type codes. */
int32_t TPAPI TagportType(TP_CONNECTION connection, TP_TAG tag);
/* Non-zero while `tag` is active. */
int32_t TPAPI TagportIsActive(TP_CONNECTION connection, TP_TAG tag);
/* Gives an activated tag back; `tag` is not valid afterwards. */
void TPAPI TagportDeactivate(TP_CONNECTION connection, TP_TAG tag);
/* Copies a message tag's text into `buffer`, cut to `capacity` bytes with the terminator. */
void TPAPI TagportGetMessage(TP_CONNECTION connection, TP_TAG tag, char* buffer, int32_t capacity);
/* Sets a message tag's text. */
void TPAPI TagportSetMessage(TP_CONNECTION connection, TP_TAG tag, const char* text);
/* Closes the connection; its tags are given back. */
void TPAPI TagportShutdown(TP_CONNECTION connection);
/* A handle for the tag `name` without activating it; 0 when there is no such tag. */
TP_TAG TPAPI TagportGetHandle(TP_CONNECTION connection, const char* name);
/* Gives back a handle of TagportGetHandle. */
void TPAPI TagportFreeHandle(TP_CONNECTION connection, TP_TAG tag);

#ifdef __cplusplus
}
#endif

#endif /* TAGPORT_H */
