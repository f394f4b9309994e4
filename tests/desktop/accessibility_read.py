"""Reads a study window of the running program through AT-SPI, as a screen reader does.

Usage: accessibility_read.py DAYS.CSV IDENTIFICATION
DAYS.CSV is the study's own export of its days, against which the table's dates and values are
checked; IDENTIFICATION is the identification line that the page shows.
"""
import csv
import math
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []


def fail(message):
    failures.append(message)
    print("FAIL:", message, file=sys.stderr)


def find_application():
    for _ in range(150):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "ondaris" and app.childCount > 0:
                return app
        time.sleep(0.1)
    return None


def walk(node, depth=0):
    """Every object under node, the node included; a table's cells are left to the table."""
    yield node
    if depth > 20 or node.getRole() == pyatspi.ROLE_TABLE:
        return
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def one_decimal(text):
    """A value of the export to one decimal, truncated toward zero, with a decimal comma."""
    value = math.trunc(float(text.replace(",", ".")) * 10) / 10 + 0.0
    return f"{value:.1f}".replace(".", ",")


def expected_rows(path):
    rows = []
    with open(path, encoding="utf-8-sig", newline="") as f:
        for record in list(csv.DictReader(f, delimiter=";"))[:29]:
            year, month, day = record["Date"].split("-")
            rows.append([f"{record['Jour']} {day}/{month}/{year}",
                         one_decimal(record["Intellectuel"]),
                         one_decimal(record["Sentimental"]),
                         one_decimal(record["Physique"])])
    return rows


def main():
    days_csv, identification = sys.argv[1], sys.argv[2]
    app = find_application()
    if app is None:
        fail("the program is not on the accessibility bus")
        return
    # The window's contents appear once it is shown.
    page = table = None
    for _ in range(150):
        nodes = list(walk(app))
        page = next((n for n in nodes if n.getRole() == pyatspi.ROLE_DOCUMENT_FRAME), None)
        table = next((n for n in nodes if n.getRole() == pyatspi.ROLE_TABLE), None)
        if table is not None:
            break
        time.sleep(0.1)
    if table is None:
        fail("no table of days in the study window")
        return

    texts = [child.name for child in page if child.getRole() == pyatspi.ROLE_LABEL]
    if identification not in texts:
        fail(f"the page's texts {texts} lack {identification!r}")

    cells = table.queryTable()
    columns = [cells.getColumnDescription(c) for c in range(cells.nColumns)]
    if columns != ["Date", "Intellectuel", "Sentimental", "Physique", "Jours critiques"]:
        fail(f"columns {columns}")
    expected = expected_rows(days_csv)
    seen = [[cells.getAccessibleAt(r, c).name for c in range(4)] for r in range(cells.nRows)]
    if [row[0] for row in seen] != [row[0] for row in expected]:
        fail(f"dates {[row[0] for row in seen]} instead of {[row[0] for row in expected]}")
    if seen != expected:
        fail(f"values {seen} instead of {expected}")

    # Nothing that the bus shows goes unnamed; fillers and separators are no controls.
    silent = (pyatspi.ROLE_FILLER, pyatspi.ROLE_SEPARATOR, pyatspi.ROLE_APPLICATION)
    unnamed = [f"{node.getRoleName()} under {node.parent.name!r}" for node in walk(app)
               if not node.name and node.getRole() not in silent]
    if unnamed:
        fail(f"unnamed: {unnamed}")

    # Home, then Right: the focus lands on the second day's row, and the bus says so.
    heard = []

    def on_focus(event):
        if event.detail1 == 1:
            heard.append(event.source.name)

    def press():
        # No window manager gives the window the keyboard: it is given by hand.
        subprocess.run(["xdotool", "search", "--name", "^Ondaris", "windowfocus", "--sync"],
                       check=False)
        page.queryComponent().grabFocus()
        subprocess.run(["xdotool", "key", "--delay", "200", "Home", "Right"], check=False)
        GLib.timeout_add(3000, stop)
        return False

    def stop():
        pyatspi.Registry.stop()
        return False

    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    GLib.timeout_add(500, press)
    pyatspi.Registry.start()
    if not heard or heard[-1] != expected[1][0]:
        fail(f"the focus went to {heard} instead of {expected[1][0]!r}")


main()
sys.exit(1 if failures else 0)
