/*
 * What the tag-access stand-in offers beyond TAGPORT's interface: a listener
 * for the tag writes, as a host runtime has one when it runs a script the
 * moment a tag changes. The soak host and the tests use it to follow the
 * hotspots' writes and to call back into ZtFunc32 from inside one.
 */
#ifndef TAGPORT_STANDIN_H
#define TAGPORT_STANDIN_H

#include "tagport.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Called on the calling thread: as each call of the stand-in begins, with the
 * function's name ("TagportCheck") and null texts; and once more after a
 * TagportSetMessage that set a text, with "TagportSetMessage", the tag's name
 * as the database has it, and the text. A host may wait in it, for its UI
 * thread say, as a tag-access library served by the runtime would. */
typedef void(TPAPI* TagportStandinListener)(void* context, const char* function,
                                            const char* tag_name, const char* text);

/* Makes `listener` (null: none) the one listener, with `context` for its calls. */
void TPAPI TagportStandinListen(TagportStandinListener listener, void* context);

#ifdef __cplusplus
}
#endif

#endif /* TAGPORT_STANDIN_H */
