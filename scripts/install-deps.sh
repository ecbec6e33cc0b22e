#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run. Runs as root,
# without questions; when everything is already there it returns at once without apt-get.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libgtk-3-dev libcairo2-dev libpango1.0-dev libfontconfig-dev fonts-liberation2
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils libxtst-dev
  imagemagick time
  librsvg2-dev libpoppler-glib-dev
  clang libclang-rt-14-dev python3
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [[ "$status" == installed ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
  echo "install-deps: missing packages: ${missing[*]}; run this script as root" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt_opts=(-q -o Acquire::Retries=3 -o Dpkg::Options::=--force-confdef -o Dpkg::Options::=--force-confold)

# A mirror hiccup should not fail a fresh machine: try the whole step a few times.
for attempt in 1 2 3; do
  if apt-get update "${apt_opts[@]}" &&
     apt-get install -y --no-install-recommends "${apt_opts[@]}" "${missing[@]}"; then
    exit 0
  fi
  echo "install-deps: attempt $attempt failed, retrying" >&2
  sleep $((attempt * 5))
done
echo "install-deps: could not install: ${missing[*]}" >&2
exit 1
