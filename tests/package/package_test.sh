#!/usr/bin/env bash
# Checks the Debian package: its control fields, its files, the desktop entry and the icons. Then starts
# the program unpacked from it as an ordinary user, as a breeder would, and finds the Serpentia gene set
# and, after the program is asked to end, the main settings file in that user's data folder, and nothing
# new beside the program.
#   bash tests/package/package_test.sh build/zygora_<version>_<arch>.deb
set -euo pipefail

deb=$1
fail() {
  echo "package test: $*" >&2
  exit 1
}

work=$(mktemp -d)
program=""
cleanup() {
  [ -z "$program" ] || kill -KILL "$program" 2>/dev/null || true
  chmod -R u+w "$work"
  rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = zygora ] || fail "package name is '$(field Package)'"
[ "$(field Section)" = science ] || fail "section is '$(field Section)'"
[ -n "$(field Maintainer)" ] || fail "no maintainer"
# Whole fields are read and cut here: a pipe into `head` would end dpkg-deb by SIGPIPE at random.
description=$(field Description)
summary=${description%%$'\n'*}
[[ $summary == *"snake breeders"* ]] || fail "description: $summary"
depends=$(field Depends | sed 's/ ([^)]*)//g; s/, */\n/g')
for package in libqt6widgets6 libqt6printsupport6 libqt6svg6 qt6-qpa-plugins libjpeg62-turbo libasound2 libgmp10 libsqlite3-0 libstdc++6; do
  grep -qxF "$package" <<< "$depends" || fail "Depends lacks $package: $(field Depends)"
done

# Files, as listed in the package.
listing=$(dpkg-deb -c "$deb" | awk '{print $1, $6}')
expect() { grep -qxF -e "$1 ./usr/$2" <<< "$listing" || fail "missing or wrong mode: $1 /usr/$2"; }
expect -rwxr-xr-x bin/GenericZygora
expect -rwxr-xr-x bin/zygora-calc
expect -rw-r--r-- share/applications/zygora.desktop
expect -rw-r--r-- share/icons/hicolor/scalable/apps/zygora.svg
expect -rw-r--r-- share/doc/zygora/README.md
expect -rw-r--r-- share/doc/zygora/copyright
sizes=(16 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
  expect -rw-r--r-- "share/icons/hicolor/${size}x${size}/apps/zygora.png"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
version=$("$root/usr/bin/zygora-calc" --version)
[ "$version" = "zygora-calc $(field Version)" ] || fail "the package's version $(field Version) is not the program's: $version"
entry=$root/usr/share/applications/zygora.desktop
desktop-file-validate "$entry"
grep -qx 'Exec=GenericZygora' "$entry" && grep -qx 'Icon=zygora' "$entry" || fail "the entry's Exec or Icon"
for size in "${sizes[@]}"; do
  drawn=$(identify -format '%wx%h' "$root/usr/share/icons/hicolor/${size}x${size}/apps/zygora.png")
  [ "$drawn" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $drawn"
done

# The program, started by an ordinary user who cannot write the program's folder. Root can write every
# folder, so root starts it as nobody (setpriv starts the program itself, so the signal below reaches
# it); anyone else finds the folder made read-only.
home=$work/home
mkdir -p "$home/runtime"
chmod 700 "$home/runtime"
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody "$home"
  as_breeder=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
  chmod -R a-w "$root"
  as_breeder=()
fi
snapshot() { (cd "$root" && find . -printf '%p %s %T@ %m\n' | sort); }
before=$(snapshot)
data=$home/.local/share/Zygora
log=$work/program.log
"${as_breeder[@]}" env -i HOME="$home" XDG_RUNTIME_DIR="$home/runtime" PATH=/usr/bin:/bin LANG=C.UTF-8 \
  QT_QPA_PLATFORM=offscreen "$root/usr/bin/GenericZygora" > "$log" 2>&1 &
program=$!

ended() { ! kill -0 "$program" 2>/dev/null; }
placed_or_ended() { [ -e "$data/Serpentia.INI" ] || ended; }
wait_until() {
  for ((tenths = 0; tenths < 300; tenths++)); do
    "$1" && return 0
    sleep 0.1
  done
  return 1
}
wait_until placed_or_ended || true
[ -e "$data/Serpentia.INI" ] || fail "no Serpentia.INI in $data: $(cat "$log")"
cmp "$data/Serpentia.INI" <("$root/usr/bin/zygora-calc" --default-gene-set) ||
  fail "Serpentia.INI is not the built-in gene set"

# Asked to end, the program closes its window, which saves the set in the main settings file.
kill -TERM "$program"
wait_until ended || fail "the program did not end within 30 s of SIGTERM: $(cat "$log")"
status=0
wait "$program" || status=$?
program=""
[ "$status" -eq 0 ] || fail "the program ended with status $status: $(cat "$log")"
grep -qi '^IniFile=Serpentia' "$data/GenericZygora.INI" ||
  fail "no main settings file naming Serpentia in $data: $(ls -la "$data")"

[ "$(snapshot)" = "$before" ] || fail "the program wrote into its own folder: $(diff <(echo "$before") <(snapshot))"
echo "package test: $(basename "$deb") passed"
