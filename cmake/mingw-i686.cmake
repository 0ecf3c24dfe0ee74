# 32-bit Windows: the shipped DLL. Debian's g++-mingw-w64-i686, POSIX thread model.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ZT_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# Doubles are computed in SSE2 registers and rounded to double at every step,
# as on 64-bit Windows and natively, so that no result depends on the
# precision a host has set in the x87 unit.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
