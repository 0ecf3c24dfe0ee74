/*
 * VSTSPT: the host's support library, as this project defines it: it serves
 * the runtime record of a tag.
 *
 * The earlier release of ZtFunc32 (3.7.0.0) binds it at load time (VSTSPT.dll
 * on Windows, libvstspt.so natively) and reads the on- and off-messages of
 * discrete tags from their runtime records. Every function is exported under
 * its plain name.
 */
#ifndef VSTSPT_H
#define VSTSPT_H

#include "hostapi.h"

#include <stdint.h>

/* A runtime record: 216 bytes. Of its layout only the two message texts are
 * fixed, each zero-terminated with at most 15 characters. */
#define REB_RECORD_SIZE 216
#define REB_ON_MESSAGE_OFFSET 184
#define REB_OFF_MESSAGE_OFFSET 200
#define REB_MESSAGE_SIZE 16

#ifdef __cplusplus
extern "C" {
#endif

typedef uintptr_t REB_TAG; /* a tag reference; 0: none */

/* The reference of the tag `name`, for REBGetRDB. */
REB_TAG HOSTAPI REBLookupTag(const char* name);
/* Fills the REB_RECORD_SIZE bytes at `record`; non-zero when it did. */
int32_t HOSTAPI REBGetRDB(REB_TAG tag, void* record);
/* Non-zero when the record read last is valid. */
int32_t HOSTAPI RDBOK(void);

#ifdef __cplusplus
}
#endif

#endif /* VSTSPT_H */
