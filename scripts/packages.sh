# Sourced by every script that installs what it needs (git grep -l scripts/packages.sh
# lists them): install_packages installs the Debian packages that are missing.
install_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  # Another install in progress (an unattended upgrade, a second script) holds
  # dpkg's lock for a while: wait for it rather than fail.
  local wait=(-o DPkg::Lock::Timeout=600)
  $sudo apt-get "${wait[@]}" update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get "${wait[@]}" install -y -qq --no-install-recommends "${missing[@]}"
}

# What building the game needs.
BUILD_PACKAGES=(build-essential cmake pkg-config libsfml-dev libopenal-dev libx11-dev)
# What building SFML 2 with the game needs (cmake/SFML.cmake) beyond the rest
# of BUILD_PACKAGES (OpenAL, X11), in place of libsfml-dev where the archive's
# is SFML 3 (Debian testing) or there is none.
SFML_BUILD_PACKAGES=(git libfreetype-dev libvorbis-dev libflac-dev
  libxrandr-dev libxcursor-dev libudev-dev libgl-dev)

# cross_build_packages ARCH: BUILD_PACKAGES for a cross build to the Debian
# architecture ARCH (arm64), one a line, on a Debian that has added it (dpkg
# --add-architecture): the machine's tools, ARCH's compiler and libraries.
cross_build_packages() {
  local p
  for p in "${BUILD_PACKAGES[@]}"; do
    case $p in build-essential) echo "crossbuild-essential-$1" ;; lib*) echo "$p:$1" ;; *) echo "$p" ;; esac
  done
}

# install_build_packages [PACKAGE...]: BUILD_PACKAGES, with SFML_BUILD_PACKAGES
# for libsfml-dev where the archive has no SFML 2, and the PACKAGEs.
install_build_packages() {
  local candidate p packages=()
  sfml_candidate() { apt-cache policy libsfml-dev 2>/dev/null | sed -n 's/^ *Candidate: //p'; }
  candidate=$(sfml_candidate)
  # No candidate may only mean that apt has no package lists yet.
  if [ -z "$candidate" ] || [ "$candidate" = "(none)" ]; then
    $([ "$(id -u)" -eq 0 ] || echo sudo) apt-get -o DPkg::Lock::Timeout=600 update -qq
    candidate=$(sfml_candidate)
  fi
  case $candidate in
    2.*) packages=("${BUILD_PACKAGES[@]}") ;;
    *) for p in "${BUILD_PACKAGES[@]}"; do [ "$p" = libsfml-dev ] || packages+=("$p"); done
       packages+=("${SFML_BUILD_PACKAGES[@]}")
       echo "The archive has SFML ${candidate:-(none)}, not SFML 2: the build makes its own SFML 2" ;;
  esac
  install_packages "${packages[@]}" "$@"
}
