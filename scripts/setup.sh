#!/usr/bin/env bash
# Installs everything the build, the program and the tests need on Debian 12.
# Safe to run again: it only installs what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libqt6svg6 qt6-svg-dev qt6-translations-l10n
  qt6-qpa-plugins libqcustomplot-dev
  libjpeg62-turbo-dev libjpeg-turbo-progs
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang clang-format libclang-rt-14-dev llvm
  locales fonts-liberation xvfb xauth
  desktop-file-utils shared-mime-info
  cups libcups2-dev printer-driver-cups-pdf poppler-utils procps
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests run under both a "." and a "," locale.
need_locales=()
for l in en_US.UTF-8 ru_RU.UTF-8; do
  locale -a 2>/dev/null | grep -qi "^${l/UTF-8/utf8}$" || need_locales+=("$l")
done
if ((${#need_locales[@]})); then
  for l in "${need_locales[@]}"; do
    grep -q "^$l UTF-8" /etc/locale.gen 2>/dev/null || echo "$l UTF-8" >> /etc/locale.gen
  done
  locale-gen >/dev/null
fi

# Printing goes to the default printer through CUPS. Without an init system the
# daemon is started here; a PDF printer (files in $HOME/PDF) becomes the default
# only where there is no default printer yet, so a chosen one is never replaced.
scheduler_running() { [[ "$(LC_ALL=C lpstat -r 2>/dev/null)" == "scheduler is running" ]]; }
if ! scheduler_running; then
  cupsd </dev/null >/dev/null 2>&1 || true
  for _ in $(seq 50); do scheduler_running && break; sleep 0.2; done
fi
if ! scheduler_running; then
  echo "setup: the CUPS daemon cannot be started; printing will not work" >&2
elif [[ "$(LC_ALL=C lpstat -d 2>/dev/null)" != "system default destination: "* ]]; then
  lpadmin -p PDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E
  lpadmin -d PDF
fi
