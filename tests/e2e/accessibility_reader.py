"""Reads the running window through AT-SPI, as a screen reader does, and checks what it hears."""
import sys
import time

import pyatspi

DIMENSIONS = ["L1", "L2", "H1", "H2", "R1", "R2"]
PARAMETERS = ["DX", "DY", "NX", "NY"]
# The 23 controls in the window's order (value labels before any read); text boxes labelled by
# their captions.
CONTROLS = ([("push button", "Read Input File", [])] + [("label", d, [d]) for d in DIMENSIONS] +
            [("push button", "Create Output File and Exit", []), ("image", "Dimension drawing", [])]
            + [("label", c, []) for c in DIMENSIONS + PARAMETERS]
            + [("text", p, [p]) for p in PARAMETERS])
# The value labels after a read of the sample input, 10, 4, 8, 3, 1, 0.5.
READ = ["L1 10", "L2 4", "H1 8", "H2 3", "R1 1", "R2 0.5"]


def wait_for(what, find, seconds=30):
    """find() until it is true, up to a bound; what() tells what was waited for."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            if found := find():
                return found
        except Exception:  # the bus or the window is not up yet
            pass
        time.sleep(0.1)
    sys.exit(f"FAIL: {what()} within {seconds} s")


def window():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "plessard-macro-io" and app[0].childCount == 23:
            return app[0]


def heard(child):
    labels = [r.getTarget(0).name for r in child.getRelationSet()
              if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
    return (child.getRoleName(), child.name, labels)


frame = wait_for(lambda: "the window with its 23 controls", window)
if [heard(child) for child in frame] != CONTROLS:
    sys.exit(f"FAIL: heard {[heard(child) for child in frame]}")
if not all(d in frame[8].description for d in DIMENSIONS):
    sys.exit(f"FAIL: the picture's description {frame[8].description!r}")
frame[0].queryAction().doAction(0)  # Read Input File
values = lambda: [frame[i].name for i in range(1, 7)]
wait_for(lambda: f"{READ} after a read, heard {values()},", lambda: values() == READ)
