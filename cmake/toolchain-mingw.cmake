# Cross-compiling for Windows with mingw-w64 (posix thread model).
# TAVIX_ARCH selects the target: i686 (the shipped 32-bit build) or x86_64.
if(NOT DEFINED TAVIX_ARCH)
  set(TAVIX_ARCH "$ENV{TAVIX_ARCH}")
endif()
if(NOT TAVIX_ARCH)
  set(TAVIX_ARCH i686)
endif()
set(TAVIX_ARCH "${TAVIX_ARCH}" CACHE STRING "Target processor: i686 or x86_64")
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TAVIX_ARCH)

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TAVIX_ARCH})
set(_triplet ${TAVIX_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${_triplet}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test programs run under Wine, in a prefix private to the build tree.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
