# GoogleTest: Debian's prebuilt libraries on the native target; built from
# Debian's sources (/usr/src/googletest) for the 32-bit and Windows targets.
include(GoogleTest)
if(CMAKE_CROSSCOMPILING OR CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
  # Third-party code: its own warnings are not ours to fix.
  foreach(gtest_target gtest gtest_main gmock gmock_main)
    target_compile_options(${gtest_target} PRIVATE -w)
  endforeach()
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
    add_library(GTest::gmock ALIAS gmock)
    add_library(GTest::gmock_main ALIAS gmock_main)
  endif()
else()
  find_package(GTest REQUIRED)
endif()

# cutting_add_gtest(<target> [gtest_discover_tests options...])
# Registers every test of a GoogleTest executable with CTest, on every target
# alike. Tests are listed when ctest starts (through the wine wrapper on the
# Windows target), so build-time does not need to run the programs. Pass the
# plug-in under test as an argument, e.g.
#   cutting_add_gtest(contract_tests EXTRA_ARGS $<TARGET_FILE:Tavolet>)
# (an absolute Unix path: wine maps it to drive Z:).
function(cutting_add_gtest target)
  set(timeout 30)
  if(CMAKE_CROSSCOMPILING_EMULATOR)
    # Listing under wine may have to wait for the wine prefix to be created.
    set(timeout 180)
  endif()
  # Test names leave out the printed parameter values ("Suite.Case/3"): a
  # record printed as bytes would put its padding into the name.
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT ${timeout} NO_PRETTY_VALUES ${ARGN})
endfunction()

# Every plug-in is checked from the outside as the host sees it: exactly the
# seven entry points exported under their plain names and, for a DLL, only
# Windows system DLLs imported. Runs once all directories have added their
# plug-ins.
function(cutting_add_plugin_export_checks)
  get_property(plugins GLOBAL PROPERTY CUTTING_PLUGINS)
  if(WIN32)
    set(kind dll)
    set(tool "${CMAKE_OBJDUMP}")
  else()
    set(kind so)
    set(tool "${CMAKE_NM}")
  endif()
  foreach(plugin IN LISTS plugins)
    add_test(NAME ${plugin}.Exports
      COMMAND "${CMAKE_COMMAND}" -DPLUGIN=$<TARGET_FILE:${plugin}> -DKIND=${kind} "-DTOOL=${tool}"
              -P "${PROJECT_SOURCE_DIR}/cmake/CheckPluginExports.cmake")
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY "${CMAKE_SOURCE_DIR}" CALL cutting_add_plugin_export_checks)
