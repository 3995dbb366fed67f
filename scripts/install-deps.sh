#!/usr/bin/env bash
# Installs every Debian package that building, testing and running the dashboard needs.
set -euo pipefail
packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-multimedia-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation clang-format xvfb
    # libFuzzer and the sanitizer runtimes; clang only recommends the second package.
    clang libclang-rt-dev
)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
