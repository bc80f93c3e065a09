# The same sources for 64-bit Windows, for running the tests where 32-bit Wine
# cannot start (see choose_windows_arch in scripts/lib/common.sh).
set(SPINDRIFT_MINGW_CPU x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
