# Shared by ./run, ./test, ./package, ./benchmark and ./fuzzing: installs the Debian packages
# the build needs, only those that are missing, without questions.
QTR70_PACKAGES=(cmake g++ make qt6-base-dev qt6-serialport-dev xvfb xauth libqt6svg6 fonts-ipafont-gothic
  time poppler-utils
  # the translations: lupdate and lrelease, and Qt's own Japanese texts
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  # the keyboard walk heard through AT-SPI (tests/accessibility)
  at-spi2-core python3-pyatspi dbus xdotool openbox x11-utils
  # the walk heard through the screen reader itself
  orca speech-dispatcher
  # packaging (./package) and its checks in ./test
  dpkg-dev file lintian desktop-file-utils appstream)

qtr70_install_packages() {
  local missing=()
  local p
  for p in "${QTR70_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [[ $(id -u) -eq 0 ]] || sudo=sudo
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
  fi
}
