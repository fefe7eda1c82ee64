#!/usr/bin/env bash
# Writes every download of the version that project() in CMakeLists.txt
# declares into dist/ (V is that version), built from the current commit:
#
#   sunken-finds-V.tar.xz                  the source, from git
#   sunken-finds_V_debian12_amd64.deb      built in a minimal Debian 12 root
#   sunken-finds_V_debian13_amd64.deb      built in a minimal Debian 13 root
#   sunken-finds_V_debian12_arm64.deb      cross-built in a Debian 12 root
#   sunken-finds_V_debian13_arm64.deb      cross-built in a Debian 13 root
#   sunken-finds-V-linux-x86_64.tar.xz     the portable Linux build, with
#                                          its own libraries
#   sunken-finds-V-linux-aarch64.tar.xz    the same for 64-bit Arm
#   sunken-finds-V-windows-x64.zip         the Windows zip
#   sunken-finds-V-windows-x64.exe         the Windows installer
#   sunken-finds-V-release-notes.md        the version's CHANGELOG.md entry
#   SHA256SUMS                             for sha256sum -c
#
# then checks them: the sums, each .deb installed with apt into a fresh root
# of its release and architecture and played from / (arm64 under qemu), each
# portable build played in a Debian 13 root of its architecture (the x86-64
# one here too), and the source tarball built outside the repository with
# the README's cmake commands.
#
#   scripts/release.sh            everything (docs/releasing.md)
#   scripts/release.sh --check    only whether a release may be cut: the
#                                 versions agree and the tree is committed
#   scripts/release.sh --no-check everything but the checks after the build
#
# The same commit gives the same bytes from any checkout at any time:
# SOURCE_DATE_EPOCH is the commit's date, archives have a fixed order,
# times, modes and owners, and nothing compiled holds a build folder or a
# link time. Needs root (debootstrap, chroot); the system's apt setup is
# never changed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
export LC_ALL=C TZ=UTC
umask 022

mode=all
case "${1:-}" in
  --check) mode=check ;;
  --no-check) mode=build ;;
  "") ;;
  *) echo "usage: scripts/release.sh [--check | --no-check]" >&2; exit 2 ;;
esac

refuse() { echo "release.sh: $*" >&2; exit 1; }

# --- may this commit be released? ---------------------------------------------

# The version lives in project(); the changelog's newest entry and the
# AppStream file's newest <release> must name it, with one date.
version=$(sed -n 's/^project([A-Za-z]\+ VERSION \([0-9][0-9.]*\)[ )].*/\1/p' CMakeLists.txt)
[ -n "$version" ] || refuse "no 'project(... VERSION x.y.z' in CMakeLists.txt"
entry=$(grep -m1 '^## ' CHANGELOG.md 2>/dev/null || true)
log_version=$(sed -n 's/^## \[\([^]]*\)\] - [0-9-]*$/\1/p' <<<"$entry")
log_date=$(sed -n 's/^## \[[^]]*\] - \([0-9]\{4\}-[0-9]\{2\}-[0-9]\{2\}\)$/\1/p' <<<"$entry")
[ -n "$log_version" ] && [ -n "$log_date" ] ||
  refuse "CHANGELOG.md's newest entry must start '## [$version] - YYYY-MM-DD' (it starts '${entry:-nothing}')"
[ "$log_version" = "$version" ] ||
  refuse "CHANGELOG.md's newest entry is $log_version, but project() in CMakeLists.txt declares $version"
release=$(grep -m1 -o '<release [^>]*>' packaging/io.github.sunkenfinds.SunkenFinds.metainfo.xml || true)
meta_version=$(sed -n 's/.*version="\([^"]*\)".*/\1/p' <<<"$release")
meta_date=$(sed -n 's/.*date="\([^"]*\)".*/\1/p' <<<"$release")
[ "$meta_version" = "$version" ] && [ "$meta_date" = "$log_date" ] ||
  refuse "the newest <release> in packaging/io.github.sunkenfinds.SunkenFinds.metainfo.xml is ${meta_version:-none} of" \
    "${meta_date:-no date}, but CHANGELOG.md's is $version of $log_date"
# A release is a commit: what it builds is what anyone can check out.
[ -z "$(git status --porcelain --untracked-files=normal)" ] ||
  refuse "the tree has uncommitted changes (git status); commit them first, a release is built from a commit"
echo "release.sh: $version of $log_date, commit $(git rev-parse --short HEAD)"
[ $mode = check ] && exit 0

# --- the build -----------------------------------------------------------------

started=$(date +%s)
source scripts/packages.sh
source scripts/debian-root.sh
install_packages git xz-utils debootstrap
# The arm64 files are played under qemu: stop now, not halfway, if this machine cannot.
emulate_arm64
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH
dist=$root/dist
name=sunken-finds-$version
work=$(mktemp -d "${TMPDIR:-/tmp}/sunken-finds-release.XXXXXX")
# A failed run keeps its work folder to look into; drop_root removes a folder
# without following what may still be bound inside it.
trap 'status=$?; if [ $status -eq 0 ]; then drop_root "$work"; else echo "release.sh: failed; its work folder: $work" >&2; fi' EXIT
rm -rf "$dist" && mkdir -p "$dist"
# Each step's log, kept after the run (build-release/ is ignored by git).
logs=$root/build-release/logs
rm -rf "$logs" && mkdir -p "$logs"

# step LABEL COMMAND...: a step with its output in $logs/LABEL.log. It runs
# as a job of its own so that set -e holds inside it (not so in "cmd || ...").
step() {
  local label=$1 t=$SECONDS status=0; shift
  echo "== $label"
  ("$@") >"$logs/$label.log" 2>&1 &
  wait $! || status=$?
  if [ $status -ne 0 ]; then
    tail -n 40 "$logs/$label.log" >&2
    echo "release.sh: the step '$label' failed; its log: $logs/$label.log" >&2
    exit 1
  fi
  echo "   $((SECONDS - t)) s"
}

# The source: the commit as git has it, with the commit's time on every file.
source_tarball() {
  git archive --format=tar --prefix="$name/" HEAD | xz -T1 -9 >"$dist/$name.tar.xz"
}
step source source_tarball

# deb RELEASE NUMBER: the .deb built in a fresh root of that Debian release,
# from the source tarball, with that release's compiler, SFML and hardening
# flags (CMake takes CXXFLAGS and LDFLAGS from the environment); its version
# says the release too (1.0.0~deb12 before 1.0.0~deb13, both before 1.0.0).
# An arm64 one is cross-built in the same kind of root, against the release's
# :arm64 SFML, with the target's flags; dpkg-architecture tells CPack's
# dpkg-shlibdeps which libraries and objdump to look at.
deb() {
  local release=$1 number=$2 arch=${3:-amd64} dir=$work/root-$1-${3:-amd64} packages target=() cross=() foreign=${3:-}
  fresh_root "$release" "$dir"
  packages=("${BUILD_PACKAGES[@]}")
  if [ "$arch" != amd64 ]; then
    in_root "$dir" dpkg --add-architecture "$arch"
    mapfile -t packages < <(cross_build_packages "$arch")
    target=(dpkg-architecture -a"$arch" -c)
    cross=(-DCMAKE_TOOLCHAIN_FILE="/build/$name/cmake/aarch64-linux-gnu.cmake")
  fi
  root_install "$dir" "${packages[@]}" dpkg-dev file xz-utils
  mkdir -p "$dir/build" && cp "$dist/$name.tar.xz" "$dir/build/"
  local flags
  flags=$(root_build_flags "$dir" "$foreign") && mapfile -t flags <<<"$flags"
  echo "hardened: ${flags[*]}"
  in_root "$dir" env "${flags[@]}" SOURCE_DATE_EPOCH="$SOURCE_DATE_EPOCH" "${target[@]}" bash -euc '
    cd /build && tar -xJf "$0.tar.xz"
    cmake -S "$0" -B out -DCMAKE_BUILD_TYPE=Release -DCPACK_STRIP_FILES=ON \
      -DCPACK_DEBIAN_PACKAGE_VERSION="$1" "${@:2}"
    cmake --build out -j2
    cd out && cpack -G DEB' "$name" "$version~deb$number" "${cross[@]}"
  built_with "$dir/build/out" "${flags[@]}"
  cp "$dir"/build/out/sunken-finds_*_"$arch".deb "$dist/sunken-finds_${version}_debian${number}_$arch.deb"
  drop_root "$dir"
}
step debian12 deb bookworm 12
step debian13 deb trixie 13
step debian12-arm64 deb bookworm 12 arm64
step debian13-arm64 deb trixie 13 arm64

# The portable Linux builds, with the libraries they carry.
portable() {
  packaging/linux/portable.sh "$work/portable" "$1"
  cp "$work/portable/$name-linux-$1.tar.xz" "$dist/"
}
step portable portable x86_64
step portable-aarch64 portable aarch64

# Windows: built from the source tarball unpacked in the work folder, so the
# cached libraries are the one thing it shares with other checkouts.
windows() {
  mkdir -p "$work/windows" && tar -xJf "$dist/$name.tar.xz" -C "$work/windows"
  "$work/windows/$name/packaging/windows/build.sh"
  cp "$work/windows/$name/build-windows/$name-windows-x64.zip" "$work/windows/$name/build-windows/$name-windows-x64.exe" "$dist/"
}
step windows windows

# The release notes: the version's changelog entry, to its next heading.
awk -v head="## [$version] " 'index($0, head) == 1 {on = 1; print; next} on && /^## / {exit} on' \
  CHANGELOG.md >"$dist/$name-release-notes.md"
(cd "$dist" && sha256sum -- * >SHA256SUMS)
echo "release.sh: wrote $dist in $(($(date +%s) - started)) s:"
(cd "$dist" && ls -l --time-style=+ -- * | awk '{printf "  %10d  %s\n", $5, $NF}')
[ $mode = build ] && exit 0

# --- the checks ---------------------------------------------------------------

(cd "$dist" && sha256sum --quiet -c SHA256SUMS)

# Each .deb with apt in a fresh root of its release and architecture (arm64
# under qemu); its launcher started from / shows the main menu, opens "Jogar"
# and ends with 255 at the close button.
install_packages xvfb xauth python3 python3-xlib python3-pil
play_deb() {
  local release=$1 number=$2 arch=${3:-amd64} dir=$work/play-$1-${3:-amd64} deb
  deb=sunken-finds_${version}_debian${number}_$arch.deb
  fresh_root "$release${3:+-$3}" "$dir"
  cp "$dist/$deb" "$dir/tmp/"
  root_install "$dir" "/tmp/$deb"
  /usr/bin/python3 scripts/release-play.py "$dir" "$([ "$arch" = amd64 ] && echo 1 || echo 20)"
  drop_root "$dir"
}
step play-debian12 play_deb bookworm 12
step play-debian13 play_deb trixie 13
step play-debian12-arm64 play_deb bookworm 12 arm64
step play-debian13-arm64 play_deb trixie 13 arm64

# Debian's own checks of a release's .debs, amd64 and arm64, by the tools of
# that release in one fresh root of it (build-release/logs/debian-checks-N.log
# has their reports):
# - lintian: no error and no warning (the package carries its overrides);
# - hardening-check on every ELF file the .deb holds, and on Debian 12 the
#   portable build's game: PIE, stack protector, read-only relocations and
#   immediate binding. Its fortify and control-flow lines are guesses from
#   the code (no for Debian's own apt too): built_with saw those flags on the
#   compile lines (the target's, for arm64);
# - appstreamcli validate-tree of the unpacked .deb: no error and no warning
#   but the homepage the game does not have yet;
# - piuparts installs the amd64 .deb with its dependencies into a copy of the
#   minimal root, removes and purges it, and finds nothing left (about 20 s).
#   Not the arm64 one: everything it does would run under qemu, minutes more.
debian_checks() {
  local release=$1 number=$2 dir=$work/checks-$1 deb=sunken-finds_${version}_debian$2
  fresh_root "$release" "$dir"
  root_install "$dir" lintian devscripts binutils file appstream piuparts debootstrap
  cp "$dist/${deb}_amd64.deb" "$dist/${deb}_arm64.deb" "$dir/tmp/"
  # The portable builds' games (built on Debian 12); the libraries they carry are Debian's.
  mkdir -p "$dir/tmp/amd64" "$dir/tmp/arm64"
  [ "$number" != 12 ] || tar -xJf "$dist/$name-linux-x86_64.tar.xz" -C "$dir/tmp/amd64" --wildcards '*/bin/*'
  [ "$number" != 12 ] || tar -xJf "$dist/$name-linux-aarch64.tar.xz" -C "$dir/tmp/arm64" --wildcards '*/bin/*'
  cp -a "$(debian_root "$release")" "$dir/tmp/base" && cp /etc/resolv.conf "$dir/tmp/base/etc/"
  in_root "$dir" bash -euc 'cd /tmp
    for arch in amd64 arm64; do
      deb=${0}_$arch.deb
      echo "-- lintian $(dpkg-query -W -f "\${Version}" lintian) $deb (no output: clean)"
      chmod 644 "$deb"
      setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME=/tmp lintian --fail-on error,warning "$deb"
      echo "-- hardening-check $deb"
      dpkg-deb -x "$deb" $arch/deb
      find $arch -type f -exec sh -c "file -b \"\$1\" | grep -q ^ELF" sh {} \; -print | sort >elf-files
      [ -s elf-files ] || { echo "no ELF file in $deb"; exit 1; }
      guesses="--nofortify --nocfprotection"  # and Debian 13 guesses branch protection
      ! hardening-check --help | grep -q -- --nobranchprotection || guesses="$guesses --nobranchprotection"
      xargs -a elf-files hardening-check $guesses
      echo "-- appstreamcli $(dpkg-query -W -f "\${Version}" appstream) validate-tree $deb"
      status=0 && appstreamcli validate-tree --no-net $arch/deb >appstream 2>&1 || status=$?
      cat appstream && echo "exit status $status"
      ! grep -E "^ *[EW]: " appstream | grep -v ": url-homepage-missing\$" || { echo "appstream: a new error or warning"; exit 1; }
      grep -q "^io.github.sunkenfinds.SunkenFinds.metainfo.xml$" appstream || { echo "not validated: our metainfo file"; exit 1; }
    done
    echo "-- piuparts $(dpkg-query -W -f "\${Version}" piuparts) ${0}_amd64.deb"
    start=$(date +%s)
    piuparts --no-upgrade-test -e /tmp/base -d "$1" -m "$2" "${0}_amd64.deb" >piuparts.log 2>&1 ||
      { tail -n 30 piuparts.log; exit 1; }
    echo "$(tail -n 2 piuparts.log | head -n 1) in $(($(date +%s) - start)) s"' "$deb" "$release" "$(debian_mirror)"
  drop_root "$dir"
}
step debian-checks-12 debian_checks bookworm 12
step debian-checks-13 debian_checks trixie 13

# Each portable build as the suite's long tier plays it: in a Debian 13 root
# of its architecture with only GL, X11, udev and ALSA, and the x86-64 one
# here with the system's SFML hidden.
play_portable() {
  cd tests/e2e && SUNKEN_PORTABLE_TARBALL=$dist/$name-linux-$1.tar.xz PYTHONDONTWRITEBYTECODE=1 \
    /usr/bin/python3 -m unittest -v test_portable
}
step play-portable play_portable x86_64
step play-portable-aarch64 play_portable aarch64

# The source tarball unpacked outside the repository builds with the README's
# plain cmake commands.
install_packages "${BUILD_PACKAGES[@]}"
build_source() {
  mkdir -p "$work/unpacked" && tar -xJf "$dist/$name.tar.xz" -C "$work/unpacked"
  cd "$work/unpacked/$name" && cmake -S . -B build && cmake --build build -j2 && test -x build/sunken-finds
}
step build-source build_source
echo "release.sh: checked in $(($(date +%s) - started)) s"
