#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, then configures and builds.
# usage: scripts/setup.sh [release|test]   (test = sanitizers, -Werror, tests built)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
mode=${1:-release}

packages=(build-essential cmake pkg-config qt6-base-dev libqt6opengl6-dev libgl-dev
  libjpeg62-turbo-dev googletest libgtest-dev libgmock-dev libbenchmark-dev libsqlite3-dev
  clang libclang-rt-14-dev fonts-noto-cjk fonts-wqy-zenhei xdg-utils qt6-translations-l10n)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  # Only the package step needs root: as a normal user it goes through sudo.
  as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "setup: packages missing and no sudo; as root run: apt-get install --no-install-recommends ${missing[*]}" >&2
      exit 1
    fi
    echo "setup: installing ${missing[*]} with sudo" >&2
    as_root=(sudo)
  fi
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

case "$mode" in
  release) build="$here/build/release"; flags=(-DCMAKE_BUILD_TYPE=Release -DRENT_TESTS=OFF) ;;
  test) build="$here/build/test"; flags=(-DCMAKE_BUILD_TYPE=Debug -DRENT_TESTS=ON -DRENT_SANITIZE=ON -DRENT_WERROR=ON) ;;
  *) echo "unknown mode $mode" >&2; exit 2 ;;
esac
cmake -S "$here" -B "$build" "${flags[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
