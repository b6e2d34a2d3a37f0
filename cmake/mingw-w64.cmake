# The part of the MinGW-w64 toolchain files both architectures share: Debian's
# MinGW-w64 (posix threads) for ORVO_MINGW_TRIPLET, the programs it builds run
# under Wine.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   ${ORVO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER  ${ORVO_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ORVO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# CTest and gtest_discover_tests start every Windows program through this
# wrapper; it gives each program the MinGW runtime of its architecture.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
