#!/usr/bin/env bash
# Installs the Debian packages Tessarin needs that are missing.
#   scripts/install-deps.sh build   what building and running the program needs
#   scripts/install-deps.sh test    that, plus what the tests need (fonts and locales included)
#   scripts/install-deps.sh bench   that, plus what the benchmarks need
#   scripts/install-deps.sh package that, plus what making and checking the Debian package needs
# Running it again changes nothing.
set -euo pipefail

build_packages=(cmake ninja-build g++ pkg-config libsqlite3-dev qt6-base-dev libgl-dev
                fonts-arphic-uming fonts-dejavu-core unicode-data libbz2-dev)
test_packages=(libgtest-dev libgmock-dev sqlite3 nlohmann-json3-dev locales xvfb x11-utils groff-base)
bench_packages=(libbenchmark-dev)
package_packages=(dpkg-dev file lintian desktop-file-utils appstream sqlite3)
# The tests run in C.UTF-8; the comma-decimal locale is there for the tests
# of number texts in a user's locale.
test_locales=(de_DE.UTF-8)

wanted=("${build_packages[@]}")
locales=()
case "${1:-build}" in
  build) ;;
  test) wanted+=("${test_packages[@]}"); locales=("${test_locales[@]}") ;;
  bench) wanted+=("${test_packages[@]}" "${bench_packages[@]}"); locales=("${test_locales[@]}") ;;
  package) wanted+=("${package_packages[@]}") ;;
  *) echo "usage: $0 [build|test|bench|package]" >&2; exit 2 ;;
esac

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)

missing=()
for package in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# "de_DE.UTF-8" is listed by `locale -a` as "de_DE.utf8".
generated() { locale -a 2>/dev/null | grep -qix "$(sed 's/\.UTF-8$/.utf8/I' <<<"$1")"; }
for name in "${locales[@]}"; do
  generated "$name" && continue
  echo "Generating the locale $name"
  line="$name UTF-8"
  if grep -qx "# *$line" /etc/locale.gen; then
    "${sudo[@]}" sed -i "s/^# *$line\$/$line/" /etc/locale.gen
  elif ! grep -qx "$line" /etc/locale.gen; then
    echo "$line" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
  fi
  "${sudo[@]}" locale-gen >/dev/null
done
