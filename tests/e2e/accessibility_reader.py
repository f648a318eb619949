"""Reads the running window through AT-SPI, as a screen reader does, and checks what it hears."""
import sys
import time

import pyatspi

DIMENSIONS = ["L1", "L2", "H1", "H2", "R1", "R2"]
PARAMETERS = ["DX", "DY", "NX", "NY"]
# The 23 controls in the window's order; value labels as named before any read.
CONTROLS = ([("push button", "Read Input File")] + [("label", d) for d in DIMENSIONS] +
            [("push button", "Create Output File and Exit"), ("image", "Dimension drawing")] +
            [("label", c) for c in DIMENSIONS + PARAMETERS] + [("text", p) for p in PARAMETERS])
# The sample input, 10, 4, 8, 3, 1, 0.5.
READ_NAMES = ["L1 10", "L2 4", "H1 8", "H2 3", "R1 1", "R2 0.5"]


def wait_for(what, find, seconds=30):
    """find() until it gives something, up to a bound; what() tells what was waited for."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = find()
        except Exception:  # the bus or the window is not up yet
            found = None
        if found is not None:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: {what()} within {seconds} s")


def window():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "plessard-macro-io" and app.childCount == 1:
            frame = app[0]
            if frame.name == "Plessard Macro File IO Example" and frame.childCount == 23:
                return frame
    return None


def heard(frame):
    return [(child.getRoleName(), child.name) for child in frame]


def labelled_by(accessible):
    return [relation.getTarget(0).name for relation in accessible.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY]


frame = wait_for(lambda: "the window with its 23 controls", window)
failures = []
if heard(frame) != CONTROLS:
    failures.append(f"heard {heard(frame)}")
for child in frame:
    if child.getRoleName() == "text" and labelled_by(child) != [child.name]:
        failures.append(f"text box {child.name} labelled by {labelled_by(child)}")
description = frame[8].description
if not all(d in description for d in DIMENSIONS):
    failures.append(f"the picture's description names not every dimension: {description!r}")

frame[0].queryAction().doAction(0)
value_names = lambda: [frame[i].name for i in range(1, 7)]
wait_for(lambda: f"{READ_NAMES} after a read, heard {value_names()},",
         lambda: value_names() == READ_NAMES or None)
for failure in failures:
    print("FAIL:", failure, file=sys.stderr)
sys.exit(1 if failures else 0)
