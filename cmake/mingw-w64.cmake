# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-building for 64-bit Windows with Debian's MinGW-w64 compilers. The POSIX-thread variant:
# Qt and the program use std::thread and std::mutex, which the win32-thread variant lacks.
# Used both for Qt itself and for the program; the program's build also finds the cross-built Qt,
# whose folder scripts/qt-windows passes in VELTRIX_QT_WINDOWS (an environment variable, so
# that CMake's own test compilations, which read this file again, see it too).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw})
if(DEFINED ENV{VELTRIX_QT_WINDOWS})
    list(APPEND CMAKE_FIND_ROOT_PATH "$ENV{VELTRIX_QT_WINDOWS}")
endif()
# Programs run on the build machine; libraries, headers and packages come from Windows' side.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
