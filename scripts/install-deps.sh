#!/bin/sh
# Installs, on Debian 12, whatever the build, the tests and the demo need and
# the machine lacks. Run as root (or with sudo available).
set -e
packages="cmake make g++ googletest g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 $*"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
echo "Installing:$missing" >&2
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
