#!/usr/bin/env bash
# The Debian package of this build tree: CPack packs what the build installs (gzip, to stay
# quick) into a folder of its own, and scripts/check-package checks it as scripts/package
# does. Skips (exit 77) where the Debian packaging tools are not installed.
#   test_package.sh CPACK BUILD_DIR
set -euo pipefail
cpack="$1" build="$2"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
for tool in dpkg-deb dpkg-shlibdeps file desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" \
    -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip >/dev/null
"$root/scripts/check-package" "$out"/zantor_*_amd64.deb
