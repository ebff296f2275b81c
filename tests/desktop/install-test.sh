#!/usr/bin/env bash
# Installs the build into a scratch prefix and looks at it as a desktop does: the menu entry's
# program and icon must be there, and a tree file, whatever the case of its extension, must be
# of Kvistra's type and open with Kvistra.
# Usage: install-test.sh BUILD_DIR WITH_PROGRAM (1 when the program was built, else 0)
set -euo pipefail

build="$1"
with_program="$2"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

if ! cmake --install "$build" --prefix "$prefix" >"$prefix/install.log" 2>&1; then
  cat "$prefix/install.log"
  exit 1
fi

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

share="$prefix/share"
entry="$share/applications/kvistra.desktop"
[ -f "$entry" ] || { echo "FAIL: no desktop entry at $entry"; exit 1; }
value() { sed -n "s/^$1=//p" "$entry"; }

program="$(value Exec | cut -d' ' -f1)"
if [ "$with_program" = 1 ] && [ ! -x "$prefix/bin/$program" ]; then
  fail "the entry runs '$program', which is not installed in bin"
fi

# The width and height of a PNG sit at bytes 16 to 23, big-endian.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $3 * 256 + $4 "x" $7 * 256 + $8}'; }
icon="$(value Icon)"
for size in 16 22 24 32 48 64 128 256; do
  png="$share/icons/hicolor/${size}x${size}/apps/$icon.png"
  if [ ! -f "$png" ]; then
    fail "no icon '$icon' of ${size} px"
  elif [ "$(png_size "$png")" != "${size}x${size}" ]; then
    fail "$png is $(png_size "$png") px"
  fi
done
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon '$icon'"

# Ask GLib, as a file manager would, with only the system's and the installed data in sight.
desktop() {
  env GIO_USE_VFS=local XDG_DATA_HOME="$share" XDG_DATA_DIRS=/usr/share \
    XDG_CONFIG_HOME="$prefix/config" XDG_CONFIG_DIRS="$prefix/config" \
    PATH="$prefix/bin:$PATH" "$@"
}
type="$(value MimeType | cut -d';' -f1)"
for name in Træ.KV3 træ.kv3; do
  printf '2\r\n' >"$prefix/$name"
  got="$(desktop gio info -a standard::content-type "$prefix/$name" |
    sed -n 's/^ *standard::content-type: //p')"
  [ "$got" = "$type" ] || fail "$name is of type '$got', not '$type'"
done
if [ "$with_program" = 1 ]; then
  # Read the whole answer first: grep -q stops reading at the match, and under pipefail the
  # writer's broken pipe would count as a failure.
  handler="$(desktop gio mime "$type")"
  grep -q "^Default application.*: kvistra.desktop$" <<<"$handler" ||
    fail "a double-click on a tree file does not open Kvistra: $handler"
fi

[ "$failures" -eq 0 ]
