#!/usr/bin/env bash
# Checks the Windows release folder without running it: a windowed 64-bit program with address
# randomisation and DEP; every DLL that anything in the folder loads is in the folder or part of
# Windows, and every DLL of the folder is loaded; the icon, version and manifest resources.
#   release_test.sh FOLDER VERSION
set -euo pipefail
folder=$1 version=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
objdump=x86_64-w64-mingw32-objdump
exe=$folder/vemmick.exe
[ -f "$exe" ] || fail "no $exe"

headers=$($objdump -p "$exe")
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "vemmick.exe is not a windowed program"
grep -q 'Magic.*PE32+' <<<"$headers" || fail "vemmick.exe is not 64-bit"
for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
    grep -qx "[[:space:]]*$flag" <<<"$headers" || fail "vemmick.exe lacks $flag"
done

# The DLLs of Windows itself that the program and its libraries may load.
system='^(kernel32|user32|gdi32|shell32|shcore|ole32|oleaut32|advapi32|comdlg32|imm32|winmm|ws2_32|wtsapi32|uxtheme|dwmapi|version|netapi32|userenv|mpr|shlwapi|setupapi|d3d9|d3d11|dxgi|dwrite|authz|msvcrt|api-ms-win-.*)\.dll$'
declare -A loaded=()
while IFS= read -r -d '' file; do
    while read -r dll; do
        name=$(tr 'A-Z' 'a-z' <<<"$dll")
        loaded[$name]=1
        [ -n "$(find "$folder" -maxdepth 1 -iname "$dll")" ] && continue
        grep -Eq "$system" <<<"$name" || fail "${file#"$folder"/} loads $dll, which is neither in the folder nor part of Windows"
    done < <($objdump -p "$file" | awk '/DLL Name:/ {print $3}')
done < <(find "$folder" -iname '*.exe' -print0 -o -iname '*.dll' -print0)
for dll in "$folder"/*.dll; do
    [ -n "${loaded[$(basename "$dll" | tr 'A-Z' 'a-z')]:-}" ] || fail "$(basename "$dll") is in the folder, but nothing loads it"
done
for f in platforms/qwindows.dll styles/qwindowsvistastyle.dll LICENSE.txt LICENSE-Qt-LGPL-3.0.txt LICENSE-giflib.txt README.txt; do
    [ -f "$folder/$f" ] || fail "the folder lacks $f"
done
grep -q 'GNU LESSER GENERAL PUBLIC LICENSE' "$folder/LICENSE-Qt-LGPL-3.0.txt" || fail "Qt's licence text is not the LGPL"
grep -q 'download.qt.io' "$folder/README.txt" || fail "README.txt does not say where Qt's source is"
# As Notepad shows it: every line ends in CR LF, and the title's underline is as long as the title.
[ "$(grep -c $'\r$' "$folder/README.txt")" -eq "$(wc -l <"$folder/README.txt")" ] || fail "README.txt has lines without CR LF"
readme_title=$(sed -n '1s/\r$//p' "$folder/README.txt")
readme_rule=$(sed -n '2s/\r$//p' "$folder/README.txt")
[[ "$readme_rule" =~ ^=+$ && ${#readme_rule} -eq ${#readme_title} ]] || fail "README.txt's title '$readme_title' is underlined with '$readme_rule'"

resources=$(x86_64-w64-mingw32-windres -i "$exe" -O rc)
icon=$(sed -n '/RT_GROUP_ICON/,/^END/p' <<<"$resources" | grep -oE '^ *"\\[0-7]{3}' | tr -d ' "' | tr '\n' ' ')
[ "$icon" = '\020 \030 \040 \060 \100 \000 ' ] || fail "the icon's images are not 16, 24, 32, 48, 64 and 256 pixels: $icon"
IFS=. read -r major minor patch <<<"$version"
grep -q "FILEVERSION $major, $minor, $patch, 0" <<<"$resources" || fail "no file version $version"
for value in '"ProductName", "Vemmick 2"' "\"ProductVersion\", \"$version\"" '"FileDescription", "Vemmick 2"' \
             '"LegalCopyright", "Copyright (c) '; do
    grep -qF "VALUE $value" <<<"$resources" || fail "the version resource lacks $value"
done
manifest=$(sed -n '/RT_MANIFEST/,/^END/p' <<<"$resources")
grep -q 'PerMonitorV2' <<<"$manifest" || fail "the manifest does not ask for per-monitor DPI awareness"
grep -q '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}' <<<"$manifest" || fail "the manifest does not name Windows 10 and 11"
echo "1 passed, 0 failed"
