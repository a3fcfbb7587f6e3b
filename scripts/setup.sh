#!/usr/bin/env bash
# Installs what the build needs (Debian packages, the es_ES.UTF-8 locale the
# locale tests use), then configures and builds into build/. Idempotent: when
# everything is present it only runs the (incremental) build.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make pkg-config sqlite3 libsqlite3-dev libgtest-dev
          libgmock-dev libbenchmark-dev libcli11-dev locales
          clang libclang-rt-14-dev
          qt6-base-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core)
# The ODBC backend, and the SQLite ODBC driver its tests reach a store through.
packages+=(unixodbc-dev libsqliteodbc)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" \
    || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get install -y -q --no-install-recommends "${missing[@]}" \
    || { apt-get update -q && apt-get install -y -q --no-install-recommends "${missing[@]}"; }
fi

if ! locale -a 2>/dev/null | grep -qi '^es_ES\.utf-\?8$'; then
  echo "setup: generating the es_ES.UTF-8 locale"
  sed -i 's/^# *\(es_ES.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^es_ES.UTF-8 UTF-8' /etc/locale.gen || echo 'es_ES.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi

build_dir=${BUILD_DIR:-build}
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build_dir" -j"$(nproc)"
