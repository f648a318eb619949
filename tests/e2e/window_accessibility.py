"""window_accessibility.py PROGRAM SAMPLE_INPUT: the window as AT-SPI hears it, in a D-Bus session."""
import os, shutil, subprocess, sys, tempfile, time

import pyatspi

DIMENSIONS, PARAMETERS = ["L1", "L2", "H1", "H2", "R1", "R2"], ["DX", "DY", "NX", "NY"]
# Each control's role, name and labels, in the window's order.
CONTROLS = ([("push button", "Read Input File", [])] + [("label", d, [d]) for d in DIMENSIONS]
            + [("push button", "Create Output File and Exit", []), ("image", "Dimension drawing", [])]
            + [("label", c, []) for c in DIMENSIONS + PARAMETERS]
            + [("text", p, [p]) for p in PARAMETERS])
READ = ["L1 10", "L2 4", "H1 8", "H2 3", "R1 1", "R2 0.5"]  # the sample 10, 4, 8, 3, 1, 0.5


def wait_for(what, find, seconds=30):
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
    return next(a[0] for a in pyatspi.Registry.getDesktop(0) if a and a.name == "plessard-macro-io")


def heard(child):
    return (child.getRoleName(), child.name, [r.getTarget(0).name for r in child.getRelationSet()
                                              if r.getRelationType() == pyatspi.RELATION_LABELLED_BY])


with tempfile.TemporaryDirectory() as folder:
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-nolisten", "tcp"],
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    display = wait_for(lambda: "Xvfb", lambda: xvfb.stdout.readline().strip().decode())
    program = shutil.copy(sys.argv[1], folder)
    shutil.copy(sys.argv[2], os.path.join(folder, "vb_input.txt"))
    # Qt answers screen readers when the desktop asks for them, or when told to.
    program = subprocess.Popen([program], env=dict(os.environ, DISPLAY=f":{display}",
                               QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    try:
        frame = wait_for(lambda: "the window with its 23 controls", lambda: window().childCount == 23 and window())
        if [heard(child) for child in frame] != CONTROLS:
            sys.exit(f"FAIL: heard {[heard(child) for child in frame]}")
        if not all(d in frame[8].description for d in DIMENSIONS):
            sys.exit(f"FAIL: the picture's description {frame[8].description!r}")
        frame[0].queryAction().doAction(0)  # Read Input File
        values = lambda: [frame[i].name for i in range(1, 7)]
        wait_for(lambda: f"{READ} after a read, heard {values()},", lambda: values() == READ)
    finally:
        program.kill()
        xvfb.kill()
