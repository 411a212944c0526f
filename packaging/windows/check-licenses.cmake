# Installs the Windows build into a scratch folder, as the packages ship it,
# and checks its licence index (licenses/README.txt): every .dll and .exe
# shipped is listed there with at least one part, every listed file is
# shipped, and every licence text it names is there and not empty.
#
#   cmake -DBINARY_DIR=<build> -DROOT=<scratch> -P check-licenses.cmake
cmake_minimum_required(VERSION 3.25)

foreach(var BINARY_DIR ROOT)
  if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
    message(FATAL_ERROR "check-licenses.cmake: -D${var}=... is missing")
  endif()
endforeach()

file(REMOVE_RECURSE "${ROOT}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BINARY_DIR}" --prefix "${ROOT}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
endif()

set(failures "")
macro(fail what)
  string(APPEND failures "  - ${what}\n")
endmacro()

set(index "${ROOT}/licenses/README.txt")
if(NOT EXISTS "${index}")
  message(FATAL_ERROR "no licence index licenses/README.txt in ${ROOT}")
endif()

# A line that names a .dll or .exe starts an entry; the indented lines under
# it are its parts, "    TITLE: TEXT, TEXT".
set(listed "")
set(binary "")
file(STRINGS "${index}" lines ENCODING UTF-8)
foreach(line IN LISTS lines)
  if(line MATCHES "^[^ ].*\\.(dll|exe)$")
    set(binary "${line}")
    list(APPEND listed "${binary}")
    set(parts_${binary} 0)
  elseif(line MATCHES "^    (.+): ([^:]+)$" AND NOT binary STREQUAL "")
    math(EXPR parts_${binary} "${parts_${binary}} + 1")
    string(REPLACE ", " ";" texts "${CMAKE_MATCH_2}")
    foreach(text IN LISTS texts)
      set(path "${ROOT}/licenses/${text}")
      if(NOT EXISTS "${path}" OR IS_DIRECTORY "${path}")
        fail("${binary}: the licence text ${text} is not shipped")
      else()
        file(SIZE "${path}" size)
        if(size EQUAL 0)
          fail("${binary}: the licence text ${text} is empty")
        endif()
      endif()
    endforeach()
  endif()
endforeach()

file(GLOB_RECURSE shipped LIST_DIRECTORIES false RELATIVE "${ROOT}"
  "${ROOT}/*.dll" "${ROOT}/*.exe" "${ROOT}/*.DLL" "${ROOT}/*.EXE")
if(shipped STREQUAL "")
  fail("no .dll or .exe was installed")
endif()
foreach(binary IN LISTS shipped)
  if(NOT binary IN_LIST listed)
    fail("${binary} is shipped without a licence entry")
  elseif(parts_${binary} EQUAL 0)
    fail("${binary} is listed with no licence texts")
  endif()
endforeach()
foreach(binary IN LISTS listed)
  if(NOT binary IN_LIST shipped)
    fail("${binary} is listed but not shipped")
  endif()
endforeach()

if(NOT failures STREQUAL "")
  message(FATAL_ERROR "licences of the Windows folder ${ROOT}:\n${failures}")
endif()
list(LENGTH shipped count)
message(STATUS "licences: all ${count} binaries shipped have their texts")
