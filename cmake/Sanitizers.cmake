# Builds the whole project with the sanitizers listed in CUTTING_SANITIZE
# (address, undefined, thread), with clang. The sanitizer presets load this
# file through CMAKE_PROJECT_INCLUDE, so it applies to every target.
#
# The AddressSanitizer runtime is linked as a shared library (-shared-libsan): the
# plug-ins, linked with --no-undefined, then resolve its symbols, and a
# plug-in loaded with dlopen shares the runtime of the program that loads it.
# Every binary finds the runtime through an rpath to clang's runtime folder.
if(NOT CUTTING_SANITIZE)
  return()
endif()
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "CUTTING_SANITIZE needs clang (set CMAKE_CXX_COMPILER to clang++)")
endif()

execute_process(COMMAND "${CMAKE_CXX_COMPILER}" --print-runtime-dir
  OUTPUT_VARIABLE CUTTING_SANITIZER_RUNTIME_DIR OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

list(JOIN CUTTING_SANITIZE "," cutting_sanitizers)
add_compile_options(-fsanitize=${cutting_sanitizers} -fno-sanitize-recover=all -fno-omit-frame-pointer)
if("undefined" IN_LIST CUTTING_SANITIZE)
  # The plug-ins are built without RTTI, which the vptr check needs.
  add_compile_options(-fno-sanitize=vptr)
endif()
# clang reports a few things gcc, the compiler of the release targets and
# their warnings-as-errors policy, does not (a float promoted to double in a
# test's comparison, say). Here they stay warnings: these builds judge what
# the code does.
add_compile_options(-Wno-error=double-promotion)
if("thread" IN_LIST CUTTING_SANITIZE)
  # ThreadSanitizer's shared runtime does not start with clang 14: programs
  # link the static one and export it, and the plug-ins they load resolve
  # its symbols from them, so shared libraries may leave those undefined
  # (the last linker word wins over the plug-ins' --no-undefined).
  add_link_options(-fsanitize=${cutting_sanitizers})
  link_libraries("$<$<STREQUAL:$<TARGET_PROPERTY:TYPE>,SHARED_LIBRARY>:-Wl,-z,undefs>")
else()
  add_link_options(-fsanitize=${cutting_sanitizers} -shared-libsan
    "LINKER:-rpath,${CUTTING_SANITIZER_RUNTIME_DIR}")
endif()
