# 32-bit Windows with Debian's i686-w64-mingw32 cross compilers (posix thread
# model, so std::thread works). Programs and DLLs link the compiler runtime
# statically: the only DLLs they import are Windows system DLLs. CTest runs
# the programs under wine through scripts/wine-run.sh.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(CUTTING_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER ${CUTTING_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CUTTING_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${CUTTING_MINGW_TRIPLET}-windres)
set(CMAKE_OBJDUMP ${CUTTING_MINGW_TRIPLET}-objdump CACHE FILEPATH "objdump for Windows binaries")

set(CMAKE_FIND_ROOT_PATH /usr/${CUTTING_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# SSE2 arithmetic: every double rounded as on the 64-bit targets, no x87 excess precision.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")

set(CUTTING_STATIC_RUNTIME "-static -static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${CUTTING_STATIC_RUNTIME}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${CUTTING_STATIC_RUNTIME}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${CUTTING_STATIC_RUNTIME}")

get_filename_component(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh" ABSOLUTE)
