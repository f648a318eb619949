# Cross-builds 64-bit Windows executables with Debian's mingw-w64 and runs them under wine:
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# scripts/windows.sh does this with a wine prefix of its own and runs every test.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PLESSARD_MINGW_TRIPLET x86_64-w64-mingw32)
# The -posix flavour: GoogleTest needs std::mutex, which the -win32 flavour of GCC 12 lacks.
set(CMAKE_C_COMPILER ${PLESSARD_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PLESSARD_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${PLESSARD_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${PLESSARD_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Single executables that need no DLL beside them: the C++ runtime and winpthreads go inside,
# so only the system's own DLLs are imported.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# wine64 itself rather than Debian's wrapper script: one process less for every test.
find_program(PLESSARD_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(PLESSARD_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PLESSARD_WINE})
endif()
