#!/bin/sh
# Installs, on Debian 12, whatever the build, the tests and the demo need and
# the machine lacks. Run as root (or with sudo available).
set -e
# With their recommended packages, as the tests were made on: Wine only
# recommends its fonts (MS Sans Serif, Tahoma, Marlett; Liberation for Arial),
# which the dialogs need; they are named here so that no one drops them.
# clang and its runtime build the libFuzzer targets.
packages="cmake make g++ googletest g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 fonts-wine fonts-liberation clang libclang-rt-dev $*"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
echo "Installing:$missing" >&2
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing >/dev/null
