#!/usr/bin/env bash
# Writes OUTDIR/sunken-finds-VERSION-linux-MACHINE.tar.xz (OUTDIR defaults to
# build-portable/ in the tree): the game built in a fresh minimal Debian 12
# root, with the SFML, OpenAL Soft, codec and FreeType libraries it loads
# carried beside it, for any distribution on that machine (x86_64, or
# aarch64: cross-built against Debian 12's arm64 libraries) whose glibc is at
# least the newest version the game or a carried library asks for (README.md
# must name it). Two runs from any checkouts of one commit write the same bytes.
#
#   packaging/linux/portable.sh [OUTDIR [x86_64 | aarch64]]
#
# Building in a fresh root rather than on this machine keeps its own packages
# (and any newer glibc) out of the binaries: the game links only what Debian
# 12 gives. Needs root (debootstrap, chroot) and the network for apt; for
# aarch64, qemu-user to list what the game loads (scripts/debian-root.sh).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tree=$(cd "$here/../.." && pwd)
source "$tree/scripts/packages.sh"
source "$tree/scripts/debian-root.sh"

version=$(sed -n 's/^project([^)]*VERSION \([0-9.]*\).*/\1/p' "$tree/CMakeLists.txt")
machine=${2:-x86_64}
case $machine in
  x86_64) arch=amd64 machine_name=x86-64 ;;
  aarch64) arch=arm64 machine_name="64-bit Arm" ;;
  *) echo "usage: packaging/linux/portable.sh [OUTDIR [x86_64 | aarch64]]" >&2; exit 2 ;;
esac
name=sunken-finds-$version-linux-$machine
mkdir -p "${1:-$tree/build-portable}"
out=$(cd "${1:-$tree/build-portable}" && pwd)
# Every time stamp is the commit's; outside git a fixed day (2026-01-01).
SOURCE_DATE_EPOCH=$(git -C "$tree" log -1 --format=%ct 2>/dev/null || echo 1767225600)
export SOURCE_DATE_EPOCH
started=$(date +%s)

work=$(mktemp -d "${TMPDIR:-/tmp}/sunken-portable.XXXXXX")
# A root left mounted by an interrupted run must not take /dev with it.
trap 'drop_root "$work"' EXIT
root=$work/root
log=$out/portable.log
: >"$log"

# --- the build root: Debian 12 with what building the game needs ---------------
echo "== Debian 12 root with the build packages for $arch (log: $log)"
fresh_root bookworm "$root"
packages=("${BUILD_PACKAGES[@]}") cross=() list=ldd
if [ $arch != amd64 ]; then
  # ldd knows only the machine's own loaders: Arm's lists under qemu.
  emulate_arm64 && list="/lib/ld-linux-aarch64.so.1 --list"
  in_root "$root" dpkg --add-architecture $arch
  mapfile -t packages < <(cross_build_packages $arch)
  cross=(-DCMAKE_TOOLCHAIN_FILE=/build/src/cmake/aarch64-linux-gnu.cmake)
fi
root_install "$root" "${packages[@]}" >>"$log" 2>&1 ||
  { tail -n 20 "$log" >&2; echo "portable.sh: installing the build packages failed" >&2; exit 1; }

# --- the game, from the tracked files, at a fixed path ----------------------------
echo "== the game"
mkdir -p "$root/build/src"
if git -C "$tree" rev-parse --git-dir >/dev/null 2>&1; then
  (cd "$tree" && git ls-files -z | tar --null -T - -cf -) | tar -xf - -C "$root/build/src"
else
  (cd "$tree" && tar --exclude='./build*' --exclude=./.git -cf - .) | tar -xf - -C "$root/build/src"
fi
# DT_RPATH (not RUNPATH) $ORIGIN/../lib: searched before LD_LIBRARY_PATH, and
# for the carried libraries' own dependencies too.
# Hardened as Debian 12 builds its own packages.
flags=$(root_build_flags "$root" "${cross:+$arch}") && mapfile -t flags <<<"$flags"
in_root "$root" env "${flags[@]}" SOURCE_DATE_EPOCH="$SOURCE_DATE_EPOCH" sh -c 'cd /build &&
  cmake -S src -B out -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF "$@" \
    -DCMAKE_CXX_FLAGS="$CXXFLAGS -ffile-prefix-map=/build/src=." \
    -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS -Wl,--disable-new-dtags -s" \
    -DCMAKE_BUILD_WITH_INSTALL_RPATH=ON -DCMAKE_INSTALL_RPATH="\$ORIGIN/../lib" &&
  cmake --build out -j2' sh "${cross[@]}" >>"$log" 2>&1 ||
  { tail -n 30 "$log" >&2; echo "portable.sh: building the game failed" >&2; exit 1; }
built_with "$root/build/out" "${flags[@]}"

# --- which libraries it carries ---------------------------------------------------
# Each library the game loads is carried (and why) or the system's; one that is
# neither stops the build until someone decides. The system's are what every
# desktop has, and the C++ runtime and zlib that the system's own GL
# driver loads: a carried older copy would be taken by the driver too.
why() {
  case $1 in
    libsfml-graphics.so.*) echo "SFML: draws the pictures and the text" ;;
    libsfml-window.so.*) echo "SFML: the window, its events and its GL context" ;;
    libsfml-audio.so.*) echo "SFML: plays the music" ;;
    libsfml-system.so.*) echo "SFML: clocks, threads and files" ;;
    libopenal.so.*) echo "OpenAL Soft: SFML's sound output" ;;
    libsndio.so.*) echo "sndio: linked by Debian's OpenAL Soft for its sndio output" ;;
    libbsd.so.*) echo "libbsd: linked by sndio; not on every distribution" ;;
    libmd.so.*) echo "libmd: linked by libbsd" ;;
    libvorbisfile.so.* | libvorbis.so.* | libogg.so.*) echo "Ogg Vorbis: decodes the music" ;;
    libvorbisenc.so.*) echo "Ogg Vorbis: linked by SFML's audio (the game writes no sound)" ;;
    libFLAC.so.*) echo "FLAC: linked by SFML's audio (the game plays no FLAC)" ;;
    libfreetype.so.*) echo "FreeType: draws the font's letters" ;;
    libpng16.so.*) echo "libpng: linked by FreeType" ;;
    libbrotli*.so.*) echo "Brotli: linked by FreeType" ;;
    linux-vdso.so.* | ld-linux-x86-64.so.* | ld-linux-aarch64.so.* | libc.so.* | libm.so.* | libpthread.so.* | libdl.so.* | librt.so.* | \
      libstdc++.so.* | libgcc_s.so.* | libz.so.* | libGL.so.* | libGLX.so.* | libGLdispatch.so.* | libX*.so.* | \
      libxcb.so.* | libudev.so.* | libasound.so.*) echo system ;;
    *) echo "portable.sh: $1: carried or the system's? Add it to why()" >&2; return 1 ;;
  esac
}
# soname, file, package and its version of every library the game loads.
# A package of both architectures is named with the one that holds the file.
loaded=$(in_root "$root" sh -c '$0 /build/out/sunken-finds | while read -r soname arrow path rest; do
  [ "$arrow" = "=>" ] || continue
  real=$(readlink -f "$path"); package=$(dpkg -S "$real" 2>/dev/null || dpkg -S "/lib/${real#/usr/lib/}") || package=?
  package=${package%%: *}
  echo "$soname $real ${package%%:*} $(dpkg-query -W -f "\${source:Package} \${Version}" "$package" 2>/dev/null)"
done' "$list")
stage=$work/stage/$name
mkdir -p "$stage/bin" "$stage/lib" "$stage/licenses"
cp "$root/build/out/sunken-finds" "$stage/bin/"
: >"$work/carried"
while read -r soname real package source pkgversion; do
  reason=$(why "$soname")
  [ "$reason" = system ] && continue
  cp "$root$real" "$stage/lib/$soname"
  cp "$root/usr/share/doc/$package/copyright" "$stage/licenses/$source.txt"
  printf '  lib/%-24s %s %s: %s\n' "$soname" "$package" "$pkgversion" "$reason" >>"$work/carried"
done <<<"$loaded"
sort -o "$work/carried" "$work/carried"

# The newest glibc and libstdc++ versions that the game or a carried library asks for.
newest() {
  for f in "$stage"/bin/* "$stage"/lib/*; do objdump -p "$f"; done |
    sed -n "s/^ *0x[0-9a-f]* 0x[0-9a-f]* [0-9]* $1_\([0-9.]*\)$/\1/p" | sort -V | tail -n1
}
glibc=$(newest GLIBC) glibcxx=$(newest GLIBCXX)
grep -q "glibc $glibc " "$tree/README.md" ||
  { echo "portable.sh: the game now needs glibc $glibc: say so in README.md" >&2; exit 1; }

# --- the folder and its tarball -----------------------------------------------------
(cd "$tree" && git ls-files Fonts Images Sounds 2>/dev/null || find Fonts Images Sounds -type f) |
  while read -r f; do install -D -m 644 "$tree/$f" "$stage/$f"; done
install -m 755 "$here/sunken-finds.sh" "$stage/sunken-finds"
cp "$tree/packaging/sunken-finds.desktop" "$tree/packaging/icon/sunken-finds.png" "$stage/"
cp "$tree/LICENSE" "$stage/licenses/Sunken-Finds.txt"
cp "$tree/Fonts/OFL.txt" "$stage/licenses/Pirata-One-OFL.txt"
sed -e "s/@VERSION@/$version/g" -e "s/@MACHINE@/$machine/g" -e "s/@MACHINE_NAME@/$machine_name/g" -e "s/@GLIBC@/$glibc/g" -e "s/@GLIBCXX@/$glibcxx/g" \
  -e "/@LIBRARIES@/{r $work/carried" -e 'd}' "$here/README.txt" >"$stage/README"

tarball=$out/$name.tar.xz
tar --sort=name --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 --numeric-owner --mode=go-w,a+rX \
  --format=posix --pax-option=exthdr.name=%d/PaxHeaders/%f,delete=atime,delete=ctime \
  -C "$work/stage" -cf - "$name" | xz -9 -T1 >"$tarball.tmp"
mv "$tarball.tmp" "$tarball"
echo "Wrote $tarball ($(du -k "$tarball" | cut -f1) kB; glibc $glibc, GLIBCXX_$glibcxx;" \
  "$(wc -l <"$work/carried") libraries carried) in $(($(date +%s) - started)) s"
