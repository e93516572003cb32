#!/usr/bin/env bash
# Installs what building, running and testing the program needs (Debian 12).
set -euo pipefail

packages=(
  cmake g++ make googletest libgtest-dev libgmock-dev libbenchmark-dev
  g++-mingw-w64-x86-64 mingw-w64-tools nsis icoutils
  wine wine64 xvfb xdotool imagemagick fonts-wqy-microhei
  python3 python3-pil fonts-dejavu-core
  clang libclang-rt-14-dev locales
  qt6-base-dev libhidapi-dev libudev-dev pkg-config dpkg-dev file
  xclip gsettings-desktop-schemas libglib2.0-bin
  dbus-daemon dbus-bin libx11-dev libxi-dev libxcb1-dev xinput
  lintian osslsigncode openssl chromium
)

# The Chinese locale: with it Wine uses code page 936, as a Chinese Windows
# does, and reads run-time trees under paths with Chinese characters.
ensure_chinese_locale() {
  locale -a 2>/dev/null | grep -qiE '^zh_CN\.utf-?8$' && return 0
  local sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" sed -i -E 's/^# *(zh_CN\.UTF-8 UTF-8)/\1/' /etc/locale.gen
  grep -qE '^zh_CN\.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo_cmd[@]}" locale-gen >/dev/null
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  ensure_chinese_locale
  exit 0
fi

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
ensure_chinese_locale
