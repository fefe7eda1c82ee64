# Cross-builds for 64-bit Arm on a Debian that has the arm64 architecture
# added (dpkg --add-architecture arm64) and crossbuild-essential-arm64 with
# the :arm64 build packages installed:
#
#   cmake -S . -B out -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake
#
# The :arm64 libraries live in /usr/lib/aarch64-linux-gnu beside the
# machine's own, where CMake looks for the compiler's architecture first.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
# The machine's .pc files describe the machine's libraries, not these.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig)
# CPack would name the machine's architecture (dpkg --print-architecture).
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
