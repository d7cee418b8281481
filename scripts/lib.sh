# Shared by scripts/run and scripts/test: installs what the build needs and builds under build/.

ZANTOR_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ZANTOR_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgl-dev libbenchmark-dev zlib1g-dev tiled)

zantor_log() { printf '%s\n' "$*" >&2; }
# lrelease builds the translations; its CMake package is in qt6-tools-dev.
ZANTOR_PACKAGES+=(qt6-l10n-tools qt6-tools-dev)

# Installs the Debian packages that are missing; asks apt only when something is.
zantor_ensure_packages() {
    local missing=() pkg
    for pkg in "${ZANTOR_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    zantor_log "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# zantor_build DIR BUILD_TYPE [cmake options...] -- [targets...]
zantor_build() {
    local dir="$1" type="$2"
    shift 2
    local options=() targets=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do options+=("$1"); shift; done
    [ "${1:-}" = "--" ] && shift
    targets=("$@")
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$ZANTOR_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "${options[@]}" >&2
    fi
    local jobs="${ZANTOR_JOBS:-$(nproc)}"
    if [ ${#targets[@]} -gt 0 ]; then
        cmake --build "$dir" -j"$jobs" --target "${targets[@]}" >&2
    else
        cmake --build "$dir" -j"$jobs" >&2
    fi
}

# zantor_ensure_sample PATH FRESH COMMAND...: makes sure the sample cartridge is at PATH, writing
# it with `COMMAND... PATH` only when it is missing or FRESH is 1. A sample that is there is
# the user's to edit, so a second run opens it as they left it. Says which it was.
zantor_ensure_sample() {
    local path="$1" fresh="$2"
    shift 2
    if [ "$fresh" = 1 ] || [ ! -e "$path" ]; then
        "$@" "$path" || return
        zantor_log "Wrote a new sample cartridge: $path"
    else
        zantor_log "Sample cartridge (as you left it): $path"
        zantor_log "  scripts/run --fresh-sample writes it anew."
    fi
}
