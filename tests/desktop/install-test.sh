#!/usr/bin/env bash
# Installs the build into a scratch prefix, or unpacks the Debian package into a scratch root,
# and looks at it as a desktop does: the menu entry's program and icon must be there, and a tree
# file, whatever the case of its extension, and a document must be of Kvistra's types and open
# with Kvistra.
# The program must answer its command line without a display. A package must also hold its
# manual pages, AppStream data and documents, start, and pass lintian and appstreamcli.
# Usage: install-test.sh BUILD_DIR WITH_PROGRAM (1 when the program was built, else 0)
#        install-test.sh --package KVISTRA.deb
set -euo pipefail

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
if [ "$1" = --package ]; then
  package="$(realpath "$2")"
  with_program=1
  dpkg-deb -x "$package" "$scratch/root"
  prefix="$scratch/root/usr"
  # The desktop's caches are the target's to build, by the triggers of its own packages.
  [ -z "$(find "$prefix/share" -name '*.cache')" ] || {
    echo "FAIL: the package holds a desktop cache"
    exit 1
  }
  update-mime-database "$prefix/share/mime"
  update-desktop-database "$prefix/share/applications" >/dev/null 2>&1
else
  package=
  with_program="$2"
  prefix="$scratch/prefix"
  if ! cmake --install "$1" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
    cat "$scratch/install.log"
    exit 1
  fi
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
    XDG_CONFIG_HOME="$scratch/config" XDG_CONFIG_DIRS="$scratch/config" \
    PATH="$prefix/bin:$PATH" "$@"
}
# Each type the entry opens, with files that must be of it: tree files, then documents.
types="$(value MimeType)"
check_type() {
  local type="$1" kind="$2" content="$3"
  shift 3
  grep -q "\(^\|;\)$type;" <<<"$types" || fail "the desktop entry does not open $type"
  for name in "$@"; do
    printf '%s' "$content" >"$scratch/$name"
    got="$(desktop gio info -a standard::content-type "$scratch/$name" |
      sed -n 's/^ *standard::content-type: //p')"
    [ "$got" = "$type" ] || fail "$name is of type '$got', not '$type'"
  done
  if [ "$with_program" = 1 ]; then
    # Read all of gio's answer first: grep -q stops at the match, and gio, cut off by the closed
    # pipe, would fail the pipeline now and then.
    handlers="$(desktop gio mime "$type")"
    grep -q "^Default application.*: kvistra.desktop$" <<<"$handlers" ||
      fail "a double-click on a $kind does not open Kvistra: $handlers"
  fi
}
check_type application/x-kvistra-tree "tree file" $'2\r\n' Træ.KV3 træ.kv3
check_type application/x-kvistra-document "document" '{"format": "Kvistra-dokument"}' træ.kvistra

# answer ARGUMENT...: runs the program without a display (on $platform if set) and keeps its
# exit code and output.
answer() {
  status=0
  output="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$scratch" \
    XDG_RUNTIME_DIR="$scratch" ${platform:+QT_QPA_PLATFORM=$platform} \
    "$prefix/bin/kvistra" "$@" 2>&1)" || status=$?
}
if [ "$with_program" = 1 ]; then
  answer --help
  [ "$status" = 0 ] && grep -q "^Brug: kvistra" <<<"$output" ||
    fail "--help answered $status: $output"
  answer --version
  [ "$status" = 0 ] && grep -qx "Kvistra [0-9.]*" <<<"$output" &&
    grep -qx "Licens: GPL-3.0-or-later" <<<"$output" ||
    fail "--version answered $status: $output"
  version="$(sed -n 's/^Kvistra //p' <<<"$output")"
  # An unknown option is refused wherever it stands, also beside a question the program answers.
  for line in "--ukendt" "--version --ukendt" "--ukendt --version" "--help --ukendt"; do
    # shellcheck disable=SC2086 # the line is split into its words on purpose
    answer $line
    [ "$status" = 2 ] && grep -q "ukendt tilvalg" <<<"$output" ||
      fail "kvistra $line answered $status: $output"
  done
fi

if [ -n "$package" ]; then
  [ "$(dpkg-deb -f "$package" Version)" = "$version" ] ||
    fail "--version says $version, the package $(dpkg-deb -f "$package" Version)"
  for file in libexec/kvistra/kvistra_svg.so share/man/man1/kvistra.1.gz \
    share/man/da/man1/kvistra.1.gz share/metainfo/dk.kvistra.Kvistra.metainfo.xml \
    share/doc/kvistra/copyright share/doc/kvistra/changelog.gz share/mime/packages/kvistra.xml; do
    [ -f "$prefix/$file" ] || fail "the package has no /usr/$file"
  done
  [ "$(find "$scratch/root" -mindepth 1 -maxdepth 1)" = "$scratch/root/usr" ] ||
    fail "the package installs outside /usr"
  file "$prefix/bin/kvistra" | grep -q ", stripped" || fail "the program is not stripped"
  depends="$(dpkg-deb -f "$package" Depends)"
  for needed in libc6 libqt6widgets6 libqt6svg6 qt6-qpa-plugins fonts-liberation \
    qt6-translations-l10n; do
    grep -q "\b$needed\b" <<<"$depends" || fail "the package does not depend on $needed"
  done
  # The program from the package starts and is still running a moment later.
  status=0
  env HOME="$scratch" XDG_RUNTIME_DIR="$scratch" QT_QPA_PLATFORM=offscreen \
    timeout 3 "$prefix/bin/kvistra" >"$scratch/start.log" 2>&1 || status=$?
  [ "$status" = 124 ] || fail "the packaged program ended at start: $(cat "$scratch/start.log")"
  # Nothing of the package needs a script at install or removal, so removing it leaves nothing.
  scripts="$(dpkg-deb --ctrl-tarfile "$package" | tar -t | grep -E 'pre|post' || true)"
  [ -z "$scripts" ] || fail "the package has maintainer scripts: $scripts"
  lintian --fail-on error "$package" >"$scratch/lintian.log" 2>&1 ||
    fail "lintian: $(cat "$scratch/lintian.log")"
  appstreamcli validate --no-net "$prefix/share/metainfo/dk.kvistra.Kvistra.metainfo.xml" \
    >"$scratch/appstream.log" 2>&1 || fail "appstreamcli: $(cat "$scratch/appstream.log")"
  desktop-file-validate "$prefix/share/applications/kvistra.desktop" ||
    fail "the packaged desktop entry is not valid"
fi

[ "$failures" -eq 0 ]
