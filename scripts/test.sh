#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (benchmarks excluded).
source "$(dirname "$0")/common.sh"
dravello_install_packages
dravello_build "$DRAVELLO_ROOT/build"
cd "$DRAVELLO_ROOT/build"
ctest --output-on-failure --parallel "$(nproc)" --label-exclude 'bench' --timeout 600
