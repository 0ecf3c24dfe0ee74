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

/* Called on the writing thread after each TagportSetMessage that set a text,
 * with the tag's name as the database has it. */
typedef void(TPAPI* TagportStandinListener)(void* context, const char* tag_name, const char* text);

/* Makes `listener` (null: none) the one listener, with `context` for its calls. */
void TPAPI TagportStandinListen(TagportStandinListener listener, void* context);

#ifdef __cplusplus
}
#endif

#endif /* TAGPORT_STANDIN_H */
