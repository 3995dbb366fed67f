#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the tree: exactly the files of the
# list the build makes from installed-files.txt, the programs executable, and the installed program printing its
# version and usage without a display. Usage: install-tree-test.sh BUILD_FOLDER FILE_LIST
set -euo pipefail
build="$1"
expected="$2"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

diff -u "$expected" <(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
for program in rovik rovik-box rovik-start vxbsim; do
    [ -x "$prefix/bin/$program" ] || { echo "bin/$program is not executable" >&2; exit 1; }
done

# 3.1.2 is shown as "3.1 Build 2".
IFS=. read -r major minor build_number < <(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
version="$("${no_display[@]}" "$prefix/bin/rovik" --version)"
if [ "$version" != "Rovik Version $major.$minor Build $build_number" ]; then
    echo "rovik --version printed \"$version\"" >&2
    exit 1
fi
usage="$("${no_display[@]}" "$prefix/bin/rovik" --help)"
for part in "demo=FILE.rvk" "--version" "~/.local/share/rovik" "/usr/share/rovik"; do
    grep -qF -- "$part" <<<"$usage" || { echo "rovik --help says nothing of $part" >&2; exit 1; }
done
