# SPDX-FileCopyrightText: 2026 Norvanda
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by scripts/run, scripts/test and scripts/bench: installs what is missing and builds.

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev
    libsimdjson-dev libcurl4-openssl-dev libcpp-httplib-dev
    libjpeg-dev libpng-dev libbenchmark-dev
    fonts-dejavu-core util-linux
)

install_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

build_tree() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTANDORA_WERROR=ON
    cmake --build build "$@"
}
