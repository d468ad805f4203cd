#!/usr/bin/env bash
# Installs the browser test's driver (puppeteer-core, pinned with every dependency in
# package-lock.json) into DIR from the npm registry.
set -eu
dir=$1
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$dir"
cp "$here/package.json" "$here/package-lock.json" "$dir/"
cd "$dir"
npm ci --no-audit --no-fund --ignore-scripts
