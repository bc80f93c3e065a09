# Cross build for 32-bit Windows with the POSIX-threads flavour of mingw-w64:
# the win32-threads flavour of GCC 12 lacks std::thread and std::mutex.
# mingw-x86_64.cmake reuses it for the 64-bit test build.
if(NOT SPINDRIFT_MINGW_CPU)
    set(SPINDRIFT_MINGW_CPU i686)
endif()
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${SPINDRIFT_MINGW_CPU})

set(CMAKE_C_COMPILER ${SPINDRIFT_MINGW_CPU}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${SPINDRIFT_MINGW_CPU}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${SPINDRIFT_MINGW_CPU}-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${SPINDRIFT_MINGW_CPU}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test programs run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/lib/wine-exec)
