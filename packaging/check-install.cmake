# Installs the build into a scratch tree laid out as the .deb is (ROOT/usr) and
# checks what a desktop needs: the program starts from there, and the desktop
# entry, icons and AppStream metadata are where menus and software centres
# look, name each other correctly and pass the freedesktop.org validators.
#
#   cmake -DBINARY_DIR=<build> -DROOT=<scratch> -DBINDIR=bin -DDATADIR=share
#         -DDOCDIR=share/doc/sredna -DAPP_ID=<id> -DVERSION=<x.y.z>
#         -DICON_SIZES=16,32,... -P check-install.cmake

foreach(var BINARY_DIR ROOT BINDIR DATADIR DOCDIR APP_ID VERSION ICON_SIZES)
  if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
    message(FATAL_ERROR "check-install.cmake: -D${var}=... is missing")
  endif()
endforeach()

set(failures "")
macro(fail what)
  string(APPEND failures "  - ${what}\n")
endmacro()

set(prefix "${ROOT}/usr")
file(REMOVE_RECURSE "${ROOT}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" --install "${BINARY_DIR}" --prefix "${prefix}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
endif()

set(program "${BINDIR}/sredna")
set(desktop "${DATADIR}/applications/${APP_ID}.desktop")
string(REPLACE "," ";" sizes "${ICON_SIZES}")
set(pngs "")
foreach(size IN LISTS sizes)
  list(APPEND pngs "${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
endforeach()
set(svg "${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg")
set(metainfo "${DATADIR}/metainfo/${APP_ID}.metainfo.xml")
set(docs "${DOCDIR}/copyright" "${DOCDIR}/changelog.gz")
set(overrides "${DATADIR}/lintian/overrides/sredna")

# Exactly these files: anything else (a test library's headers, a benchmark)
# would end up in the package too.
set(expected ${program} ${desktop} ${pngs} ${svg} ${metainfo} ${docs} ${overrides})
list(SORT expected)
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${prefix}" "${ROOT}/*")
list(SORT installed)
if(NOT installed STREQUAL expected)
  string(REPLACE ";" "\n    " got "${installed}")
  string(REPLACE ";" "\n    " want "${expected}")
  fail("installed files differ.\n    got:\n    ${got}\n    expected:\n    ${want}")
endif()

execute_process(COMMAND test -x "${prefix}/${program}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  fail("${program} is not an executable file")
endif()

# The desktop entry must start the installed program and show the installed
# icon; a renamed target or icon otherwise leaves a dead menu entry.
if(EXISTS "${prefix}/${desktop}")
  file(STRINGS "${prefix}/${desktop}" lines ENCODING UTF-8)
  set(exec "")
  set(icon "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^Exec=([^ ]+)")
      set(exec "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^Icon=(.*)$")
      set(icon "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  if(NOT EXISTS "${prefix}/${BINDIR}/${exec}" OR exec STREQUAL "")
    fail("desktop entry runs '${exec}', which is not installed in ${BINDIR}/")
  endif()
  if(NOT icon STREQUAL APP_ID)
    fail("desktop entry shows icon '${icon}', but the icons are installed as ${APP_ID}")
  endif()
endif()

# An icon in the 32x32 folder that is some other size is scaled blurry, or
# skipped by the theme: read the size from the PNG header.
foreach(size png IN ZIP_LISTS sizes pngs)
  if(EXISTS "${prefix}/${png}")
    file(READ "${prefix}/${png}" head LIMIT 24 HEX)
    if(NOT head MATCHES "^89504e470d0a1a0a........49484452(........)(........)$")
      fail("${png} is not a PNG file")
    else()
      math(EXPR width "0x${CMAKE_MATCH_1}")
      math(EXPR height "0x${CMAKE_MATCH_2}")
      if(NOT width EQUAL size OR NOT height EQUAL size)
        fail("${png} is ${width}x${height}")
      endif()
    endif()
  endif()
endforeach()
if(EXISTS "${prefix}/${svg}")
  file(READ "${prefix}/${svg}" text)
  if(NOT text MATCHES "<svg[ \t\r\n][^>]*xmlns=\"http://www.w3.org/2000/svg\"")
    fail("${svg} has no SVG root element")
  endif()
endif()

# Software centres tie the metadata to the menu entry and the command through
# these names, and show the newest release as the version.
if(EXISTS "${prefix}/${metainfo}")
  file(READ "${prefix}/${metainfo}" xml)
  string(REPLACE "." "\\." id "${APP_ID}")
  if(NOT xml MATCHES "<id>${id}</id>")
    fail("metainfo id is not ${APP_ID}")
  endif()
  if(NOT xml MATCHES "<launchable type=\"desktop-id\">${id}\\.desktop</launchable>")
    fail("metainfo does not launch ${APP_ID}.desktop")
  endif()
  if(NOT xml MATCHES "<binary>sredna</binary>")
    fail("metainfo does not provide the binary sredna")
  endif()
  if(NOT xml MATCHES "<release version=\"([^\"]+)\"")
    fail("metainfo has no release")
  elseif(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    fail("newest release in metainfo is ${CMAKE_MATCH_1}, the project is ${VERSION}")
  endif()
endif()

# The validators are optional on a build machine: check with them when present.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(NOT DESKTOP_FILE_VALIDATE)
  message(STATUS "desktop-file-validate not installed: desktop entry not validated")
elseif(EXISTS "${prefix}/${desktop}")
  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${prefix}/${desktop}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  # Warnings and hints come with exit status 0, yet a hint such as "no main
  # category" leaves the entry in a catch-all menu: any remark is a failure.
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
    fail("desktop-file-validate:\n${out}")
  endif()
endif()
find_program(APPSTREAMCLI appstreamcli)
if(NOT APPSTREAMCLI)
  message(STATUS "appstreamcli not installed: AppStream metadata not validated")
elseif(EXISTS "${prefix}/${metainfo}")
  # validate-tree also checks the metainfo against the installed desktop entry.
  foreach(check "validate;${prefix}/${metainfo}" "validate-tree;${ROOT}")
    execute_process(COMMAND "${APPSTREAMCLI}" ${check} --no-net
      RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0)
      list(GET check 0 how)
      fail("appstreamcli ${how}:\n${out}")
    endif()
  endforeach()
endif()

# The installed copy must start on its own (no library only the build tree
# has). A window program never ends by itself: being still up after a few
# seconds is the pass.
if(EXISTS "${prefix}/${program}")
  # Set here rather than through `cmake -E env`, whose child would outlive the
  # timeout.
  set(ENV{QT_QPA_PLATFORM} offscreen)
  execute_process(COMMAND "${prefix}/${program}" TIMEOUT 3
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc MATCHES "timeout")
    fail("the installed program ended at once (${rc}):\n${out}")
  endif()
endif()

if(NOT failures STREQUAL "")
  message(FATAL_ERROR "installed tree under ${prefix}:\n${failures}")
endif()
message(STATUS "installed tree under ${prefix} is complete and valid")
