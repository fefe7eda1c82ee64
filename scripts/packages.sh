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
