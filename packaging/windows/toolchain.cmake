# Debian's MinGW-w64 cross compiler for 64-bit Windows. The "posix" flavour
# has std::thread; everything here is built with it so that one libstdc++
# and one winpthread are linked (statically) into the game.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Look for libraries and headers only in the compiler's own root and in the
# prefix of the cross-built libraries (passed as SUNKEN_WINDOWS_PREFIX).
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${SUNKEN_WINDOWS_PREFIX})
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES SUNKEN_WINDOWS_PREFIX)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No MinGW runtime DLLs beside the game: libgcc, libstdc++ and winpthread
# go into the executable (their licences' runtime exceptions allow it).
# SFML names some system libraries bare (-lOpenGL32): the prefix's lib/
# holds what MinGW spells otherwise.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -L${SUNKEN_WINDOWS_PREFIX}/lib -Wl,--no-insert-timestamp")
# The same bytes from every build: no link time in a PE header (the game's,
# OpenAL32.dll's), and no build folder in what is compiled (SUNKEN_PREFIX_MAP
# is "-ffile-prefix-map=..." for the libraries' throw-away build folders).
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-Wl,--no-insert-timestamp")
set(CMAKE_C_FLAGS_INIT "${SUNKEN_PREFIX_MAP}")
set(CMAKE_CXX_FLAGS_INIT "${SUNKEN_PREFIX_MAP}")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES SUNKEN_PREFIX_MAP)
