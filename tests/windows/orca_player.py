"""A blind player's short game, as Debian's Orca reads it.

Presses keys on the running program (xdotool) and takes what Orca says after each key from
its debug log ("SPEECH OUTPUT: '...'" lines, written as they happen), then checks it: one
cell per move, every entry and state change spoken, the clock reachable, no punctuation
read aloud. Prints the transcript; exits with 1 when the player would be left short.

Usage: orca_player.py <Orca's debug log> <main window id>
"""

import re
import subprocess
import sys
import time

LOG, WINDOW = sys.argv[1], sys.argv[2]
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'\s*(?:\{.*)?$")
# A cell's name, up to the next cell's, if news name one.
CELL = re.compile(r"riga (\d+), colonna (\d+), (.+?)(?=, riga \d|$)")
# What Orca reads aloud at its default punctuation level.
READ_ALOUD = re.compile(r"[:\[\]]")

transcript = []
failures = []


def lines():
    with open(LOG, encoding="utf-8", errors="replace") as log:
        return [line.rstrip("\r\n") for line in log]


def settle(start, expect, limit=15.0, quiet=0.6):
    """Waits until Orca has said something matching `expect` since line `start` (any speech
    when None), then until it has said nothing new for `quiet` seconds. Orca may lag a second
    or more behind a key that changes many controls at once."""
    end = time.monotonic() + limit
    while time.monotonic() < end:
        said = spoken_since(start)
        if (expect is None and said) or (expect and any(expect.search(t) for t in said)):
            break
        time.sleep(0.1)
    else:
        return False
    count = len(spoken_since(start))
    calm = time.monotonic()
    while time.monotonic() - calm < quiet and time.monotonic() < end:
        time.sleep(0.1)
        now = len(spoken_since(start))
        if now != count:
            count, calm = now, time.monotonic()
    return True


def spoken_since(start):
    said = []
    for line in lines()[start:]:
        found = SPOKEN.search(line)
        if found and found.group(1).strip():
            said.append(found.group(1).strip().rstrip("."))
    return said


def press(key, why, expect):
    """Presses a key and waits for Orca to say what `expect` matches; returns all it said
    after the key, the echo of the key's name included."""
    start = len(lines())
    subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
    heard = settle(start, re.compile(expect) if expect else None)
    said = spoken_since(start)
    transcript.append((key, why, said))
    check(heard, "after %s (%s) Orca never said /%s/" % (key, why, expect))
    if len(failures) >= 3:
        # The rest would only wait its time out: the game is not followed any more.
        print_transcript()
        sys.exit(1)
    return said


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def cells_in(said):
    """The cells an utterance list reads, as (row, column, content), news before them cut."""
    found = []
    for text in said:
        for match in CELL.finditer(text):
            found.append((int(match.group(1)), int(match.group(2)), match.group(3)))
    return found


def one_cell(said, what):
    cells = cells_in(said)
    check(len(cells) == 1, "%s read %d cells, not one: %r" % (what, len(cells), said))
    return cells[-1] if cells else (0, 0, "")


def main():
    # Orca greets, then learns the window when it is activated again.
    if not settle(0, re.compile("Lettore schermo attivo"), limit=30, quiet=1.0):
        print("FAIL: Orca never said it was on")
        return 1
    subprocess.run(["xdotool", "windowactivate", "--sync", WINDOW], check=False)
    settle(len(lines()), None, limit=5, quiet=1.0)

    givens = []

    def read(said, what):
        cell = one_cell(said, what)
        if cell[2].endswith("iniziale"):
            givens.append(cell[:2])
        return cell

    press("F10", "un nuovo schema", r"riga \d+, colonna")
    said = press("F5", "la partita comincia", "partita iniziata")
    row, column, _ = read(said, "F5")

    said = press("Right", "una casella a destra", r"riga \d+, colonna")
    moved = read(said, "Right")
    check(moved[:2] == (row, column + 1), "Right read %r after (%d, %d)" % (moved, row, column))
    said = press("Down", "una casella giù", r"riga \d+, colonna")
    moved = read(said, "Down")
    check(moved[:2] == (row + 1, column + 1), "Down read %r" % (moved,))
    row, column, content = moved

    # On to the first open cell along the rows, past the givens.
    for _ in range(80):
        if content.startswith("vuota"):
            break
        key = "Right" if column < 9 else "Down"
        said = press(key, "cerca una casella vuota", r"riga \d+, colonna")
        row, column, content = read(said, key)
    check(content.startswith("vuota"), "no open cell was found")
    here = r"riga %d, colonna %d, " % (row, column)

    press("5", "scrive 5", here + r"5\b")
    press("space", "cancella", here + r"vuota$")
    press("F2", "note a matita", "note a matita attive")
    press("3", "nota il 3", here + r"vuota, note 3$")
    press("ctrl+z", "annulla la nota", here + r"vuota$")
    press("F2", "di nuovo i simboli", "note a matita disattivate")
    press("F11", "i candidati", "candidati annotati, " + here + r"vuota, note [1-9 ]+$")
    press("ctrl+z", "via i candidati", here + r"vuota$")
    press("F8", "il controllo", "controllo attivo, " + here)
    press("F8", "niente controllo", "controllo disattivato, " + here)
    press("F3", "evidenzia", "evidenziazione attiva, " + here)
    press("F3", "non evidenzia", "evidenziazione disattivata, " + here)
    press("F9", "nasconde il timer", "timer nascosto, " + here)
    press("F9", "mostra il timer", "timer visibile, " + here)
    press("F6", "la soluzione", "soluzione, " + here)
    press("F6", "di nuovo il gioco", "gioco, " + here + r"vuota")
    press("F12", "che ore sono", r"tempo di gioco, \d+ or[ae], \d+ minut[oi] e \d+ second[oi]")
    # On to a given, if none was on the way.
    for _ in range(80):
        if givens:
            break
        key = "Right" if column < 9 else "Down"
        said = press(key, "cerca una casella iniziale", r"riga \d+, colonna")
        row, column, content = read(said, key)
    if check(givens, "no given was found"):
        to_row, to_column = givens[0]
        steps = (["Up"] * (row - to_row) + ["Down"] * (to_row - row) +
                 ["Left"] * (column - to_column) + ["Right"] * (to_column - column))
        for key in steps:
            press(key, "verso una casella iniziale", r"riga \d+, colonna")
        press("5", "una casella iniziale",
              r"non modificabile, riga %d, colonna %d, \S+, iniziale$" % givens[0])
    # Out of the grid to a button, whose name is read in words.
    for _ in range(12):
        said = press("Tab", "al prossimo controllo", None)
        if any(text.endswith("pulsante") for text in said):
            break
    check(any(text.endswith("pulsante") for text in said), "Tab never reached a button")

    for key, why, said in transcript:
        for text in said:
            if CELL.search(text) or text.endswith("pulsante"):
                check(not READ_ALOUD.search(text), "read aloud as punctuation: %r" % text)
    print_transcript()
    return 1 if failures else 0


def print_transcript():
    for key, why, said in transcript:
        print("%-12s (%s)" % (key, why))
        for text in said:
            print("    " + text)
    for failure in failures:
        print("FAIL: " + failure)


if __name__ == "__main__":
    sys.exit(main())
