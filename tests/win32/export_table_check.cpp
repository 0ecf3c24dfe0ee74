// Compile-time check of the 32-bit export table: every export that
// library/exports.txt lists is declared in ztfunc32.h with the table's
// calling convention and a parameter list that takes exactly the table's
// argument bytes on the stack (caller-cleans exports included). A float
// changed to a double, or a parameter added or dropped, stops the build here;
// on 64-bit Windows and natively the same change would pass unseen.
#include "export_signature.h"
#include "ztfunc32.h"

#define ZT_DECLARED(function) zt::abi::signature_of(static_cast<decltype(&function)>(nullptr))

#define ZT_EXPORT(function, name, ordinal, earlier_ordinal, cleanup, bytes, framed)                \
    static_assert(ZT_DECLARED(function).convention == zt::abi::Convention::cleanup,                \
                  name ": the declaration's calling convention is not the table's");               \
    static_assert(ZT_DECLARED(function).argument_bytes == bytes,                                   \
                  name ": the declared parameters do not take the table's argument bytes");
#include "exports.inc"
