# Sourced by the scripts that run the Windows release under Wine (needs work, fail and here): the
# zip unpacked into $work with its program in exe; run runs a Windows program quietly, and
# check_under_wine runs the screenshot check under Wine on a shot given by its Linux path.
#   ZIP and CHECK: the release zip and e2e_check.exe
run() { "$here/wine-run.sh" "$@"; }

(cd "$work" && cmake -E tar xf "$zip") || fail "cannot unpack $zip"
exe=$(ls "$work"/vemmick-*-windows-x64/vemmick.exe)
# The program finds its DLLs in its folder alone; only the checks are given the tests' search path.
check_dlls=${VEMMICK_WINE_DLLS:-}
unset VEMMICK_WINE_DLLS
check_under_wine() { VEMMICK_WINE_DLLS=$check_dlls run "$check" "$(winepath -w "$1" 2>/dev/null)" "${@:2}"; }
