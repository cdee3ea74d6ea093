# SPDX-License-Identifier: MIT
# Cross-compiling for 64-bit Windows with MinGW-w64 on Debian, linking the
# MinGW runtime (libstdc++, libgcc, winpthread) as DLLs. Used for Qt for
# Windows and for the programs built against it: Qt's DLLs use the shared
# runtime, and the programs must share it with them.
include(${CMAKE_CURRENT_LIST_DIR}/mingw_w64_posix.cmake)
set(CMAKE_EXE_LINKER_FLAGS_INIT "")
