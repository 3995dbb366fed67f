#!/usr/bin/env bash
# Checks the Debian package that scripts/package.sh made: lists it, checks that it names the
# libraries and fonts it needs, gives one version in the package, its changelog and its
# metadata, holds a program that starts, and that its desktop entry, its AppStream metadata and
# the package pass desktop-file-validate, appstreamcli and lintian without an error or a
# warning. Usage: scripts/check-package.sh PACKAGE.deb
set -euo pipefail
deb="$1"
unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
fail() {
    echo "$1" >&2
    exit 1
}
echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) kB"
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"
dpkg-deb --extract "$deb" "$unpacked"

depends="$(dpkg-deb --field "$deb" Depends)"
for needed in libqt6widgets6 libqt6gui6 libqt6dbus6 libstdc++6 fonts-liberation; do
    sed 's/ ([^)]*)//g; s/, /\n/g' <<<"$depends" | grep -qxF "$needed" || fail "Depends lacks $needed: $depends"
done
version="$(dpkg-deb --field "$deb" Version)"
zcat "$unpacked/usr/share/doc/rovik/changelog.gz" | head -n 1 | grep -qF "rovik ($version)" || fail "changelog is not of $version"
grep -qF "<release version=\"$version\"" "$unpacked"/usr/share/metainfo/*.xml || fail "metadata has no release $version"
[[ "$("$unpacked/usr/bin/rovik" --version)" == "Rovik Version "* ]] || fail "the packaged rovik does not start"

# desktop-file-validate says nothing when all is well.
validated="$(desktop-file-validate "$unpacked"/usr/share/applications/*.desktop 2>&1)" && [ -z "$validated" ] ||
    fail "desktop-file-validate: $validated"
appstreamcli validate --no-net --explain "$unpacked"/usr/share/metainfo/*.xml
lintian --fail-on error,warning --display-info "$deb"
