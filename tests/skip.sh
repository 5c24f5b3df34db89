# Sourced by the test scripts: `need TOOL...` ends the test as skipped (exit status 77, which ctest
# reports as skipped) when a tool it runs is not installed. `make test` installs every tool and
# fails on a skipped test; a build without the desktop tools still runs the rest.
need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
    done
}
