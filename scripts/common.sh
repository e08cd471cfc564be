# Shared by run.sh, test.sh and test-sanitizers.sh: installs the Debian
# packages the build needs (only those missing), then configures and builds
# into $BUILD (BUILD_DIR, default build/). A script that sources this may set
# the array QV_CMAKE_ARGS first: more arguments for the configure step.
# run_tests runs every test of $BUILD, each within the one time limit the
# tests have (they set none of their own).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
PKGS=(g++ cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev
      qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-translations-l10n
      poppler-utils fonts-liberation fonts-dejavu-core xauth
      libcurl4-openssl-dev ca-certificates)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "== installo: ${missing[*]}"
  SUDO=; [ "$(id -u)" -eq 0 ] || SUDO=sudo
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q </dev/null
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
fi
BUILD=${BUILD_DIR:-build}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      ${QV_CMAKE_ARGS[@]+"${QV_CMAKE_ARGS[@]}"}
cmake --build "$BUILD" -j "$(nproc)"

run_tests() {
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$BUILD" --output-on-failure -j "$(nproc)" \
    --timeout 300 </dev/null
}
