#!/usr/bin/env bash
# Cross-builds Sunken Finds for 64-bit Windows with Debian's MinGW-w64 and
# writes build-windows/sunken-finds-<version>-windows-x64.zip: a folder with
# bin/sunken-finds.exe (and OpenAL32.dll), Fonts/, Images/, Sounds/, a
# README.txt for players and every licence; and beside it an installer of
# the same files, build-windows/sunken-finds-<version>-windows-x64.exe, made
# by Debian's NSIS from sunken-finds.nsi.
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
#
# The system is left as it was, apart from the Debian packages installed:
# Debian's sources are read through an apt setup private to each run.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=$root/build-windows
jobs=${JOBS:-2}
source "$root/scripts/packages.sh"
install_packages g++-mingw-w64-x86-64 cmake make dpkg-dev zip nsis

# One run of this script at a time per checkout; runs in other checkouts, and
# their library caches, are left alone.
mkdir -p "$out"
exec 9>"$out/.lock"
flock 9

# Each run works in a folder of its own, removed when the run succeeds. A
# failed step prints the end of its log and keeps the folder for a look.
work=$(mktemp -d "${TMPDIR:-/tmp}/sunken-finds-windows.XXXXXX")
trap 'status=$?; [ $status -eq 0 ] && rm -rf "$work"' EXIT

# step NAME COMMAND...: runs a step with its output in $work/NAME.log.
step() {
  local name=$1; shift
  "$@" >"$work/$name.log" 2>&1 && return 0
  tail -n 40 "$work/$name.log" >&2
  echo "build.sh: the step '$name' failed; its log: $work/$name.log" >&2
  exit 1
}

# --- Debian's source packages --------------------------------------------

# apt-get source reads deb-src entries from an apt setup private to this run:
# the system's apt configuration is never changed. private_apt NAME LINE...
# writes such a setup with these sources lines and fills apt_NAME with the
# options that use it.
private_apt() {
  local name=$1 dir=$work/apt-$1; shift
  mkdir -p "$dir/lists/partial"
  printf '%s\n' "$@" >"$dir/sources.list"
  local -n options=apt_$name
  options=(-o Dir::Etc::SourceList="$dir/sources.list" -o Dir::Etc::SourceParts=-
           -o Dir::State::Lists="$dir/lists" -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=)
  step "apt-update-$name" apt-get "${options[@]}" update
}

# Bookworm's sources from the Debian archives the system's own binary
# entries name (a mirror, a snapshot), whichever file or format they are in.
debian_keyring=/usr/share/keyrings/debian-archive-keyring.gpg
debian_archive=${DEBIAN_ARCHIVE:-http://deb.debian.org/debian}
# On a newer release (Debian 13) its suites are named for bookworm's: the
# libraries are bookworm's wherever the zip is built.
host_release=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
mapfile -t bookworm_lines < <(apt-get indextargets --format "deb-src [signed-by=$debian_keyring] \$(REPO_URI) \$(RELEASE) \$(COMPONENT)" \
  'Created-By: Packages' 'Origin: Debian' | sed "s/ $host_release\([- ]\)/ bookworm\1/" | sort -u)
[ ${#bookworm_lines[@]} -gt 0 ] || bookworm_lines=("deb-src [signed-by=$debian_keyring] $debian_archive bookworm main")
declare -a apt_bookworm apt_trixie
private_apt bookworm "${bookworm_lines[@]}"

# The version apt-get source would fetch (the highest one listed).
source_version() {
  apt-cache "${apt_bookworm[@]}" showsrc --only-source "$1" | sed -n 's/^Version: //p' | sort -uV | tail -n1
}

# fetch PACKAGE DIR: unpacks Debian's source of PACKAGE (patches applied) in DIR.
fetch() {
  local dir=$2
  rm -rf "$dir" && mkdir -p "$dir"
  (cd "$dir" && step "source-$1" apt-get "${apt_bookworm[@]}" source "$1=${versions[$1]}")
  local tree
  tree=$(find "$dir" -mindepth 1 -maxdepth 1 -type d | head -n1)
  [ -n "$tree" ] && ln -s "$tree" "$dir/src"
}

# OpenAL Soft's upstream version, taken from Debian trixie (see fetch_openal).
openal_version=1.24.2

declare -A versions
for p in libsfml freetype libogg libvorbis flac; do
  versions[$p]=$(source_version $p)
  [ -n "${versions[$p]}" ] || { echo "no Debian source package $p" >&2; exit 1; }
done

# --- the libraries ---------------------------------------------------------

# cmake_lib NAME SOURCE_DIR [OPTIONS...]: configure, build and install one
# library into $prefix, static and in Release, with nothing else built.
cmake_lib() {
  local name=$1 src=$2; shift 2
  echo "== $name"
  step "configure-$name" cmake -S "$src" -B "$work/build-$name" -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$here/toolchain.cmake" -DSUNKEN_WINDOWS_PREFIX="$prefix" \
    -DSUNKEN_PREFIX_MAP="-ffile-prefix-map=$work=/build -ffile-prefix-map=$prefix=/prefix" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
    -DBUILD_SHARED_LIBS=OFF -DBUILD_TESTING=OFF "$@"
  step "build-$name" nice -n 10 cmake --build "$work/build-$name" -j"$jobs"
  step "install-$name" cmake --install "$work/build-$name"
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
# Debian's Linux packaging, so the upstream tree is built as it is. A new
# upstream version in trixie stops the build until openal_version says it.
fetch_openal() {
  local dir=$work/openal tarball=openal-soft_${openal_version}.orig.tar.gz
  rm -rf "$dir" && mkdir -p "$dir/download"
  private_apt trixie "deb-src [signed-by=$debian_keyring] $debian_archive trixie main"
  local uris uri
  uris=$(apt-get "${apt_trixie[@]}" source --print-uris openal-soft/trixie 2>"$dir.log") || { cat "$dir.log" >&2; return 1; }
  uri=$(grep -F " $tarball " <<<"$uris") || {
    echo "trixie's openal-soft is not $openal_version: $(awk '/^\x27/ {print $2}' <<<"$uris" | tr '\n' ' ')" >&2; return 1; }
  # The command fails for the .dsc and the Debian patches: only the tarball counts.
  (cd "$dir/download" && apt-get "${apt_trixie[@]}" source --download-only openal-soft/trixie) >>"$dir.log" 2>&1 || true
  local want got
  want=$(sed -n 's/.* SHA256:\([0-9a-f]\{64\}\)$/\1/p' <<<"$uri")
  got=$(sha256sum "$dir/download/$tarball" 2>/dev/null | cut -d' ' -f1)
  if [ -z "$got" ] || [ "$got" != "$want" ]; then
    tail -n 40 "$dir.log" >&2
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
mkdir -p "$cache"
# Runs that need the same libraries (from any checkout) build them once: the
# others wait for the first, then read its cache.
exec 8>"$prefix.lock"
flock 8
if [ -f "$prefix/done" ]; then
  echo "Libraries from the cache: $prefix"
else
  echo "Building the libraries into $prefix (logs in $work)"
  rm -rf "$prefix"
  build_libraries
  # The MinGW runtime linked into the game: winpthread's and the CRT's notices,
  # libgcc and libstdc++ under the GCC runtime library exception.
  licence /usr/share/doc/mingw-w64-common/copyright MinGW-w64-runtime.txt
  licence /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright GCC-runtime.txt
  echo "Libraries built in $(($(date +%s) - started)) s"
fi
touch "$prefix/done"
flock -u 8
# Libraries that no build has used for 30 days go.
find "$cache" -mindepth 2 -maxdepth 2 -name done -mtime +30 -printf '%h\n' |
  while read -r old; do rm -rf "$old" "$old.lock"; done

# --- the game ------------------------------------------------------------------

echo "== sunken-finds.exe"
step configure-game cmake -S "$root" -B "$out" -G "Unix Makefiles" \
  -DCMAKE_TOOLCHAIN_FILE="$here/toolchain.cmake" -DSUNKEN_WINDOWS_PREFIX="$prefix" \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DSFML_STATIC_LIBRARIES=TRUE -DSFML_DIR="$prefix/lib/cmake/SFML" \
  -DOPENAL_INCLUDE_DIR="$prefix/include/AL" -DOPENAL_LIBRARY="$prefix/lib/libopenal32.dll.a"
step build-game nice -n 10 cmake --build "$out" --target sunken-finds -j"$jobs"

# --- the zip: one folder, started from bin/ so that ../Fonts is found -----------

# The same bytes from every checkout and run: one time for everything, the
# commit's (or SOURCE_DATE_EPOCH's), which strip also writes into the PE
# headers in place of the time of the run.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || date +%s)}
export SOURCE_DATE_EPOCH
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
# One mode and that time for every file, in UTC, in a fixed order. The
# installer keeps these times too.
chmod -R u=rwX,go=rX "$stage"
find "$out/zip" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
# The version CMake's project() gives the game, in both file names.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/CMakeCache.txt")
[ -n "$version" ] || { echo "build.sh: no CMAKE_PROJECT_VERSION in $out/CMakeCache.txt" >&2; exit 1; }
zip=$out/sunken-finds-$version-windows-x64.zip
rm -f "$out"/sunken-finds-*windows-x64.zip
(cd "$out/zip" && find sunken-finds | LC_ALL=C sort | TZ=UTC zip -qX9 -@ "$zip")

# --- the installer: the zip's folder, for the current user ------------------------

installer=$out/sunken-finds-$version-windows-x64.exe
# The licence page: the game's licence, then the others the folder holds.
{ cat "$root/LICENSE"
  printf '\nSunken Finds comes with works of others under their own licences, installed\n'
  printf 'beside the game in its licenses folder:\n\n'
  (cd "$stage/licenses" && ls | LC_ALL=C sort | grep -vx Sunken-Finds.txt | sed 's/^/  licenses\\/')
} | sed 's/$/\r/' >"$work/licence.txt"
# The wizard's pictures go in as files, with their times: the commit's, as
# the game's files have, not the checkout's.
for picture in installer-sidebar installer-header; do
  cp "$here/$picture.bmp" "$work/" && touch -d "@$SOURCE_DATE_EPOCH" "$work/$picture.bmp"
done
rm -f "$out"/sunken-finds-*-windows-x64.exe
echo "== $(basename "$installer")"
step makensis makensis -WX -NOCD -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" \
  -DLICENCE="$work/licence.txt" -DICON="$root/packaging/icon/sunken-finds.ico" -DOUTFILE="$installer" \
  -DSIDEBAR="$work/installer-sidebar.bmp" -DHEADER="$work/installer-header.bmp" \
  "$here/sunken-finds.nsi"

echo "DLLs the game imports: $(x86_64-w64-mingw32-objdump -p "$stage/bin/sunken-finds.exe" |
  sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')"
echo "DLLs OpenAL32.dll imports: $(x86_64-w64-mingw32-objdump -p "$stage/bin/OpenAL32.dll" |
  sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')"
echo "Wrote $zip ($(du -k "$zip" | cut -f1) kB)" \
  "and $(basename "$installer") ($(du -k "$installer" | cut -f1) kB) in $(($(date +%s) - started)) s"
