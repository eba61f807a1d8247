# SPDX-License-Identifier: GPL-3.0-or-later
"""A screen reader's view of the recording log, through the accessibility bus.

Closes the port search with its OK button, opens the Tabular window from the main
menu, waits for recorded rows and reads the log's table cell by cell while the
program goes on recording: its titles, and each row's number, date, time and
values, against the rows in the program's journal. Every wait polls, with room
for a loaded machine. Usage: read_log_table.py JOURNAL_FOLDER
"""

import glob
import sys
import time

import pyatspi

TITLES = ["NO", "DATE", "TIME", "T1", "T2", "T3", "T4", "UNIT", ""]
ROWS = 5


def fail(message):
    print(message, file=sys.stderr)
    sys.exit(1)


def poll(what, seconds=180):
    """The first true result of what(), tried until seconds have gone."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = what()
        except Exception:  # the program is busy or an object went away: ask again
            found = None
        if found:
            return found
        time.sleep(0.5)
    return None


def find(root, test, depth=0):
    if test(root):
        return root
    # Tables are searched for, never walked.
    if depth > 8 or root.getRoleName() == "table":
        return None
    for i in range(root.childCount):
        child = root.getChildAtIndex(i)
        found = child and find(child, test, depth + 1)
        if found:
            return found
    return None


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app and app.name == "Brackwater":
            return app
    return None


def window(app, name):
    for i in range(app.childCount):
        child = app.getChildAtIndex(i)
        if child.name == name and child.getState().contains(pyatspi.STATE_SHOWING):
            return child
    return None


def press_ok(app):
    """OK closes the port search once it has ended: pressed until the window goes."""
    if not window(app, "Link Test"):
        return True
    ok = find(app, lambda o: o.getRoleName() == "push button" and o.name == "OK")
    ok.queryAction().doAction(0)
    return False


def open_tabular(app):
    """Clicks the main menu's picture of the Tabular window, as the mouse would."""
    if window(app, "Tabular"):
        return window(app, "Tabular")
    picture = find(app, lambda o: o.name == "Open Tabular Window")
    box = picture.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2, "b1c")
    time.sleep(2)
    return window(app, "Tabular")


def journal_rows(folder):
    """The recorded rows as the journal holds them: eight fields each."""
    rows = []
    for path in sorted(glob.glob(folder + "/journal-*")):
        with open(path, encoding="utf-8", newline="") as journal:
            for line in journal.read().split("\r\n"):
                if line and not line.startswith("#"):
                    rows.append(line.split("\t")[:8])
    return rows


def main():
    folder = sys.argv[1]
    app = poll(program) or fail("the program never showed on the accessibility bus")
    poll(lambda: window(app, "Link Test")) or fail("the port search never showed")
    poll(lambda: press_ok(app)) or fail("the port search never closed")
    tabular = poll(lambda: open_tabular(app)) or fail("the Tabular window never opened")
    table = poll(lambda: find(tabular, lambda o: o.getRoleName() == "table"))
    if not table:
        fail("the Tabular window holds no table")
    cells = table.queryTable()
    if cells.nColumns != len(TITLES):
        fail("the table has %d columns" % cells.nColumns)
    titles = [cells.getColumnHeader(c).name for c in range(cells.nColumns)]
    if titles != TITLES:
        fail("the column titles read %s" % titles)

    # The recording goes on while the rows are read.
    if not poll(lambda: cells.nRows >= ROWS and cells.getAccessibleAt(ROWS - 1, 2).name):
        fail("fewer than %d rows were recorded" % ROWS)
    read = []
    for row in range(cells.nRows):
        texts = [cells.getAccessibleAt(row, c).name for c in range(cells.nColumns)]
        number = cells.getRowHeader(row).name
        if texts[0] != str(row + 1) or number != str(row + 1):
            fail("row %d reads as number %r, row header %r" % (row + 1, texts[0], number))
        read.append(texts[1:])
    recorded = poll(lambda: len(journal_rows(folder)) >= len(read) and journal_rows(folder))
    if not recorded:
        fail("the journal holds fewer rows than the table")
    for row, texts in enumerate(read):
        if texts != recorded[row]:
            fail("row %d reads %s, the program recorded %s" % (row + 1, texts, recorded[row]))
    print("read %d rows of %d columns as recorded" % (len(read), cells.nColumns))


main()
