#!/usr/bin/env bash
# Checks an installed Quillet package: every file where the desktop looks for it, the desktop
# entry and metainfo accepted by the distribution's validators, and a program that starts.
#   dist/check-installed.sh [app id]     (default org.example.quillet)
set -euo pipefail
app_id=${1:-org.example.quillet}

# Every installed file the desktop relies on; append new ones here.
expected=(
    /usr/bin/quillet
    "/usr/share/applications/$app_id.desktop"
    "/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    "/usr/share/metainfo/$app_id.metainfo.xml"
    "/usr/share/mime/packages/$app_id.xml"
    /usr/libexec/quillet/quillet-config-reader
)

failed=0
fail() {
    echo "check-installed: $*" >&2
    failed=1
}

for path in "${expected[@]}"; do
    if [ ! -s "$path" ]; then
        fail "missing or empty: $path"
    elif ! dpkg -S "$path" >/dev/null 2>&1; then
        fail "not owned by any installed package: $path"
    fi
done

[ "$(command -v quillet || true)" = /usr/bin/quillet ] || fail "quillet is not /usr/bin/quillet on PATH"
[ -x /usr/bin/quillet ] || fail "/usr/bin/quillet is not executable"

desktop=/usr/share/applications/$app_id.desktop
if [ -f "$desktop" ]; then
    out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
    [ -z "$out" ] || fail "desktop-file-validate: $out"
    grep -qx 'Exec=quillet' "$desktop" || grep -q '^Exec=quillet ' "$desktop" ||
        fail "the desktop entry does not start quillet from PATH"
    grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry does not name the icon $app_id"
fi
grep -q '^MimeType=.*application/x-quillet-workspace' "$desktop" 2>/dev/null ||
    fail "the desktop entry does not declare application/x-quillet-workspace"
# The package's trigger has rebuilt the MIME database, so file managers know the type.
grep -q '^application/x-quillet-workspace:\*\.quillet$' /usr/share/mime/globs 2>/dev/null ||
    fail "the MIME database does not map *.quillet to application/x-quillet-workspace"
metainfo=/usr/share/metainfo/$app_id.metainfo.xml
if [ -f "$metainfo" ]; then
    out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli: $out"
fi

# The config reader answers for a game folder, and its sandbox holds.
game=$(mktemp -d)
printf 'application = { content = { width = 320, height = 480, scale = "letterbox" } }\n' >"$game/config.lua"
printf 'os.execute("true")\n' >"$game/build.settings"
answer=$(/usr/libexec/quillet/quillet-config-reader "$game" 640 1136 ios "iPhone 5" 2>&1 || true)
rm -rf "$game"
grep -q '"file":"config.lua","status":"ok".*"width":320,"height":480' <<<"$answer" ||
    fail "quillet-config-reader did not read config.lua: $answer"
grep -q "\"file\":\"build.settings\",\"status\":\"error\".*'execute'" <<<"$answer" ||
    fail "quillet-config-reader let build.settings call os.execute: $answer"

version=$(quillet --version 2>&1 || true)
[ "$version" = "Quillet $(dpkg-query -W -f='${Version}' quillet)" ] || fail "quillet --version printed: $version"

# Started counts when it is still running after a few seconds and has to be stopped.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
set +e
QT_QPA_PLATFORM=offscreen timeout 5 quillet >"$log" 2>&1
rc=$?
set -e
if [ "$rc" -ne 124 ]; then
    fail "quillet did not keep running (exit code $rc): $(cat "$log")"
fi

if [ "$failed" -ne 0 ]; then
    exit 1
fi
echo "check-installed: ${#expected[@]} files in place, entries valid, quillet starts"
