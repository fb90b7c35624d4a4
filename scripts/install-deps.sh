#!/usr/bin/env bash
# Installs the Debian packages Tessarin needs that are missing.
#   scripts/install-deps.sh build   what building and running the program needs
#   scripts/install-deps.sh test    that, plus what the tests need
#   scripts/install-deps.sh bench   that, plus what the benchmarks need
set -euo pipefail

build_packages=(cmake ninja-build g++ pkg-config libsqlite3-dev qt6-base-dev libgl-dev
                fonts-arphic-uming fonts-dejavu-core unicode-data libbz2-dev)
test_packages=(libgtest-dev libgmock-dev sqlite3 nlohmann-json3-dev locales xvfb x11-utils)
bench_packages=(libbenchmark-dev)

wanted=("${build_packages[@]}")
case "${1:-build}" in
  build) ;;
  test) wanted+=("${test_packages[@]}") ;;
  bench) wanted+=("${test_packages[@]}" "${bench_packages[@]}") ;;
  *) echo "usage: $0 [build|test|bench]" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests read and show numbers in a locale that writes decimals with a comma.
if [[ "${1:-build}" != build ]] && ! locale -a 2>/dev/null | grep -qx 'de_DE\.utf8'; then
  echo "Generating the locale de_DE.UTF-8"
  "${sudo[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
