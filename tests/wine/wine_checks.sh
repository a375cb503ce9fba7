#!/bin/bash
# The Windows build checked under Wine on a virtual X display with a window manager:
#  1. the test suite, cross-built, runs as Windows programs and passes;
#  2. the installer installs for the current user: the program folder and a Start-menu entry;
#  3. the installed game shows its window, F10 makes a 9x9 puzzle, F5 starts a game, a typed
#     digit lands in the grid, F7 prints the page through a print queue into a PDF file whose
#     title, grid and rules are whole, F1 hands the shell the first help page of the installed
#     folder, and closing during the game asks first;
#  4. the uninstaller removes the folder, the entry and the registration.
# Every Wine and X process started here is ended on any exit path. Screenshots go to <out>.
# Usage: wine_checks.sh <Windows build folder> <out folder>
set -u
BUILD=$(realpath "$1")
OUT=$2
mkdir -p "$OUT"
OUT=$(realpath "$OUT")
HERE=$(dirname "$(realpath "$0")")
source "$HERE/../support/xvfb_session.sh"
source "$HERE/../support/cups_pdf_queue.sh"

fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "-- $* ($(($(date +%s) - START)) s)"; }
START=$(date +%s)

# A private Wine prefix, made without asking the network for Mono or Gecko, and ended with
# every process it ran.
WINE_HOME=$(mktemp -d)
export WINEPREFIX=$WINE_HOME/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine_cleanup() {
    timeout 20 wineserver -k >/dev/null 2>&1
    timeout 20 wineserver -w >/dev/null 2>&1
    rm -rf "$WINE_HOME"
}
trap 'wine_cleanup; xvfb_cleanup; pdf_queue_cleanup' EXIT

# The Windows path $1 as the Unix path it names in the prefix.
unix_path() { winepath -u "$1" 2>/dev/null; }
# A value of the uninstall registration in hive $1 (HKCU, HKLM), empty when there is none.
registration() {
    wine reg query "$1\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Caselio" /v "$2" \
        2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_SZ *//p"
}
# The Unix path of a folder Windows names by an environment variable, such as %APPDATA%.
known_folder() { unix_path "$(wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r')"; }

# Installs silently in mode $1 (CurrentUser, AllUsers) from hive $2; sets FOLDER, the
# program folder, and ENTRY, the Start-menu entry, and checks both are there.
install_as() {
    timeout 120 wine "$SETUP" /S "/$1" || fail "the installer failed (/$1)"
    timeout 60 wineserver -w
    local location
    location=$(registration "$2" InstallLocation)
    [ -n "$location" ] || fail "the installer registered no install location in $2 (/$1)"
    FOLDER=$(unix_path "$location")
    [ -f "$FOLDER/caselio.exe" ] || fail "no caselio.exe in $FOLDER"
    [ -f "$FOLDER/help/w_velmora-caselio0-hlp0.html" ] || fail "no help pages in $FOLDER/help"
    if [ "$1" = AllUsers ]; then
        ENTRY="$(known_folder ProgramData)/Microsoft/Windows/Start Menu/Programs/Caselio.lnk"
    else
        ENTRY="$(known_folder APPDATA)/Microsoft/Windows/Start Menu/Programs/Caselio.lnk"
    fi
    [ -f "$ENTRY" ] || fail "no Start-menu entry $ENTRY (/$1)"
    echo "installed (/$1) in $location"
}

# Uninstalls quietly, as Apps and features does, from hive $1, and checks that the folder, the
# entry and the registration are gone. The uninstaller runs from a copy of itself, so the
# folder is watched until it has gone.
uninstall_from() {
    local command uninstaller i
    command=$(registration "$1" QuietUninstallString)
    [ -n "$command" ] || fail "no quiet uninstall command registered in $1"
    uninstaller=$(sed 's/^"\([^"]*\)".*/\1/' <<<"$command")
    # shellcheck disable=SC2086 # the registered options are words of their own
    timeout 120 wine "$uninstaller" ${command##*\"} || fail "the uninstaller failed ($1)"
    for i in $(seq 1 300); do
        [ -e "$FOLDER" ] || break
        sleep 0.1
    done
    timeout 60 wineserver -w
    if [ -e "$FOLDER" ]; then
        find "$FOLDER" >&2
        fail "the uninstaller left the program folder ($1)"
    fi
    [ -e "$ENTRY" ] && fail "the uninstaller left the Start-menu entry ($1)"
    [ -n "$(registration "$1" InstallLocation)" ] && fail "the uninstaller left the registration ($1)"
    # What is left anywhere on drive C: that names the program, or is the uninstaller's copy.
    find "$WINEPREFIX/drive_c" \( -iname '*caselio*' -o -iname '~nsu*' \) |
        sed "s|^$WINEPREFIX/drive_c|C:|" >"$OUT/left-after-uninstall-$1.txt"
    echo "uninstalled ($1); left on C: $(paste -sd ' ' "$OUT/left-after-uninstall-$1.txt")"
}

xvfb_start || fail "could not start Xvfb"
setxkbmap us
# The queue first: Wine takes the machine's print queues into a new prefix as its printers.
pdf_queue_start PdfQueueForWine || fail "no print queue into PDF files (cupsd, cups-pdf, root)"
step "Wine prefix"
timeout 180 wineboot -i >/dev/null 2>&1 || fail "wineboot did not make the prefix"
[ "$(wine reg query 'HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows' /v Device \
    2>/dev/null | tr -d '\r' | sed -n 's/^ *Device *REG_SZ *//p')" = \
    "PdfQueueForWine,wineps.drv,CUPS:PdfQueueForWine" ] || fail "Wine did not take the queue as its printer"

# Fonts. Windows has Verdana and draws "MS Sans Serif" (above 18 pixels, as Arial); Wine has
# neither, and falls back to a serif face. The prefix gets stand-ins from Debian's fonts under
# those names, as fontconfig gives DejaVu Sans for them on Linux.
FONTS=$WINEPREFIX/drive_c/windows/Fonts
stand_in() { # <family> <file stem> <Debian font> <its bold>
    local style=Regular source name=$1 file=$2.ttf
    for source in "$3" "$4"; do
        /usr/bin/python3 "$HERE/stand_in_font.py" "$source" "$1" $style "$FONTS/$file" ||
            fail "could not make the stand-in for $1"
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' \
            /v "$name (TrueType)" /d "$file" /f >/dev/null 2>&1
        style=Bold name="$1 Bold" file=${2}b.ttf
    done
}
DEJAVU=/usr/share/fonts/truetype/dejavu
LIBERATION=/usr/share/fonts/truetype/liberation
stand_in Verdana verdana $DEJAVU/DejaVuSans.ttf $DEJAVU/DejaVuSans-Bold.ttf
stand_in "MS Sans Serif" mssans $DEJAVU/DejaVuSans.ttf $DEJAVU/DejaVuSans-Bold.ttf
stand_in Arial arial $LIBERATION/LiberationSans-Regular.ttf $LIBERATION/LiberationSans-Bold.ttf
# The test programs draw on Qt's offscreen platform, whose FreeType fonts on Windows come from
# QT_QPA_FONTDIR; Wine does not hand QT_ variables on from Linux, so it is set in the prefix.
timeout 60 wine reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /d "$(winepath -w $DEJAVU)" /f >/dev/null 2>&1 ||
    fail "could not set the test programs' font folder"
# Windows opens .html files in the default browser. A prefix made without Gecko knows the
# browser's file type (winebrowser, which hands the page on to xdg-open) but does not tie
# .html to it.
timeout 60 wine reg add 'HKCR\.html' /ve /d htmlfile /f >/dev/null 2>&1 ||
    fail "could not tie .html files to the browser"
timeout 60 wineserver -w

# 1. The tests, with Qt's and the compiler's libraries on Wine's search path.
step "test suite as Windows programs"
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
threads=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")
qt_bin=$(dirname "$(sed -n 's/^Qt6Core_DIR:PATH=//p' "$BUILD/CMakeCache.txt")")/../../bin
export WINEPATH="Z:$(realpath "$qt_bin");Z:$runtime;Z:$threads"
(cd "$BUILD" && ctest --output-on-failure -j 2 --timeout 600) >"$OUT/ctest.log" 2>&1 ||
    { tail -n 60 "$OUT/ctest.log"; fail "tests failed under Wine (log: $OUT/ctest.log)"; }
grep -E 'tests passed|Total Test time' "$OUT/ctest.log"
unset WINEPATH

# 2. A silent install for the current user; its files are the portable archive's, plus the
# uninstaller.
step "install"
SETUP=$(ls "$BUILD"/Caselio-*-win64-setup.exe | head -n 1)
ARCHIVE=$(ls "$BUILD"/Caselio-*-win64.zip | head -n 1)
install_as CurrentUser HKCU
(cd "$FOLDER" && find . -type f | sed 's|^\./||' | sort) >"$OUT/installed-files.txt"
python3 -c 'import sys, zipfile
for name in zipfile.ZipFile(sys.argv[1]).namelist():
    if not name.endswith("/"): print(name.split("/", 1)[1])' "$ARCHIVE" | sort >"$OUT/archive-files.txt"
diff <(grep -vx 'Disinstalla.exe' "$OUT/installed-files.txt") "$OUT/archive-files.txt" ||
    fail "the installed folder and the portable archive differ"

# 3. The installed game, started from where it was installed.
step "the installed game"
LAUNCHER=$WINE_HOME/caselio
printf '#!/bin/sh\ncd "%s" && exec wine ./caselio.exe\n' "$FOLDER" >"$LAUNCHER"
chmod +x "$LAUNCHER"
CASELIO_START_SECONDS=90 caselio_start "$LAUNCHER" "$OUT/program.log" || fail "the window \"Caselio Vers.1.3\" did not appear"

# F1 before the first puzzle: the shell is handed the first page of the installed folder.
# Wine starts its browser program first, so the address may take a few seconds.
send_keys F1
for i in $(seq 1 300); do
    [ -s "$STAND_IN_DIR/opened" ] && break
    sleep 0.1
done
ADDRESS=$(head -n 1 "$STAND_IN_DIR/opened")
[ -n "$ADDRESS" ] || fail "F1 handed no address to the shell"
PAGE=$(local_file_of "$ADDRESS") || fail "F1 handed over $ADDRESS, not a local file"
[ "$(basename "$PAGE")" = w_velmora-caselio0-hlp0.html ] || fail "F1 opened $ADDRESS, not page 0"
[ "$(realpath "$PAGE")" = "$(realpath "$FOLDER/help/w_velmora-caselio0-hlp0.html")" ] ||
    fail "F1 opened $PAGE, not the installed page"

# Pixels of one exact colour in the grid's panel, and whether that panel changed.
grid_region() {
    local width height
    read -r width height < <(identify -format '%w %h' "$1")
    echo "$((width - 226))x$((height - 185))+0+129"
}
grid_pixels() {
    convert "$1" -crop "$(grid_region "$1")" +repage \
        -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:round(mean*w*h)]' info:
}
grid_changed() {
    [ "$(convert "$1" -crop "$(grid_region "$1")" +repage rgb:- | md5sum)" != \
        "$(convert "$2" -crop "$(grid_region "$2")" +repage rgb:- | md5sum)" ]
}

caselio_shot "$OUT/wine_state0.png"
send_keys F10
caselio_shot "$OUT/wine_state1.png"
[ "$(grid_pixels "$OUT/wine_state1.png" '#C0C0C0')" -gt \
    $(($(grid_pixels "$OUT/wine_state0.png" '#C0C0C0') + 1000)) ] || fail "F10 drew no grid"
send_keys F5
caselio_shot "$OUT/wine_game.png"
[ "$(grid_pixels "$OUT/wine_game.png" '#FF0000')" -gt 0 ] || fail "F5 started no game"

# A digit from the digit row, cell after cell along the first row until one takes it.
entered=no
for cell in 1 2 3 4 5 6 7 8; do
    caselio_shot "$OUT/wine_before.png"
    xdotool key 7
    caselio_shot "$OUT/wine_after.png"
    if grid_changed "$OUT/wine_before.png" "$OUT/wine_after.png"; then
        entered=yes
        break
    fi
    send_keys Right
done
[ $entered = yes ] || fail "a typed 7 landed nowhere in the grid"
rm -f "$OUT/wine_before.png"
mv "$OUT/wine_after.png" "$OUT/wine_digit.png"

# F7 prints the page on the default printer, the queue, through the system's print dialog.
send_keys F7
PRINT_DIALOG=$(wait_window '^(Print|Stampa)$' 20) || fail "F7 showed no print dialog"
import -window root "$OUT/wine_print_dialog.png"
xdotool windowactivate --sync "$PRINT_DIALOG" 2>/dev/null
send_keys Return
pdf_queue_take_job "$OUT/wine_page.pdf" 60 || fail "F7 printed nothing into $PDF_QUEUE_SPOOL"
/usr/bin/python3 "$HERE/printed_page_check.py" "$OUT/wine_page.pdf" || fail "the printed page is not whole"
caselio_activate

# Closing during the game asks; Cancel keeps the game, so does Enter (No is the default),
# then Yes, by its underlined letter, ends the program.
caselio_ask_close >/dev/null || fail "closing during a game asked nothing"
import -window root "$OUT/wine_question.png"
send_keys Escape
caselio_wait_exit 2 && fail "the program ended after Cancel"
caselio_ask_close >/dev/null || fail "closing during a game asked nothing the second time"
send_keys Return
caselio_wait_exit 2 && fail "the program ended after Enter on the question"
caselio_ask_close >/dev/null || fail "closing during a game asked nothing the third time"
send_keys s
caselio_wait_exit 20 || fail "the program did not end after Yes"

# 4. The uninstaller; then the same for all users, into Program Files.
step "uninstall"
uninstall_from HKCU
step "install and uninstall for all users"
install_as AllUsers HKLM
uninstall_from HKLM
step "done"
echo "PASS: screenshots and logs in $OUT"
