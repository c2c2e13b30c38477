# add_cutting_plugin(NAME SOURCES... [LINK libs...]): a cutting plug-in shared
# library named exactly NAME (Tavolet.so / Tavolet.dll, no "lib" prefix) that
# exports the seven entry points and nothing else, built without exceptions
# and RTTI, into the build's plug-in folder.

# Compile settings every piece of plug-in code shares (also static libraries
# that tests link directly).
add_library(cutting_plugin_flags INTERFACE)
target_compile_options(cutting_plugin_flags INTERFACE
  $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-rtti -fvisibility-inlines-hidden>
  -fvisibility=hidden -fno-fast-math -ffp-contract=off -fno-math-errno)
target_compile_definitions(cutting_plugin_flags INTERFACE CUTTING_PLUGIN_BUILD)
target_link_libraries(cutting_plugin_flags INTERFACE cutting_contract cutting_warnings)

# Builds every plug-in: cmake --build --preset <p> --target cutting_plugins
add_custom_target(cutting_plugins)

# The shared-library settings of anything built like a plug-in (the real ones
# and the test fixtures): named exactly NAME in FOLDER, hidden symbols, a
# self-contained DLL on Windows (only system DLLs imported, undecorated names).
function(cutting_plugin_library name folder)
  set_target_properties(${name} PROPERTIES
    PREFIX ""
    OUTPUT_NAME ${name}
    LIBRARY_OUTPUT_DIRECTORY "${folder}"
    RUNTIME_OUTPUT_DIRECTORY "${folder}"
    C_VISIBILITY_PRESET hidden
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  if(WIN32)
    target_link_options(${name} PRIVATE -static -static-libgcc -static-libstdc++ -Wl,--kill-at)
  else()
    target_link_options(${name} PRIVATE -Wl,--no-undefined)
  endif()
endfunction()

function(add_cutting_plugin name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINK" ${ARGN})
  add_library(${name} SHARED ${ARG_SOURCES})
  set_property(GLOBAL APPEND PROPERTY CUTTING_PLUGINS ${name})
  add_dependencies(cutting_plugins ${name})
  target_link_libraries(${name} PRIVATE cutting_plugin_flags ${ARG_LINK})
  cutting_plugin_library(${name} "${CUTTING_PLUGIN_DIR}")
  if(NOT WIN32)
    # The seven entry points and nothing else.
    target_link_options(${name} PRIVATE -Wl,--exclude-libs,ALL
      "-Wl,--version-script=${PROJECT_SOURCE_DIR}/cmake/plugin_exports.map")
  endif()
  install(TARGETS ${name} LIBRARY DESTINATION lib/cutting-plugins RUNTIME DESTINATION lib/cutting-plugins)
endfunction()
