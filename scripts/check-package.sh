#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get and checks the
# installed program as an ordinary user would meet it: the command line
# answers a query and its detail from the read-only installed timetable,
# which stays unchanged to the last byte; then removes the package again.
# Also runs lintian (no errors allowed) and the validators of the menu entry
# and the software list metadata. Needs root (or sudo); refuses to run where
# tessarin is installed already, so it never replaces or removes a user's
# own installation.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package

build="build-package"
user=tessarin-check
timetable=/usr/share/tessarin/data/Train+-+090719.mdb
menu_entry=/usr/share/applications/example.tessarin.Tessarin.desktop
metainfo=/usr/share/metainfo/example.tessarin.Tessarin.metainfo.xml

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)

fail() {
  echo "check-package: $*" >&2
  exit 1
}

installed() { [[ $(dpkg-query -W -f='${Status}' tessarin 2>/dev/null || true) == "install ok installed" ]]; }

build_package() {
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSARIN_BUILD_TESTS=OFF \
    -DTESSARIN_BUILD_BENCHMARKS=OFF -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
  cmake --build "$build"
  rm -f "$build"/tessarin_*.deb
  if ! (cd "$build" && cpack -G DEB) >"$build/cpack.log" 2>&1; then
    cat "$build/cpack.log" >&2
    fail "cpack failed"
  fi
  packages=("$build"/tessarin_*.deb)
  [[ ${#packages[@]} -eq 1 && -f ${packages[0]} ]] || fail "cpack made no single package: ${packages[*]}"
  package=${packages[0]}
  echo "Built $package"
}

# Removes what this run put on the machine, also after a failure.
created_user=no
clean_up() {
  if installed; then
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get remove -y -qq tessarin >/dev/null
  fi
  if [[ $created_user == yes ]]; then
    "${sudo[@]}" userdel --remove "$user" 2>/dev/null || true
  fi
}

install_package() {
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "./$package" >/dev/null
  installed || fail "apt-get did not install $package"
}

# The window program must find the update library where the package put it,
# not in the build folder it was linked in.
check_libraries() {
  local program resolved update
  for program in /usr/bin/tessarin /usr/bin/tessarin-cli; do
    resolved=$(ldd "$program")
    ! grep -q "not found" <<<"$resolved" || fail "$program lacks a library: $resolved"
    ! grep -q "$(pwd)" <<<"$resolved" || fail "$program loads a library from the build folder: $resolved"
  done
  update=$(ldd /usr/bin/tessarin | awk '$1 == "libupdate.so" { print $3 }')
  if [[ -z $update ]] || ! dpkg-query -S "$(realpath "$update")" | grep -q "^tessarin: "; then
    fail "/usr/bin/tessarin does not load the update library of the package: '$update'"
  fi
}

check_icons() {
  local size icon
  for size in 16 24 32 48 256; do
    icon=/usr/share/icons/hicolor/${size}x${size}/apps/tessarin.png
    file "$icon" | grep -q "PNG image data, $size x $size, 8-bit/color RGBA" || fail "bad icon: $(file "$icon")"
  done
}

user_home() { getent passwd "$user" | cut -d: -f6; }

make_user() {
  if ! id "$user" >/dev/null 2>&1; then
    "${sudo[@]}" useradd --create-home --shell /usr/sbin/nologin "$user"
    created_user=yes
  fi
}

# A command of the installed tessarin-cli as the unprivileged user, in a
# clean environment; its standard output is printed, and its exit status
# passed on.
run_as_user() {
  "${sudo[@]}" runuser -u "$user" -- env -i HOME="$(user_home)" \
    PATH=/usr/bin:/bin LANG=C.UTF-8 tessarin-cli "$@"
}

# At least one row after the header line.
rows_of() {
  local output=$1 what=$2
  [[ $(wc -l <<<"$output") -ge 2 ]] || fail "$what printed no rows: '$output'"
}

check_queries_as_user() {
  local before after trains first detail scratch
  before=$(sha256sum "$timetable")
  trains=$(run_as_user between 北京 上海) || fail "tessarin-cli between 北京 上海 failed"
  rows_of "$trains" "tessarin-cli between 北京 上海"
  first=$(awk -F'\t' 'NR == 2 { print $1 }' <<<"$trains")
  detail=$(run_as_user detail "$first") || fail "tessarin-cli detail $first failed"
  [[ -n $detail ]] || fail "tessarin-cli detail $first printed nothing"
  after=$(sha256sum "$timetable")
  [[ $before == "$after" ]] || fail "the installed timetable changed: $before, now $after"
  scratch="$(user_home)/.local/state/tessarin"
  [[ $("${sudo[@]}" stat -c '%U %a' "$scratch") == "$user 700" ]] ||
    fail "the query results are not in the user's own folder $scratch"
  echo "Queried as $user: $(($(wc -l <<<"$trains") - 1)) trains 北京 → 上海, detail of $first; timetable unchanged"
}

# The queries read the installed timetable through the indexes the build made
# in it; a file the program may not change cannot gain them later.
check_timetable_indexes() {
  local indexes
  indexes=$(sqlite3 -readonly "$timetable" "select name from sqlite_master where type = 'index' and tbl_name = 'train' order by name")
  [[ $indexes == $'train_ids_by_station\ntrain_stops_by_id' ]] || fail "the installed timetable lacks its indexes: '$indexes'"
}

check_metadata() {
  desktop-file-validate "$menu_entry"
  appstreamcli validate --no-net "$metainfo"
  lintian --fail-on error "$package"
}

remove_package() {
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get remove -y -qq tessarin >/dev/null
  ! installed || fail "apt-get did not remove tessarin"
  [[ ! -e /usr/bin/tessarin-cli && ! -e /usr/share/tessarin ]] || fail "files of tessarin are left after its removal"
}

installed && fail "tessarin is installed on this machine already; remove it first"
build_package
trap clean_up EXIT
install_package
check_libraries
check_icons
check_timetable_indexes
make_user
check_queries_as_user
check_metadata
remove_package
echo "check-package: $package passed"
