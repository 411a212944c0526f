# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (posix threads).
# Nothing here names a version or a folder of this machine: the compilers are
# found on the PATH and the target's libraries next to them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_mingw x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER NAMES ${_mingw}-gcc-posix ${_mingw}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${_mingw}-g++-posix ${_mingw}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${_mingw}-windres REQUIRED)

# The target's headers and libraries stand beside the compiler's bin folder.
get_filename_component(_bin "${CMAKE_CXX_COMPILER}" DIRECTORY)
get_filename_component(_root "${_bin}/../${_mingw}" ABSOLUTE)
list(APPEND CMAKE_FIND_ROOT_PATH "${_root}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
