/*
 * ZTHEAP: the host's heap-tracking library, as this project defines it.
 *
 * The earlier release of ZtFunc32 (3.7.0.0) binds it at load time (ZTHEAP.dll
 * on Windows, libztheap.so natively), registers itself when a process loads it
 * and unregisters when the process lets it go. Both functions are exported
 * under their plain names.
 */
#ifndef ZTHEAP_H
#define ZTHEAP_H

#include "hostapi.h"

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Registers the module whose source file is `source_file`; `reserved` is 0.
 * Fills `*registration` and answers non-zero, or answers 0 when it refuses. */
int32_t HOSTAPI ztHeap_Register(int32_t reserved, uint32_t* registration, const char* source_file,
                                int32_t line);
/* Ends the registration made under `source_file`. */
void HOSTAPI ztHeap_Unregister(const char* source_file, int32_t line);

#ifdef __cplusplus
}
#endif

#endif /* ZTHEAP_H */
