# Shared by scripts/run, scripts/test and scripts/bench: install what is missing, configure, build.
set -euo pipefail
PRALUNE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export DEBIAN_FRONTEND=noninteractive

pralune_install_packages() {
    local missing=() pkg
    while read -r pkg; do
        [ -z "$pkg" ] && continue
        case "$pkg" in \#*) continue ;; esac
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done < "$PRALUNE_ROOT/scripts/packages.txt"
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

# pralune_build BUILD_DIR [cmake options...]
pralune_build() {
    local dir="$1"; shift
    cmake -S "$PRALUNE_ROOT" -B "$dir" -G Ninja "$@"
    cmake --build "$dir" --parallel "$(nproc)"
}
