#!/usr/bin/env bash
# Installs, with apt-get, whatever the build and the tests need and this machine
# lacks. Run as root on Debian 12.
set -euo pipefail

paquetes=(
    cmake make g++ ninja-build pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-translations-l10n libgl-dev
    clang libclang-rt-14-dev clang-format
    fonts-liberation2 fonts-urw-base35 fonts-dejavu-core
)

faltan=()
for p in "${paquetes[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        faltan+=("$p")
    fi
done

if [ ${#faltan[@]} -gt 0 ]; then
    echo "Installing: ${faltan[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${faltan[@]}"
fi
