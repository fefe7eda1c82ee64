#!/usr/bin/env bash
# Cross-builds Sunken Finds for 64-bit Windows with Debian's MinGW-w64 and
# writes build-windows/sunken-finds-windows-x64.zip: a folder with
# bin/sunken-finds.exe (and OpenAL32.dll), Fonts/, Images/, Sounds/, a
# README.txt for players and every licence.
#
# SFML and the libraries it needs on Windows are built from Debian's own
# source packages (apt-get source; OpenAL Soft's from trixie, see
# fetch_openal) and kept in a cache outside the tree,
# ${XDG_CACHE_HOME:-~/.cache}/sunken-finds-windows/<versions>, so that a
# repeat build only builds the game. Linked statically: SFML (zlib licence),
# FreeType (FTL), libogg, libvorbis, FLAC (BSD), and the MinGW runtime.
# OpenAL Soft is the one DLL (LGPL), so a player can replace it.
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

# OpenAL Soft's upstream version, taken from Debian trixie (see fetch_openal).
openal_version=1.24.2
debian_archive=${DEBIAN_ARCHIVE:-http://deb.debian.org/debian}

declare -A versions
for p in libsfml freetype libogg libvorbis flac; do
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

# OpenAL Soft as OpenAL32.dll, from Debian trixie's source package: this
# archive answers 404 for bookworm's openal-soft tarballs (1.19.1), while
# trixie's upstream tarball downloads, checked by apt against trixie's signed
# Sources index. Its .dsc and Debian patches answer 404 too; they are about
# Debian's Linux packaging, so the upstream tree is built as it is. The apt
# setup is private to $work (only the trixie deb-src line): the system's apt
# configuration is left as it was. A new upstream version in trixie stops
# the build until openal_version says it.
fetch_openal() {
  local dir=$work/openal apt=$work/openal/apt tarball=openal-soft_${openal_version}.orig.tar.gz
  rm -rf "$dir" && mkdir -p "$apt/lists/partial" "$dir/download"
  echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $debian_archive trixie main" >"$apt/sources.list"
  local opts=(-o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts=-
              -o Dir::State::Lists="$apt/lists" -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=)
  apt-get "${opts[@]}" update >"$dir.log" 2>&1 || { cat "$dir.log" >&2; return 1; }
  local uris uri
  uris=$(apt-get "${opts[@]}" source --print-uris openal-soft/trixie 2>>"$dir.log") || { cat "$dir.log" >&2; return 1; }
  uri=$(grep -F " $tarball " <<<"$uris") || {
    echo "trixie's openal-soft is not $openal_version: $(awk '/^\x27/ {print $2}' <<<"$uris" | tr '\n' ' ')" >&2; return 1; }
  # The command fails for the .dsc and the Debian patches: only the tarball counts.
  (cd "$dir/download" && apt-get "${opts[@]}" source --download-only openal-soft/trixie) >>"$dir.log" 2>&1 || true
  local want got
  want=$(sed -n 's/.* SHA256:\([0-9a-f]\{64\}\)$/\1/p' <<<"$uri")
  got=$(sha256sum "$dir/download/$tarball" 2>/dev/null | cut -d' ' -f1)
  if [ -z "$got" ] || [ "$got" != "$want" ]; then
    cat "$dir.log" >&2
    if [ -z "$got" ]; then echo "openal-soft: $tarball was not downloaded" >&2
    else echo "openal-soft: $tarball has SHA256 $got, trixie lists ${want:-none}" >&2; fi
    return 1
  fi
  tar -xzf "$dir/download/$tarball" -C "$dir"
  ln -s "$(find "$dir" -mindepth 1 -maxdepth 1 -type d -name 'openal-soft*' | head -n1)" "$dir/src"
}

# Only the Windows backends (WASAPI, DirectSound, WinMM; the null one is
# built in) and the library: no programs, examples, tests, config GUI, EAX
# or HRTF data. libgcc, libstdc++ and winpthread are linked into the DLL.
build_openal() {
  fetch_openal || { echo "== openal: no OpenAL Soft source, no Windows zip" >&2; exit 1; }
  cmake_lib openal "$work/openal/src" -DLIBTYPE=SHARED -DALSOFT_UTILS=OFF -DALSOFT_NO_CONFIG_UTIL=ON \
    -DALSOFT_EXAMPLES=OFF -DALSOFT_TESTS=OFF -DALSOFT_INSTALL_CONFIG=OFF -DALSOFT_INSTALL_HRTF_DATA=OFF \
    -DALSOFT_INSTALL_AMBDEC_PRESETS=OFF -DALSOFT_INSTALL_EXAMPLES=OFF -DALSOFT_INSTALL_UTILS=OFF \
    -DALSOFT_UPDATE_BUILD_VERSION=OFF -DALSOFT_BUILD_IMPORT_LIB=OFF -DALSOFT_EAX=OFF -DALSOFT_EMBED_HRTF_DATA=OFF \
    -DALSOFT_BACKEND_PIPEWIRE=OFF -DALSOFT_BACKEND_PULSEAUDIO=OFF -DALSOFT_BACKEND_JACK=OFF \
    -DALSOFT_BACKEND_PORTAUDIO=OFF -DALSOFT_BACKEND_WAVE=OFF -DALSOFT_BACKEND_SDL2=OFF -DALSOFT_BACKEND_SDL3=OFF \
    -DALSOFT_REQUIRE_WASAPI=ON -DALSOFT_REQUIRE_DSOUND=ON -DALSOFT_REQUIRE_WINMM=ON \
    -DALSOFT_STATIC_LIBGCC=ON -DALSOFT_STATIC_STDCXX=ON -DALSOFT_STATIC_WINPTHREAD=ON
  cp "$prefix/lib/libOpenAL32.dll.a" "$prefix/lib/libopenal32.dll.a"
  # The DLL also holds PFFFT, BSD-licensed filters and {fmt}: their notices too.
  licence "$work/openal/src/COPYING" OpenAL-Soft-LGPL.txt
  licence "$work/openal/src/BSD-3Clause" OpenAL-Soft-BSD-3Clause.txt
  licence "$work/openal/src/LICENSE-pffft" OpenAL-Soft-PFFFT.txt
  licence "$work/openal/src/fmt-"*/LICENSE OpenAL-Soft-fmt.txt
}

started=$(date +%s)
recipe=$( (declare -f build_libraries build_openal fetch_openal cmake_lib fetch; cat "$here/toolchain.cmake";
           x86_64-w64-mingw32-gcc-posix --version | head -n1) | sha256sum | cut -c1-12)
key="sfml-${versions[libsfml]}_freetype-${versions[freetype]}_ogg-${versions[libogg]}_vorbis-${versions[libvorbis]}_flac-${versions[flac]}_openal-${openal_version}_$recipe"
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
x86_64-w64-mingw32-strip -o "$stage/bin/OpenAL32.dll" "$prefix/bin/OpenAL32.dll"
(cd "$root" && git ls-files Fonts Images Sounds 2>/dev/null || find Fonts Images Sounds -type f) |
  while read -r f; do install -D -m 644 "$root/$f" "$stage/$f"; done
cp "$prefix"/licenses/* "$stage/licenses/"
cp "$root/LICENSE" "$stage/licenses/Sunken-Finds.txt"
cp "$root/Fonts/OFL.txt" "$stage/licenses/Pirata-One-OFL.txt"
sed -e "s/@OPENAL_VERSION@/$openal_version/" -e 's/$/\r/' "$here/README.txt" >"$stage/README.txt"
rm -f "$out/sunken-finds-windows-x64.zip"
(cd "$out/zip" && zip -qrX9 ../sunken-finds-windows-x64.zip sunken-finds)

echo "DLLs the game imports: $(x86_64-w64-mingw32-objdump -p "$stage/bin/sunken-finds.exe" |
  sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')"
echo "DLLs OpenAL32.dll imports: $(x86_64-w64-mingw32-objdump -p "$stage/bin/OpenAL32.dll" |
  sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')"
echo "Wrote $out/sunken-finds-windows-x64.zip ($(du -k "$out/sunken-finds-windows-x64.zip" | cut -f1) kB) in $(($(date +%s) - started)) s"
