#!/bin/sh
# The ZIP package of a Windows tree, as someone who downloads it gets it: made
# with CPack from the built tree, unzipped into an empty folder, checked for
# the files it must hold, and its orvo-edit and orvo-host run from there under
# Wine with nothing on WINEPATH (a DLL it lacks, such as the MinGW runtime's,
# then stops them). Run by CTest in each Windows tree.
#
#   sh scripts/package-test.sh BUILD-DIR DRIVER.exe RECORD-FILE
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=$1 driver=$2 record=$3
. "$here/wine-env.sh"

(cd "$build" && cpack -G ZIP --config CPackConfig.cmake >/dev/null)
zip=$(ls "$build"/package/OrvoFieldEditors-*-win*.zip)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/package" "$work/records"
(cd "$work/package" && cmake -E tar xf "$zip")
folder=$(ls -d "$work/package"/OrvoFieldEditors-*)
echo "$(basename "$zip"): $(ls "$folder" | tr '\n' ' ')"

missing=""
for file in OrvoFieldEditors.dll OrvoLibraryU.dll OrvoEditorCore.dll OrvoCustomControls.dll OrvoMfc.dll \
            OrvoFieldEditors.h OrvoFieldEditors.def OrvoFieldEditors.lib OrvoFieldEditors.dll.a \
            orvo-edit.exe orvo-batch.exe orvo-host.exe README.txt licences/gcc-runtime.txt; do
    [ -f "$folder/$file" ] || missing="$missing $file"
done
if [ -n "$missing" ]; then
    echo "FAILED: the package lacks$missing"
    exit 1
fi

cp "$record" "$work/records/records.mrc"
# Nothing on WINEPATH: the programs find only what the folder holds.
ORVO_WINE_RUNTIME=none "$here/wine-run" "$driver" "$(to_wine_path "$folder")" \
    "$(to_wine_path "$work/records/records.mrc")"
