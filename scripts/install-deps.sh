#!/bin/sh
# Installs, on Debian 12, whatever the build, the tests and the demo need and
# the machine lacks. Run as root (or with sudo available).
set -e
# With their recommended packages, as the tests were made on: Wine only
# recommends its fonts (MS Sans Serif, Tahoma, Marlett; Liberation for Arial),
# which the dialogs need; they are named here so that no one drops them.
# MinGW-w64 for both architectures (x86-64 and i686); 32-bit Windows programs
# run under wine32, a package of Debian's i386 architecture. clang, lld and
# llvm (llvm-dlltool) make Microsoft's import library and the program that
# links it; clang and its runtime also build the libFuzzer targets. yaz
# (yaz-marcdump): the yardstick of the benchmarks, the character-set
# conversion and our reading of damaged records.
packages="cmake make g++ googletest
          g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 g++-mingw-w64-i686-posix binutils-mingw-w64-i686
          wine wine64 wine32:i386 fonts-wine fonts-liberation clang lld llvm libclang-rt-dev yaz $*"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
echo "Installing:$missing" >&2
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing >/dev/null
