#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -x build/reshalkin ]; then
    exec build/reshalkin
fi
echo "Собрано: библиотека расчётов calc и её тесты; окна программы ещё не готовы."
echo "Built: the calculation library and its tests; the program's windows are not there yet."
