#!/usr/bin/env bash
# Installs the game into a scratch root, checks the desktop entry and metainfo, then
# starts the program from the menu entry's command under a virtual display and closes it
# the way a user would. Usage: installed_start_test.sh <build-dir>
set -euo pipefail
build_dir=$1
root=$(mktemp -d)
display=""
pids=()

cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT

DESTDIR="$root" cmake --install "$build_dir" --prefix /usr >/dev/null

desktop="$root/usr/share/applications/caselio.desktop"
test -x "$root/usr/bin/caselio"
test -f "$root/usr/share/icons/hicolor/scalable/apps/caselio.svg"
desktop-file-validate "$desktop"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/org.example.caselio.metainfo.xml" >/dev/null

# The menu entry's command, with the scratch root's bin first on the PATH.
command=$(sed -n 's/^Exec=//p' "$desktop")
[[ -n $command ]]

for n in $(seq 90 140); do
    if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then
        display=":$n"
        break
    fi
done
[[ -n $display ]]
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break || sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 0.5

PATH="$root/usr/bin:$PATH" QT_QPA_PLATFORM=xcb $command &
app=$!
pids+=($app)

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Caselio Vers\.1\.3$' | head -n 1)
[[ -n $window ]]
kill -0 "$app"

xdotool windowactivate --sync "$window" >/dev/null 2>&1 || xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers alt+F4

status=0
timeout 10 tail --pid="$app" -f /dev/null || { echo "the program did not exit after closing its window"; exit 1; }
wait "$app" || status=$?
if [[ $status -ne 0 ]]; then
    echo "the program exited with status $status"
    exit 1
fi
echo "installed program started from its menu entry and exited cleanly"
