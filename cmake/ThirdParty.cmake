# Header-only libraries from Debian's packages, as INTERFACE targets:
#   third_party::cli11     CLI11 (command line)
#   third_party::json      nlohmann-json
#   third_party::fmt       fmt, header-only (FMT_HEADER_ONLY)
#   third_party::tinygltf  tinygltf, with the stb image headers it includes
#
# Natively the compiler finds them in /usr/include anyway. The 32-bit and
# Windows builds must not put /usr/include on their path wholesale (its
# x86-64 glibc headers would shadow the target's own), so every build gets a
# folder of symlinks to just these libraries and adds that folder instead.
include_guard(GLOBAL)

set(CUTTING_THIRD_PARTY_INCLUDE "${CMAKE_BINARY_DIR}/third_party/include")
file(MAKE_DIRECTORY "${CUTTING_THIRD_PARTY_INCLUDE}")

# link name -> file or folder under /usr/include
set(_cutting_third_party_links
  "CLI=CLI"
  "nlohmann=nlohmann"
  "fmt=fmt"
  "tiny_gltf.h=tiny_gltf.h"
  "stb_image.h=stb/stb_image.h"
  "stb_image_write.h=stb/stb_image_write.h")

foreach(link IN LISTS _cutting_third_party_links)
  string(REPLACE "=" ";" pair "${link}")
  list(GET pair 0 link_name)
  list(GET pair 1 target_path)
  set(source "/usr/include/${target_path}")
  if(NOT EXISTS "${source}")
    message(FATAL_ERROR "${source} is missing: install Debian's libcli11-dev, nlohmann-json3-dev, "
                        "libfmt-dev, libtinygltf-dev and libstb-dev")
  endif()
  file(CREATE_LINK "${source}" "${CUTTING_THIRD_PARTY_INCLUDE}/${link_name}" SYMBOLIC)
endforeach()

function(_cutting_header_library name)
  add_library(${name} INTERFACE)
  target_include_directories(${name} SYSTEM INTERFACE "${CUTTING_THIRD_PARTY_INCLUDE}")
endfunction()

if(NOT TARGET third_party::cli11)
  _cutting_header_library(cutting_third_party_cli11)
  add_library(third_party::cli11 ALIAS cutting_third_party_cli11)

  _cutting_header_library(cutting_third_party_json)
  add_library(third_party::json ALIAS cutting_third_party_json)

  _cutting_header_library(cutting_third_party_fmt)
  target_compile_definitions(cutting_third_party_fmt INTERFACE FMT_HEADER_ONLY)
  add_library(third_party::fmt ALIAS cutting_third_party_fmt)

  _cutting_header_library(cutting_third_party_tinygltf)
  target_link_libraries(cutting_third_party_tinygltf INTERFACE cutting_third_party_json)
  add_library(third_party::tinygltf ALIAS cutting_third_party_tinygltf)
endif()
