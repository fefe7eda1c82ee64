#!/usr/bin/env bash
# Cross-builds Sunken Finds for 64-bit Windows with Debian's MinGW-w64 and
# writes build-windows/sunken-finds-windows-x64.zip: a folder with
# bin/sunken-finds.exe (and OpenAL32.dll), Fonts/, Images/, Sounds/, a
# README.txt for players and every licence.
#
# SFML and the libraries it needs on Windows are built from Debian's own
# source packages (apt-get source) and kept in a cache outside the tree,
# ${XDG_CACHE_HOME:-~/.cache}/sunken-finds-windows/<versions>, so that a
# repeat build only builds the game. Linked statically: SFML (zlib licence),
# FreeType (FTL), libogg, libvorbis, FLAC (BSD), and the MinGW runtime.
# OpenAL is the one DLL (LGPL for OpenAL Soft), so a player can replace it.
#
#   packaging/windows/build.sh        JOBS=n for another -j than 2
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=$root/build-windows
jobs=${JOBS:-2}
source "$root/scripts/packages.sh"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

install_packages g++-mingw-w64-x86-64 cmake make dpkg-dev zip

# --- Debian's source packages --------------------------------------------

# apt-get source needs deb-src entries: mirror the Debian archive's own.
ensure_deb_src() {
  apt-get indextargets --format '$(CREATED_BY)' | grep -qx Sources && return 0
  local list=/etc/apt/sources.list.d/sunken-finds-deb-src
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | $sudo tee $list.sources >/dev/null
  else
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list | $sudo tee $list.list >/dev/null
  fi
  echo "Added deb-src entries: $(ls $list.*)"
  $sudo apt-get update -qq
}
ensure_deb_src

# The version apt-get source would fetch (the highest one listed).
source_version() {
  apt-cache showsrc --only-source "$1" | sed -n 's/^Version: //p' | sort -uV | tail -n1
}

# fetch PACKAGE DIR: unpacks Debian's source of PACKAGE (patches applied) in DIR.
fetch() {
  local dir=$2
  rm -rf "$dir" && mkdir -p "$dir"
  (cd "$dir" && apt-get source -qq "$1=${versions[$1]}" >"$dir.log" 2>&1) || { cat "$dir.log" >&2; return 1; }
  local tree
  tree=$(find "$dir" -mindepth 1 -maxdepth 1 -type d | head -n1)
  [ -n "$tree" ] && ln -s "$tree" "$dir/src"
}

declare -A versions
for p in libsfml freetype libogg libvorbis flac openal-soft; do
  versions[$p]=$(source_version $p)
  [ -n "${versions[$p]}" ] || { echo "no Debian source package $p" >&2; exit 1; }
done

# --- the libraries ---------------------------------------------------------

# cmake_lib NAME SOURCE_DIR [OPTIONS...]: configure, build and install one
# library into $prefix, static and in Release, with nothing else built.
cmake_lib() {
  local name=$1 src=$2 log=$work/$1.log; shift 2
  echo "== $name"
  { cmake -S "$src" -B "$work/build-$name" -G "Unix Makefiles" \
      -DCMAKE_TOOLCHAIN_FILE="$here/toolchain.cmake" -DSUNKEN_WINDOWS_PREFIX="$prefix" \
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
      -DBUILD_SHARED_LIBS=OFF -DBUILD_TESTING=OFF "$@" &&
    nice -n 10 cmake --build "$work/build-$name" -j"$jobs" &&
    cmake --install "$work/build-$name"; } >"$log" 2>&1 || { tail -n 40 "$log" >&2; exit 1; }
}

licence() {  # licence FILE NAME: the text shipped in the zip's licenses/
  mkdir -p "$prefix/licenses"
  cp "$1" "$prefix/licenses/$2"
}

build_libraries() {
  fetch libogg "$work/ogg"
  cmake_lib ogg "$work/ogg/src" -DINSTALL_DOCS=OFF -DINSTALL_PKG_CONFIG_MODULE=OFF
  licence "$work/ogg/src/COPYING" libogg.txt

  fetch libvorbis "$work/vorbis"
  cmake_lib vorbis "$work/vorbis/src"
  licence "$work/vorbis/src/COPYING" libvorbis.txt

  # Native FLAC only (SFML reads no Ogg FLAC); no C++ library, programs or docs.
  fetch flac "$work/flac"
  cmake_lib flac "$work/flac/src" -DWITH_OGG=OFF -DBUILD_CXXLIBS=OFF -DBUILD_PROGRAMS=OFF \
    -DBUILD_EXAMPLES=OFF -DBUILD_DOCS=OFF -DINSTALL_MANPAGES=OFF -DINSTALL_PKGCONFIG_MODULES=OFF \
    -DWITH_STACK_PROTECTOR=OFF -DWITH_FORTIFY_SOURCE=OFF
  licence "$work/flac/src/COPYING.Xiph" libFLAC.txt

  # FreeType reads plain TrueType here: none of its optional dependencies
  # (its own copy of zlib's inflate still reads gzip-compressed fonts).
  fetch freetype "$work/freetype"
  cmake_lib freetype "$work/freetype/src" -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON \
    -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
  licence "$work/freetype/src/docs/FTL.TXT" FreeType-FTL.txt

  build_openal

  fetch libsfml "$work/sfml"
  cmake_lib sfml "$work/sfml/src" -DSFML_USE_SYSTEM_DEPS=ON -DSFML_BUILD_NETWORK=OFF \
    -DSFML_BUILD_EXAMPLES=OFF -DSFML_BUILD_DOC=OFF -DSFML_GENERATE_PDB=OFF \
    -DOPENAL_INCLUDE_DIR="$prefix/include/AL" -DOPENAL_LIBRARY="$prefix/lib/libopenal32.dll.a"
  licence "$work/sfml/src/license.md" SFML.txt
  # SFML's package config asks for "OpenGL32", as on Windows' case-blind
  # file system; MinGW's import library is libopengl32.a.
  ln -s /usr/x86_64-w64-mingw32/lib/libopengl32.a "$prefix/lib/libOpenGL32.a"
}

# OpenAL Soft as OpenAL32.dll. When the archive does not hand out its source
# (this machine's mirror answers 404 for openal-soft's tarballs), the zip gets
# silent-openal.c instead: the same DLL name and calls, built against
# OpenAL Soft's headers from Debian's libopenal-dev, answering "no device".
build_openal() {
  if fetch openal-soft "$work/openal" 2>/dev/null; then
    cmake_lib openal "$work/openal/src" -DBUILD_SHARED_LIBS=ON -DLIBTYPE=SHARED \
      -DALSOFT_UTILS=OFF -DALSOFT_NO_CONFIG_UTIL=ON -DALSOFT_EXAMPLES=OFF -DALSOFT_TESTS=OFF \
      -DALSOFT_CONFIG=OFF -DALSOFT_HRTF_DEFS=OFF -DALSOFT_AMBDEC_PRESETS=OFF -DALSOFT_INSTALL=ON \
      -DCMAKE_SHARED_LINKER_FLAGS=-static
    cp "$prefix/lib/libOpenAL32.dll.a" "$prefix/lib/libopenal32.dll.a"
    licence "$work/openal/src/COPYING" OpenAL-Soft-LGPL.txt
    echo "OpenAL Soft ${versions[openal-soft]}" >"$prefix/openal.txt"
    return
  fi
  echo "== openal: Debian's openal-soft source could not be fetched:" >&2
  grep '^E:' "$work/openal.log" | sed 's/^/   /' >&2
  echo "   building the silent OpenAL32.dll instead: the Windows game will have no sound" >&2
  (cd "$work" && apt-get download -qq libopenal-dev 2>/dev/null && dpkg-deb -x libopenal-dev_*.deb openal-dev)
  mkdir -p "$prefix/include" "$prefix/bin" "$prefix/lib"
  cp -r "$work/openal-dev/usr/include/AL" "$prefix/include/"
  x86_64-w64-mingw32-gcc-posix -std=c99 -O2 -Wall -Wextra -Werror -shared -I"$prefix/include" \
    -o "$prefix/bin/OpenAL32.dll" "$here/silent-openal.c" \
    -Wl,--out-implib,"$prefix/lib/libopenal32.dll.a" -static-libgcc
  licence "$work/openal-dev/usr/share/doc/libopenal-dev/copyright" OpenAL-Soft-headers.txt
  licence /usr/share/common-licenses/LGPL-2 LGPL-2.txt
  echo "silent stand-in (no OpenAL Soft source): headers of libopenal-dev ${versions[openal-soft]}" >"$prefix/openal.txt"
  cat >"$prefix/README-openal.txt" <<'NOTE'

This build plays no sound: its bin\OpenAL32.dll is a stand-in that finds no
sound device, because OpenAL Soft's source was not at hand when it was made.
For music, put the OpenAL32.dll of a 64-bit build of OpenAL Soft in bin\.
NOTE
}

started=$(date +%s)
recipe=$( (declare -f build_libraries build_openal cmake_lib fetch; cat "$here/toolchain.cmake" "$here/silent-openal.c";
           x86_64-w64-mingw32-gcc-posix --version | head -n1) | sha256sum | cut -c1-12)
key="sfml-${versions[libsfml]}_freetype-${versions[freetype]}_ogg-${versions[libogg]}_vorbis-${versions[libvorbis]}_flac-${versions[flac]}_openal-${versions[openal-soft]}_$recipe"
key=${key//[:+~]/-}
cache=${XDG_CACHE_HOME:-$HOME/.cache}/sunken-finds-windows
prefix=$cache/$key
if [ -f "$prefix/done" ]; then
  echo "Libraries from the cache: $prefix"
else
  echo "Building the libraries into $prefix (logs in $cache/work)"
  work=$cache/work
  rm -rf "$work" "$prefix"
  mkdir -p "$work"
  build_libraries
  # The MinGW runtime linked into the game: winpthread's and the CRT's notices,
  # libgcc and libstdc++ under the GCC runtime library exception.
  licence /usr/share/doc/mingw-w64-common/copyright MinGW-w64-runtime.txt
  licence /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright GCC-runtime.txt
  rm -rf "$work"
  touch "$prefix/done"
  # Libraries of other versions or recipes are not used again.
  find "$cache" -mindepth 1 -maxdepth 1 -type d ! -name "$key" -exec rm -rf {} +
  echo "Libraries built in $(($(date +%s) - started)) s"
fi

# --- the game ------------------------------------------------------------------

echo "== sunken-finds.exe"
mkdir -p "$out"
cmake -S "$root" -B "$out" -G "Unix Makefiles" \
  -DCMAKE_TOOLCHAIN_FILE="$here/toolchain.cmake" -DSUNKEN_WINDOWS_PREFIX="$prefix" \
  -DCMAKE_BUILD_TYPE=Release -DSFML_STATIC_LIBRARIES=TRUE -DSFML_DIR="$prefix/lib/cmake/SFML" \
  -DOPENAL_INCLUDE_DIR="$prefix/include/AL" -DOPENAL_LIBRARY="$prefix/lib/libopenal32.dll.a" >"$out/build.log" 2>&1
nice -n 10 cmake --build "$out" --target sunken-finds -j"$jobs" >>"$out/build.log" 2>&1 || { cat "$out/build.log" >&2; exit 1; }

# --- the zip: one folder, started from bin/ so that ../Fonts is found -----------

stage=$out/zip/sunken-finds
rm -rf "$out/zip" && mkdir -p "$stage/bin" "$stage/licenses"
x86_64-w64-mingw32-strip -o "$stage/bin/sunken-finds.exe" "$out/sunken-finds.exe"
cp "$prefix/bin/OpenAL32.dll" "$stage/bin/"
(cd "$root" && git ls-files Fonts Images Sounds 2>/dev/null || find Fonts Images Sounds -type f) |
  while read -r f; do install -D -m 644 "$root/$f" "$stage/$f"; done
cp "$prefix"/licenses/* "$stage/licenses/"
cp "$root/LICENSE" "$stage/licenses/Sunken-Finds.txt"
cp "$root/Fonts/OFL.txt" "$stage/licenses/Pirata-One-OFL.txt"
{ cat "$here/README.txt"; cat "$prefix/README-openal.txt" 2>/dev/null || true; } | sed 's/$/\r/' >"$stage/README.txt"
rm -f "$out/sunken-finds-windows-x64.zip"
(cd "$out/zip" && zip -qrX9 ../sunken-finds-windows-x64.zip sunken-finds)

echo "DLLs the game imports: $(x86_64-w64-mingw32-objdump -p "$stage/bin/sunken-finds.exe" |
  sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')"
echo "OpenAL32.dll: $(cat "$prefix/openal.txt")"
echo "Wrote $out/sunken-finds-windows-x64.zip ($(du -k "$out/sunken-finds-windows-x64.zip" | cut -f1) kB) in $(($(date +%s) - started)) s"
