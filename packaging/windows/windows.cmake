# Quilmo for Windows, cross-built (scripts/windows): the program's icon,
# manifest and version in quilmo.exe; everything it loads beside it in bin/;
# and the two deliverables in dist/, a zipped folder that runs where it is
# unpacked and a per-user installer (target windows_dist).

set(here ${CMAKE_CURRENT_LIST_DIR})
set(bin ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
set(QUILMO_VERSION_COMMAS ${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0)
set(QUILMO_VERSION_DOTS ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
set(QUILMO_ICON ${PROJECT_SOURCE_DIR}/assets/quilmo.ico)
set(QUILMO_MANIFEST ${PROJECT_BINARY_DIR}/windows/quilmo.manifest)
configure_file(${here}/quilmo.manifest.in ${QUILMO_MANIFEST} @ONLY)
configure_file(${here}/quilmo.rc.in ${PROJECT_BINARY_DIR}/windows/quilmo.rc @ONLY)
target_sources(quilmo PRIVATE ${PROJECT_BINARY_DIR}/windows/quilmo.rc)
set_property(SOURCE ${PROJECT_BINARY_DIR}/windows/quilmo.rc APPEND PROPERTY OBJECT_DEPENDS
             ${QUILMO_ICON} ${QUILMO_MANIFEST})

# --- What the programs load, copied beside them. The offscreen platform is
# for the tests; the deliverables leave it out.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE libstdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libgcc_s_seh-1.dll
                OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
                OUTPUT_VARIABLE libwinpthread OUTPUT_STRIP_TRAILING_WHITESPACE)
foreach(dll libstdcxx libgcc libwinpthread)
  if(NOT IS_ABSOLUTE "${${dll}}" OR NOT EXISTS "${${dll}}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} has no ${dll} DLL (${${dll}})")
  endif()
  get_filename_component(${dll} "${${dll}}" REALPATH)
endforeach()
find_file(QUILMO_QT_JA qtbase_ja.qm PATHS /usr/share/qt6/translations NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)

# Each line: the folder under the program's, and the file.
set(runtime
  ".|$<TARGET_FILE:Qt6::Core>"
  ".|$<TARGET_FILE:Qt6::Gui>"
  ".|$<TARGET_FILE:Qt6::Widgets>"
  ".|${libgcc}"
  ".|${libstdcxx}"
  ".|${libwinpthread}"
  ".|${here}/qt.conf"
  "platforms|$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>"
  "imageformats|$<TARGET_FILE:Qt6::QGifPlugin>"
  "styles|$<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>"
  "translations|${QUILMO_QT_JA}"
)
set(copy_runtime)
foreach(entry ${runtime} "platforms|$<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin>")
  string(REPLACE "|" ";" pair "${entry}")
  list(GET pair 0 folder)
  list(GET pair 1 file)
  list(APPEND copy_runtime COMMAND ${CMAKE_COMMAND} -E make_directory ${bin}/${folder}
                           COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${bin}/${folder})
endforeach()
add_custom_target(windows_runtime ALL ${copy_runtime} VERBATIM)
add_dependencies(quilmo windows_runtime)

# --- The notices the deliverables carry: Qt's licences and where its source
# comes from, the compiler runtime's, and the IPA licence of the fonts in
# the program. The Qt that scripts/cross-qt built names its Debian source.
get_filename_component(qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
if(NOT QUILMO_QT_SOURCE)
  if(NOT EXISTS ${qt_prefix}/.quilmo-complete)
    message(FATAL_ERROR "${qt_prefix} was not built by scripts/cross-qt: set QUILMO_QT_SOURCE to the Qt source it was built from")
  endif()
  file(STRINGS ${qt_prefix}/.quilmo-complete stamp)
  list(GET stamp 0 first)
  string(REGEX REPLACE "^qt6-base qt6-base_([^ ]+)\\.dsc.*" "\\1" QUILMO_QT_SOURCE "${first}")
  list(REMOVE_AT stamp 0)
  string(REPLACE ";" " " QUILMO_QT_OPTIONS "${stamp}")
endif()
set(licences ${PROJECT_BINARY_DIR}/windows/licenses)
configure_file(${here}/README-licenses.txt.in ${licences}/README.txt @ONLY)
# The IPA licence's own paragraph of packaging/copyright, unindented.
file(READ ${PROJECT_SOURCE_DIR}/packaging/copyright copyright)
string(REGEX MATCH "\nLicense: IPA-1\n( [^\n]*\n)+" ipa "${copyright}")
if(NOT ipa)
  message(FATAL_ERROR "packaging/copyright holds no IPA-1 licence text")
endif()
string(REGEX REPLACE "\n \\.?" "\n" ipa "${ipa}")
string(REPLACE "\nLicense: IPA-1\n" "" ipa "${ipa}")
file(WRITE ${licences}/IPA-Font-License.txt "${ipa}")
foreach(entry
    "Qt-LGPL-3.txt|/usr/share/common-licenses/LGPL-3"
    "Qt-GPL-3.txt|/usr/share/common-licenses/GPL-3"
    "Qt-copyright.txt|/usr/share/doc/libqt6core6/copyright"
    "Qt-translations-copyright.txt|/usr/share/doc/qt6-translations-l10n/copyright"
    "gcc-runtime-copyright.txt|/usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright"
    "winpthreads-copyright.txt|/usr/share/doc/mingw-w64-x86-64-dev/copyright"
    "BIZ-UDGothic-copyright.txt|/usr/share/doc/fonts-morisawa-bizud-gothic/copyright")
  string(REPLACE "|" ";" pair "${entry}")
  list(GET pair 0 name)
  list(GET pair 1 file)
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "${file} is missing: the Windows deliverables carry it as licenses/${name}")
  endif()
  configure_file(${file} ${licences}/${name} COPYONLY)
  list(APPEND runtime "licenses|${licences}/${name}")
endforeach()
list(APPEND runtime "licenses|${licences}/README.txt" "licenses|${licences}/IPA-Font-License.txt")

# --- The deliverables. stage.cmake copies the files into dist/ and lists
# them for the installer, which removes exactly those again.
set(QUILMO_DIST_NAME quilmo-${PROJECT_VERSION}-win64)
set(dist ${PROJECT_BINARY_DIR}/dist)
list(PREPEND runtime ".|$<TARGET_FILE:quilmo>")
string(REPLACE ";" "\n" runtime_lines "${runtime}")
file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/windows/files.txt CONTENT "${runtime_lines}\n")
configure_file(${here}/quilmo.nsi.in ${PROJECT_BINARY_DIR}/windows/quilmo.nsi @ONLY)
find_program(QUILMO_MAKENSIS makensis NO_CMAKE_FIND_ROOT_PATH REQUIRED)
add_custom_target(windows_dist
  COMMAND ${CMAKE_COMMAND} -DLIST=${PROJECT_BINARY_DIR}/windows/files.txt -DSTAGE=${dist}/${QUILMO_DIST_NAME}
          -DNSH=${PROJECT_BINARY_DIR}/windows -DSTRIP=${CMAKE_STRIP}
          -P ${here}/stage.cmake
  COMMAND ${CMAKE_COMMAND} -E rm -f ${dist}/${QUILMO_DIST_NAME}.zip
  COMMAND ${CMAKE_COMMAND} -E chdir ${dist} ${CMAKE_COMMAND} -E tar cf ${QUILMO_DIST_NAME}.zip --format=zip ${QUILMO_DIST_NAME}
  COMMAND ${QUILMO_MAKENSIS} -V2 -DSTAGE=${dist}/${QUILMO_DIST_NAME} -DOUT=${dist}/${QUILMO_DIST_NAME}-setup.exe
          ${PROJECT_BINARY_DIR}/windows/quilmo.nsi
  DEPENDS quilmo windows_runtime
  COMMENT "Making ${QUILMO_DIST_NAME}.zip and ${QUILMO_DIST_NAME}-setup.exe"
  VERBATIM)
