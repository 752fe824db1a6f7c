#!/usr/bin/env bash
# Fails when a file of a Qt-free core library includes Qt: every file of logic/,
# and in platform/, editors/, report/ and port/ the sources of the folder's
# *_core library and every header that is not the header of a Qt-side source.
set -euo pipefail
cd "$(dirname "$0")/.."

# The sources of the library named $2 in the CMakeLists.txt of folder $1.
fuentes() {
    awk -v lib="$2" '
        $0 ~ "add_library\\(" lib " " { dentro = 1; next }
        dentro && /\)/ { dentro = 0 }
        dentro { gsub(/[ \t]/, ""); if ($0 ~ /\.cpp$/) print }
    ' "$1/CMakeLists.txt" | grep -v '/' || true
}

archivos=(logic/*.h logic/*.cpp)
for dir in platform editors report port; do
    [ -f "$dir/CMakeLists.txt" ] || continue
    for f in $(fuentes "$dir" "tarnovel_${dir}_core"); do
        archivos+=("$dir/$f")
    done
    gui=" $(fuentes "$dir" "tarnovel_${dir}_gui" | tr '\n' ' ') "
    for h in "$dir"/*.h; do
        base=$(basename "$h" .h)
        case "$gui" in *" $base.cpp "*) continue ;; esac
        archivos+=("$h")
    done
done

if grep -n -E '#include\s*<Q' "${archivos[@]}"; then
    echo "Qt include found in the core" >&2
    exit 1
fi
echo "${#archivos[@]} core files, none includes Qt"
