# Cross-compiles for 32-bit Windows (x86) with Debian's MinGW-w64 and runs the
# resulting programs under 32-bit Wine (wine32).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ORVO_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
