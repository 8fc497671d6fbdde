#!/usr/bin/env bash
# Builds the two Debian packages into OUT_DIR (default: build/deb/packages):
#   moxa7730      the three programs, desktop entry, icon and manual pages
#   moxa7730-dev  the toolkit: static libraries, headers, CMake package, pkg-config file
# in a release build of its own (build/deb, configured for /usr, without
# tests, benchmarks or fuzzers), then checks them with lintian when it is
# installed. The programs' dependencies come from dpkg-shlibdeps.
#
# usage: tools/make_deb.sh [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out=${1:-build/deb/packages}
mkdir -p "$out"
out=$(cd "$out" && pwd)
build=${MOXA_DEB_BUILD:-build/deb}

# Debian's hardening flags (fortified functions, stack protector, read-only
# relocations bound at start), without debug information.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS | sed -E 's/(^| )-g( |$)/ /')"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=g++ \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DCMAKE_INSTALL_PREFIX=/usr -DMOXA_BUILD_TESTS=OFF -DMOXA_BUILD_BENCH=OFF \
  -DMOXA_BUILD_FUZZ=OFF -DMOXA_BUILD_EXAMPLES=OFF >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)"
# Files keep the permissions they were made with: packages want 644 and 755.
(umask 022 && cd "$build" && cpack -G DEB -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"

debs=("$out"/moxa7730_*.deb "$out"/moxa7730-dev_*.deb)
for deb in "${debs[@]}"; do
  [ -f "$deb" ] || { echo "make_deb: $deb was not made" >&2; exit 1; }
  echo "$deb"
done
if command -v lintian >/dev/null; then
  # Errors fail; warnings are printed for the record.
  lintian --fail-on error "${debs[@]}"
else
  echo "make_deb: lintian is not installed (tools/setup.sh installs it): the packages are unchecked" >&2
fi
