"""A screen reader's view of the running program, through AT-SPI.

Finds the main window by name, walks to the grid, sends the keys a player sends
(xdotool), and reads what a screen reader reads: the focused cell's name, the
events that announce it, and the cell's name after a symbol is entered. Prints
a transcript; exits with 1 when something a player needs is missing.

Run with Debian's /usr/bin/python3 (python3-pyatspi), inside the session bus the
program and the AT-SPI registry use, with DISPLAY set to the program's display.
"""

import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

WINDOW = "Caselio Vers.1.3"
CELL = re.compile(r"^(?:.+, )?riga (\d+), colonna (\d+), (.+)$")

events = []


def record(event):
    name = event.source.name if event.source else ""
    events.append((event.type, event.detail1, name, event.source))


def pump(seconds):
    """Lets the events of the last key arrive."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def key(name):
    del events[:]
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
    pump(0.8)


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def find_window():
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(100):
        for app in desktop:
            if app is None:
                continue
            for frame in app:
                if frame is not None and frame.name == WINDOW:
                    return app, frame
        time.sleep(0.1)
    fail("no window named %r on the desktop" % WINDOW)


def focused_cell(table):
    """The cell with the focused state, by asking the table."""
    grid = table.queryTable()
    for row in range(grid.nRows):
        for column in range(grid.nColumns):
            cell = grid.getAccessibleAt(row, column)
            if cell.getState().contains(pyatspi.STATE_FOCUSED):
                return cell
    return None


def announced_focus():
    """The name of the last object that took the focus with the last key."""
    names = [name for kind, on, name, _ in events
             if kind == "object:state-changed:focused" and on == 1]
    return names[-1] if names else None


def announced_focus_sources():
    return [source for kind, on, _, source in events
            if kind == "object:state-changed:focused" and on == 1 and source is not None]


def check_place(table, row, column):
    """The focused cell, reached by keys, sits where the table says: its index in the table
    is row * 9 + column (counted from 0) both ways, and its name says the same place counted
    from 1. The place is off the diagonal, so a turned row and column cannot pass."""
    grid = table.queryTable()
    cell = focused_cell(table)
    if cell is None:
        fail("no focused cell at row %d, column %d" % (row + 1, column + 1))
    index = row * grid.nColumns + column
    at = grid.getAccessibleAt(row, column)
    heard = announced_focus_sources()
    print("place  cell %r: index %d; table index at (%d, %d): %d; row %d, column %d at %d; "
          "focus event index %s"
          % (cell.name, cell.getIndexInParent(), row, column, grid.getIndexAt(row, column),
             grid.getRowAtIndex(index), grid.getColumnAtIndex(index), index,
             heard[-1].getIndexInParent() if heard else None))
    if not re.match(r"^riga %d, colonna %d\b" % (row + 1, column + 1), cell.name or ""):
        fail("the focused cell is not the one at row %d, column %d" % (row + 1, column + 1))
    if cell.getIndexInParent() != index:
        fail("the cell reports index %d in its table, not %d"
             % (cell.getIndexInParent(), index))
    if grid.getIndexAt(row, column) != index:
        fail("the table gives index %d to (%d, %d), not %d"
             % (grid.getIndexAt(row, column), row, column, index))
    if at is None or at.name != cell.name or at.getIndexInParent() != index:
        fail("the table's cell at (%d, %d) is not the focused cell" % (row, column))
    if (grid.getRowAtIndex(index), grid.getColumnAtIndex(index)) != (row, column):
        fail("the table puts index %d at (%d, %d)"
             % (index, grid.getRowAtIndex(index), grid.getColumnAtIndex(index)))
    if not heard or heard[-1].getIndexInParent() != index:
        fail("the focus event did not name the cell at index %d" % index)


def main():
    pyatspi.Registry.registerEventListener(record, "object:state-changed:focused")

    app, frame = find_window()
    print("application %r > frame %r" % (app.name, frame.name))

    key("F10")
    key("F5")
    # A group of cells with a table's interface: Orca reads a whole row of a table.
    table = pyatspi.findDescendant(
        frame, lambda node: node.name == "Griglia" and "Table" in pyatspi.listInterfaces(node))
    if table is None:
        fail("no grid with a table's interface under the window")
    grid = table.queryTable()
    print("table %r: %d rows, %d columns, %d cells; %s"
          % (table.name, grid.nRows, grid.nColumns, table.childCount, table.description))
    if (grid.nRows, grid.nColumns) != (9, 9):
        fail("the table is not 9 by 9")

    clock = pyatspi.findDescendant(
        frame, lambda node: re.match(r"^\d+ or[ae], \d+ minut[oi] e \d+ second[oi]$",
                                     node.name or "") is not None)
    if clock is None:
        fail("no clock read in words")
    print("clock %r (%s)" % (clock.name, clock.description))

    moves = ["Right", "Right", "Down"]
    for move in moves:
        key(move)
        cell = focused_cell(table)
        if cell is None:
            fail("no focused cell after %s" % move)
        heard = announced_focus()
        print("%-6s focus event: %r; focused cell: %r" % (move, heard, cell.name))
        if heard != cell.name:
            fail("the focus event did not name the focused cell")

    # Along the row to an open cell, as a player would.
    for _ in range(9):
        if focused_cell(table).name.endswith(", vuota"):
            break
        key("Right")
        print("Right  focus event: %r" % announced_focus())
    cell = focused_cell(table)
    match = CELL.match(cell.name)
    if not match or match.group(3) != "vuota":
        fail("no open cell reached: %r" % cell.name)

    key("5")
    cell = focused_cell(table)
    heard = announced_focus()
    print("5      focus event: %r; focused cell: %r" % (heard, cell.name))
    expected = "riga %s, colonna %s, 5" % (match.group(1), match.group(2))
    if cell.name != expected:
        fail("the entered 5 reads %r, not %r" % (cell.name, expected))
    # Orca drops name changes of cells: the cell takes the focus again, with its new name.
    if heard != expected:
        fail("the entry was not announced")

    # Row 2, column 5 as the player hears them, (1, 4) counted from 0: index 13.
    for move in ["ctrl+Home", "Down", "Right", "Right", "Right", "Right"]:
        key(move)
    check_place(table, 1, 4)
    print("PASS")


if __name__ == "__main__":
    main()
