# Warnings are errors everywhere in the project.
add_library(cutting_warnings INTERFACE)
target_compile_options(cutting_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wcast-align -Wnull-dereference -Wdouble-promotion -Wformat=2 -Werror
  $<$<COMPILE_LANGUAGE:CXX>:-Wnon-virtual-dtor -Wold-style-cast>)
