# Finishes the page's folder once its files are in place:
#   cmake -DFOLDER=dir -DVERSION=x.y.z -DTEMPLATE=sw.js.in -P folder.cmake
# - a .gz and a .br beside each file worth compressing, for servers that send
#   them as they are (README: serving the page);
# - sw.js, the service worker, with every file's size and SHA-256.
foreach(var FOLDER VERSION TEMPLATE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "folder.cmake needs -D${var}=...")
  endif()
endforeach()
# Run by hand from anywhere, the folder may be named relative to here.
get_filename_component(FOLDER "${FOLDER}" ABSOLUTE)
find_program(GZIP gzip REQUIRED)
find_program(BROTLI brotli REQUIRED)

file(GLOB_RECURSE all RELATIVE ${FOLDER} ${FOLDER}/*)
set(names)
foreach(name IN LISTS all)
  if(NOT name MATCHES "\\.(gz|br)$" AND NOT name STREQUAL "sw.js")
    list(APPEND names ${name})
  endif()
endforeach()
list(SORT names)

set(entries)
set(everything "")
foreach(name IN LISTS names)
  set(path ${FOLDER}/${name})
  file(SIZE ${path} size)
  file(SHA256 ${path} sha)
  list(APPEND entries "  \"${name}\": { size: ${size}, sha256: \"${sha}\" }")
  string(APPEND everything "${name} ${sha}\n")
  # Pictures are compressed already; files of a packet or less gain nothing.
  if(size GREATER 1400 AND NOT name MATCHES "\\.png$")
    # Only where the file is newer: brotli's best takes a while.
    if(NOT EXISTS ${path}.gz OR ${path} IS_NEWER_THAN ${path}.gz)
      # Both tools give the copy the file's own time; it is made newer.
      execute_process(COMMAND ${GZIP} -9 -n -k -f ${path} COMMAND_ERROR_IS_FATAL ANY)
      file(TOUCH ${path}.gz)
    endif()
    if(NOT EXISTS ${path}.br OR ${path} IS_NEWER_THAN ${path}.br)
      execute_process(COMMAND ${BROTLI} -q 11 -k -f ${path} COMMAND_ERROR_IS_FATAL ANY)
      file(TOUCH ${path}.br)
    endif()
  else()
    file(REMOVE ${path}.gz ${path}.br)
  endif()
endforeach()
list(JOIN entries ",\n" QUILMO_FILES)
set(QUILMO_FILES "{\n${QUILMO_FILES}\n}")
string(SHA256 digest "${everything}")
string(SUBSTRING ${digest} 0 12 QUILMO_DIGEST)
set(QUILMO_VERSION ${VERSION})
configure_file(${TEMPLATE} ${FOLDER}/sw.js @ONLY)
