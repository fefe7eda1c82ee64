# Sourced by the release scripts: minimal Debian roots to build or play in.
#
#   debian_root RELEASE        prints the path of a pristine minimal root of
#                              that release (bookworm, trixie; bookworm-arm64,
#                              trixie-arm64 for arm64 ones), made once with
#                              debootstrap and cached outside the tree in
#                              ${XDG_CACHE_HOME:-~/.cache}/sunken-finds-roots
#   emulate_arm64              lets this machine run arm64 programs (qemu-user
#                              through binfmt_misc), or says what it lacks
#   fresh_root RELEASE DIR     copies that root to DIR, to install into
#   in_root DIR COMMAND...     runs COMMAND in DIR with /proc, /dev and
#                              /tmp/.X11-unix bound in, in a mount namespace
#                              of its own: nothing stays bound after it
#   drop_root DIR              removes DIR, first unbinding what an interrupted
#                              in_root left bound, never crossing into a mount
#   root_install DIR PKG...    installs packages into DIR with its own apt
#                              (errors only), keeping the downloaded .debs in
#                              the cache
#   root_build_flags DIR [ARCH]  prints CXXFLAGS=... and LDFLAGS=..., one a
#                              line, the hardened flags that DIR's Debian
#                              release builds its own packages with (its
#                              dpkg-dev), for the architecture ARCH (arm64)
#                              where DIR cross-builds for it
#   built_with OUT FLAGS...    fails unless every flag of root_build_flags is
#                              on every compile line of the CMake build OUT
#                              and on the game's link line
#
# The roots come from the archive that the system's apt sources name; the
# system's own apt setup is never changed. Needs root (debootstrap, chroot).
debian_roots_cache=${XDG_CACHE_HOME:-$HOME/.cache}/sunken-finds-roots

# The first Debian archive the system's apt sources name (deb822 or one-line).
debian_mirror() {
  local url
  url=$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null |
    sed -n 's/^URIs:[[:space:]]*\(\S*\/debian\)\/\?$/\1/p' | head -n1)
  [ -n "$url" ] || url=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
    sed -n 's/^deb[[:space:]]\+\(\[[^]]*\][[:space:]]\+\)\?\(\S*\/debian\)\/\?[[:space:]].*/\2/p' | head -n1)
  echo "${url:-http://deb.debian.org/debian}"
}

# qemu-user-static registers itself with the F flag: the kernel opens the
# emulator when it is registered, so it runs arm64 programs inside a chroot too.
emulate_arm64() {
  local entry=/proc/sys/fs/binfmt_misc/qemu-aarch64
  install_packages qemu-user-static binfmt-support >&2 || return 1
  [ -e /proc/sys/fs/binfmt_misc/register ] || mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc ||
    { echo "emulate_arm64: binfmt_misc is not mounted at /proc/sys/fs/binfmt_misc and cannot be here" >&2; return 1; }
  grep -qx enabled "$entry" 2>/dev/null || update-binfmts --enable qemu-aarch64 >&2 ||
    { echo "emulate_arm64: update-binfmts cannot enable qemu-aarch64 (binfmt_misc read-only?)" >&2; return 1; }
  grep -qx enabled "$entry" && grep -q '^flags: .*F' "$entry" ||
    { echo "emulate_arm64: qemu-aarch64 is not enabled with the F flag in binfmt_misc" >&2; return 1; }
}

debian_root() {
  local name=$1 dir=$debian_roots_cache/$1 release=${1%-arm64} arch=()
  # A foreign root: debootstrap's second stage runs its arm64 tools under qemu.
  [ "$release" = "$name" ] || { emulate_arm64 && arch=(--arch=arm64); } || return 1
  mkdir -p "$debian_roots_cache"
  (
    flock 8
    [ -f "$dir/.complete" ] && exit 0
    command -v debootstrap >/dev/null || install_packages debootstrap >&2  # stdout is the root's path
    rm -rf "$dir.tmp"
    debootstrap "${arch[@]}" --variant=minbase "$release" "$dir.tmp" "$(debian_mirror)" \
      >"$debian_roots_cache/$name.log" 2>&1 ||
      { tail -n 20 "$debian_roots_cache/$name.log" >&2; echo "debootstrap $name failed" >&2; exit 1; }
    rm -rf "$dir" && mv "$dir.tmp" "$dir" && touch "$dir/.complete"
  ) 8>"$debian_roots_cache/$name.lock" || return 1
  echo "$dir"
}

fresh_root() {
  local pristine
  pristine=$(debian_root "$1") || return 1
  # A root left mounted (a run stopped inside in_root) holds the machine's /dev.
  if grep -qF " $2/" /proc/mounts; then echo "fresh_root: $2 still has mounts" >&2; return 1; fi
  rm -rf "$2" && mkdir -p "$2" && cp -a "$pristine/." "$2/" && rm -f "$2/.complete"
  cp /etc/resolv.conf "$2/etc/resolv.conf" 2>/dev/null || true
}

in_root() {
  local dir=$1; shift
  mkdir -p "$dir/proc" "$dir/dev" "$dir/tmp/.X11-unix"
  # On a machine where no X server has run yet, the folder to bind is missing.
  [ -d /tmp/.X11-unix ] || install -d -m 1777 /tmp/.X11-unix
  # In a mount namespace of its own, the binds go with the command however it
  # ends; and the command dies with the shell that started it, so that killing
  # that shell (as a test that gives up does) leaves nothing running or bound.
  unshare -m --propagation private sh -c 'mount -t proc proc "$0/proc" && mount --rbind /dev "$0/dev" &&
    mount --bind /tmp/.X11-unix "$0/tmp/.X11-unix" && exec setpriv --pdeathsig KILL chroot "$0" /usr/bin/env -i \
    PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root DISPLAY="${DISPLAY:-}" LANG=C.UTF-8 "$@"' "$dir" "$@"
}

root_install() {
  local dir=$1 debs arch status=0; shift
  # The root's own architecture, as its dpkg was built for (a suffix for arm64).
  arch=$(sed -n '/^Package: dpkg$/,/^$/s/^Architecture: //p' "$dir/var/lib/dpkg/status")
  debs=$debian_roots_cache/debs-$(. "$dir/etc/os-release" && echo "$VERSION_CODENAME")
  [ "$arch" = amd64 ] || debs=$debs-$arch
  mkdir -p "$debs"
  cp "$debs"/*.deb "$dir/var/cache/apt/archives/" 2>/dev/null || true
  in_root "$dir" sh -c 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
    --no-install-recommends "$@" >/dev/null' sh "$@" || status=$?
  cp -n "$dir"/var/cache/apt/archives/*.deb "$debs/" 2>/dev/null || true
  return $status
}

# dpkg-buildflags with every hardening feature, run in /build (its own
# -ffile-prefix-map names the folder it runs in). CMake reads no CPPFLAGS
# (-D_FORTIFY_SOURCE), so they go in front of CXXFLAGS.
root_build_flags() {
  local target=()
  mkdir -p "$1/build"
  # A target's own flags differ (x86's -fcf-protection, which Arm's compiler
  # refuses; Arm's -mbranch-protection): dpkg-architecture names the target.
  [ -z "${2:-}" ] || target=(dpkg-architecture -a"$2" -c)
  in_root "$1" env DEB_BUILD_MAINT_OPTIONS=hardening=+all "${target[@]}" sh -c 'cd /build &&
    echo "CXXFLAGS=$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" &&
    echo "LDFLAGS=$(dpkg-buildflags --get LDFLAGS)"'
}

built_with() {
  local out=$1 flag lines; shift
  lines=$(grep -c '"command"' "$out/compile_commands.json")
  for flag in ${1#CXXFLAGS=}; do
    [ "$(grep '"command"' "$out/compile_commands.json" | grep -cF -- " $flag ")" = "$lines" ] ||
      { echo "built_with: $flag is not on every compile line of $out" >&2; return 1; }
  done
  for flag in ${2#LDFLAGS=}; do
    grep -qF -- " $flag " "$out/CMakeFiles/sunken-finds.dir/link.txt" ||
      { echo "built_with: $flag is not on the game's link line in $out" >&2; return 1; }
  done
}

drop_root() {
  local dir
  dir=$(readlink -f "$1") || return 0
  { grep -o " $dir/[^ ]*" /proc/mounts || true; } | sort -r | while read -r m; do umount -l "$m" || true; done
  rm -rf --one-file-system "$dir"
}
