#!/usr/bin/env bash
# Installs what is missing, builds Gridora's browser version and serves it on
# this computer only:
#   bash scripts/web.sh [PORT]      (default 8080)
# then open the address it prints. The site itself is the folder build/web/site:
# copy it to any web server to host Gridora for a school.
set -euo pipefail
cd "$(dirname "$0")/.."
port="${1:-8080}"
bash scripts/install-deps.sh
cmake --preset dev -DGRIDORA_WEB=ON >/dev/null
cmake --build build -j"$(nproc)" --target web
echo "Gridora is at http://127.0.0.1:${port}/  (Ctrl+C stops it)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web/site
