#!/usr/bin/env bash
# Installs the game into a scratch root, checks the desktop entry, the metainfo and the help
# pages, then starts the program from the menu entry's command under a virtual display,
# asks for help and closes it the way a user would. Usage: installed_start_test.sh <build-dir>
set -euo pipefail
build_dir=$1
source "$(dirname "$0")/../support/xvfb_session.sh"
root=$(mktemp -d)
trap 'xvfb_cleanup; rm -rf "$root"' EXIT

DESTDIR="$root" cmake --install "$build_dir" --prefix /usr >/dev/null

desktop="$root/usr/share/applications/caselio.desktop"
test -x "$root/usr/bin/caselio"
test -f "$root/usr/share/icons/hicolor/scalable/apps/caselio.svg"
desktop-file-validate "$desktop"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/org.example.caselio.metainfo.xml" >/dev/null
# The help folder as installed holds what the build tree's copy holds, whose pages are checked
# by their own test.
help="$root/usr/share/caselio/help"
diff -r "$build_dir/share/caselio/help" "$help"

# The menu entry's command, found on a PATH that has the scratch root's bin first.
command=$(sed -n 's/^Exec=//p' "$desktop")
[[ -n $command ]]
export PATH="$root/usr/bin:$PATH"

xvfb_start
caselio_start "$command"
kill -0 "$APP_PID"

# The installed program opens its help from the installed folder.
send_keys F1
address=$(opened_address)
page=$(local_file_of "$address") || { echo "F1 handed over $address, not a local file"; exit 1; }
if [[ $page != "$help/w_velmora-caselio0-hlp0.html" || ! -f $page ]]; then
    echo "F1 handed over $address, not the installed page 0"
    exit 1
fi

status=0
caselio_close || status=$?
if [[ $status -ne 0 ]]; then
    echo "the program exited with status $status"
    exit 1
fi
echo "installed program started from its menu entry and exited cleanly"
