"""drawing_readers.py TOOL DATA WORK XMLLINT RSVG_CONVERT: the drawings as real readers take them.

Each file of the table is drawn as DXF and SVG by the tool; ezdxf reads every DXF back (an audit
without errors, the entities as written), xmllint parses every SVG and rsvg-convert renders them.
One process per reader over the whole table.
"""
import subprocess, sys
from pathlib import Path

import ezdxf

HEADER = ["101, -5.0", "102, -5.0", "103, 0", "104, 5.0", "105, 5.0", "106, 0", "111"]
# Each file: its name, its contours (or a data file) and the entities its DXF holds, the
# rectangle's four lines among them.
TABLE = [
    ("lines", ["0,0.0, 0.0", "1,4.0, 0.0", "1,4.0, 3.0", "1,0.0, 3.0", "1,0.0, 0.0", "99"],
     {"LINE": 8}),
    ("arcs_both_ways", ["0,0.0, -1.0", "2,0.0, 0.0, 1.0, 0.0", "3,0.0, 0.0, 0.0, 1.0",
                        "1,0.0, -1.0", "99"], {"LINE": 5, "ARC": 2}),
    ("full_circles", ["0,0.0, 0.0", "3,1.0, 0.0, 0.0, 0.0", "99",
                      "0,3.0, 0.0", "2,4.0, 0.0, 3.0, 0.0", "99"], {"LINE": 4, "CIRCLE": 2}),
    ("single_points", ["0,1.0, 1.0", "99", "0,2.0, 2.0", "1,2.0, 2.0",
                       "3,2.0, 2.0, 2.0, 2.0", "99"], {"LINE": 5, "POINT": 2}),
    ("worked_example", "worked_example.txt", {"LINE": 10, "ARC": 6}),
    ("array_10x10", "array_10x10.txt", {"LINE": 604, "ARC": 600}),
]
KINDS = ["LINE", "ARC", "CIRCLE", "POINT"]


def main(tool, data, work, xmllint, rsvg_convert):
    work = Path(work)
    work.mkdir(parents=True, exist_ok=True)
    failures, svgs = [], []
    for name, contours, entities in TABLE:
        macro = work / f"{name}.txt"
        if isinstance(contours, str):
            macro.write_bytes((Path(data) / contours).read_bytes())
        else:
            macro.write_bytes("".join(line + "\r\n" for line in HEADER + contours + ["-1"]).encode())
        for kind in ("svg", "dxf"):
            drawn = subprocess.run([tool, kind, str(macro), "-o", str(work / f"{name}.{kind}")],
                                   capture_output=True, text=True)
            if drawn.returncode != 0:
                failures.append(f"{name}: {kind} exited {drawn.returncode}: {drawn.stderr}")
        svgs.append(str(work / f"{name}.svg"))
        try:
            document = ezdxf.readfile(work / f"{name}.dxf")
        except (OSError, ezdxf.DXFError) as error:
            failures.append(f"{name}.dxf: ezdxf cannot read it: {error}")
            continue
        auditor = document.audit()
        if auditor.has_errors or auditor.has_fixes:
            failures.append(f"{name}.dxf: ezdxf's audit: {auditor.errors + auditor.fixes}")
        found = {kind: len(document.modelspace().query(kind)) for kind in KINDS}
        if found != {kind: entities.get(kind, 0) for kind in KINDS}:
            failures.append(f"{name}.dxf: ezdxf reads {found}, not {entities}")
    for reader in ([xmllint, "--noout"], [rsvg_convert, "--format=pdf", "-o", str(work / "all.pdf")]):
        read = subprocess.run(reader + svgs, capture_output=True, text=True)
        if read.returncode != 0 or read.stderr:
            failures.append(f"{Path(reader[0]).name}: exit {read.returncode}: {read.stderr}")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
