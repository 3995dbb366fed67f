#!/usr/bin/env bash
# Checks the Debian package that scripts/package.sh made: lists it, holds exactly the files of
# an installation under /usr, names the libraries and the run-time parts it needs, gives one
# version everywhere, and its desktop entry, its AppStream metadata and the package itself
# pass desktop-file-validate, appstreamcli and lintian without an error or a warning.
# Usage: package-test.sh PACKAGE.deb FILE_LIST (the build's tests/install/installed-files.txt)
set -euo pipefail
deb="$1"
expected="$2"
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
diff -u "$expected" \
    <(cd "$unpacked/usr" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)

depends="$(dpkg-deb --field "$deb" Depends)"
depended="$(sed 's/ ([^)]*)//g; s/, /\n/g' <<<"$depends")"
for needed in libqt6widgets6 libqt6gui6 libqt6dbus6 libstdc++6 fonts-liberation; do
    grep -qxF "$needed" <<<"$depended" || fail "Depends lacks $needed: $depends"
done

version="$(dpkg-deb --field "$deb" Version)"
# The stripped program still starts.
[[ "$("$unpacked/usr/bin/rovik" --version)" == "Rovik Version "* ]] || fail "the packaged rovik does not start"
changelog="$(zcat "$unpacked/usr/share/doc/rovik/changelog.gz" | sed -n '1s/^rovik (\(.*\)).*/\1/p')"
release="$(grep -o -m1 '<release version="[^"]*"' "$unpacked"/usr/share/metainfo/*.xml | cut -d'"' -f2)"
[ "$changelog" = "$version" ] && [ "$release" = "$version" ] ||
    fail "package $version, changelog $changelog, metainfo release $release"

# Each validator must say nothing beyond its own summary.
validated="$(desktop-file-validate "$unpacked"/usr/share/applications/*.desktop 2>&1)" ||
    fail "desktop-file-validate: $validated"
[ -z "$validated" ] || fail "desktop-file-validate: $validated"
appstreamcli validate --no-net --explain "$unpacked"/usr/share/metainfo/*.xml
lintian --fail-on error,warning --display-info "$deb"
