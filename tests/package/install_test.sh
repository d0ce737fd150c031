#!/usr/bin/env bash
# Installs the Debian package as a user would, tries what it installed (the programs from
# /usr/bin, a manual page, the menu entry, the metadata, completion), purges it and checks that
# nothing of it is left in /usr. The package is purged, and what apt pulled in for it removed
# again, whether the checks pass or not.
#
# Usage: tests/package/install_test.sh dist/vantric_<version>-1_<arch>.deb
set -euo pipefail
deb=$(realpath "$1")
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
apt_get() { DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get -y -qq "$@"; }
installed_packages() {
  dpkg-query -W -f='${db:Status-Status} ${Package}\n' | awk '$1 == "installed" { print $2 }' | sort
}

if dpkg-query -W -f='${db:Status-Status}' vantric 2>/dev/null | grep -q '^installed$'; then
  echo "vantric is installed already, and this test would remove it: purge it first" >&2
  exit 1
fi
# The checks' own tools; they stay, like the project's other build and test packages.
tools=()
for package in man-db desktop-file-utils appstream bash-completion; do
  dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null | grep -q '^installed$' ||
    tools+=("$package")
done
if ((${#tools[@]})); then
  apt_get update
  apt_get install --no-install-recommends "${tools[@]}" >/dev/null
fi

work=$(mktemp -d)
installed_packages >"$work/before"
cleanup() {
  if dpkg-query -W -f='${db:Status-Status}' vantric 2>/dev/null | grep -q '^installed$'; then
    apt_get purge vantric >/dev/null
  fi
  # Only what came with the package and nothing needs now: another install made meanwhile
  # on this machine, and what was removable before, stay.
  installed_packages >"$work/after"
  local pulled_in
  pulled_in=$(comm -13 "$work/before" "$work/after" |
    grep -Fxf - <(apt-get -s autoremove | awk '/^Remv/ { print $2 }') || true)
  if [ -n "$pulled_in" ]; then
    # shellcheck disable=SC2086  # one word per package
    apt_get purge $pulled_in >/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT

passed=0 failed=0
check() {
  local what=$1
  shift
  if "$@" >"$work/out" 2>&1; then
    passed=$((passed + 1))
    echo "ok: $what"
  else
    failed=$((failed + 1))
    echo "FAILED: $what" >&2
    sed 's/^/    /' "$work/out" >&2
  fi
}

apt_get install "$deb" >"$work/install.log" 2>&1 || {
  cat "$work/install.log" >&2
  exit 1
}

# The whole output is read before it is searched: grep -q would stop reading at the match and
# the writer's broken pipe would fail the check (pipefail).
rated_8x() (
  cd /
  report=$(/usr/bin/vantric-cli --simulate 8x-clv --quiet)
  echo "$report"
  grep -qx '     Drive rating: 8.0X' <<<"$report"
)
check "vantric-cli from /usr/bin rates the simulated 8X drive 8.0X" rated_8x
# --help loads every library the program links, so a missing Depends shows here.
check "vantric and vantric-mkdisc start" sh -c '/usr/bin/vantric --help && /usr/bin/vantric-mkdisc --help'
check "man -w finds the three manual pages" man -w vantric-cli vantric vantric-mkdisc
check "the desktop file is valid" desktop-file-validate /usr/share/applications/vantric.desktop
check "the AppStream metadata is valid" \
  appstreamcli validate --no-net /usr/share/metainfo/org.vantric.vantric.metainfo.xml

# What bash offers after "vantric-cli WORD... <Tab>", with the completion loaded as bash loads it.
# Outside a real <Tab> compopt complains on stderr; that says nothing about the completion.
completions() {
  bash -c 'source /usr/share/bash-completion/bash_completion
    __load_completion vantric-cli
    COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
    function=$(complete -p vantric-cli | sed -E "s/.* -F ([^ ]+) .*/\1/")
    "$function" vantric-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf "%s\n" "${COMPREPLY[@]}"' completions vantric-cli "$@" 2>/dev/null
}
offers_profiles() {
  local offered
  offered=$(completions --simulate '' | grep -v '^list$')
  grep -qx 8x-clv <<<"$offered" &&
    diff <(echo "$offered") <(/usr/bin/vantric-cli --simulate list | awk '{ print $1 }')
}
check "completion offers the profile names after --simulate" offers_profiles
check "completion offers test names after --tests" \
  diff <(completions --tests read16,se) <(printf 'read16,seekfull\nread16,seekrand\n')
check "completion offers profiles after compare --with, and compare's options only there" \
  diff <(completions compare a.json --with 8x-clv,2 && completions --wi && completions compare --w) \
  <(printf '8x-clv,2x-clv\n8x-clv,24x-cav\n\n--with\n')
check "completion offers audio, its options after it and max after its --speed" \
  diff <(completions au && completions audio --sp && completions audio --speed '') \
  <(printf 'audio\n--speed\nmax\n')

dpkg -L vantric | while read -r path; do [ -d "$path" ] || echo "$path"; done >"$work/files"
apt_get purge vantric >/dev/null
nothing_left() {
  local path left=0
  while read -r path; do
    if [ -e "$path" ] || [ -L "$path" ]; then
      echo "left behind: $path"
      left=1
    fi
  done <"$work/files"
  find /usr -iname '*vantric*' | grep . && left=1
  [ "$left" -eq 0 ] && [ -s "$work/files" ]
}
check "apt-get purge leaves nothing of the package in /usr" nothing_left

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
