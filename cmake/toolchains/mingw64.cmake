# 64-bit Windows with Debian's mingw-w64. The -posix compilers, because Qt
# and std::thread need the winpthreads threading model.
# Builds Qt itself (scripts/cross-qt win64) and Quilmo against that Qt:
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw64.cmake \
#         -DCMAKE_PREFIX_PATH=<prefix printed by scripts/cross-qt win64> ...
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUILMO_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${QUILMO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILMO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER  ${QUILMO_MINGW_TRIPLET}-windres)

# Headers, libraries and packages come from the mingw root only, never from
# the Linux host; tools (moc, rcc, uic) do come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${QUILMO_MINGW_TRIPLET})
# A cross-built Qt sits in the cache, outside that root: whatever
# CMAKE_PREFIX_PATH names becomes a root too, as Qt's own toolchain does it.
list(APPEND CMAKE_FIND_ROOT_PATH ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A cross-built Qt runs its code generators from the host's Qt 6.4.2
# (Debian's qt6-base-dev), which keeps its CMake files in the multiarch folder.
if(NOT DEFINED QT_HOST_PATH)
  set(QT_HOST_PATH /usr)
endif()
if(NOT DEFINED QT_HOST_PATH_CMAKE_DIR)
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()
