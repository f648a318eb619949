#!/usr/bin/env python3
"""An independent model of the macro file, used to produce the golden files under tests/data.

It shares no code with the program: single precision comes from struct, the number text from
the shortest round-tripping decimal and Decimal's half-up rounding.
"""
import struct
import sys
from decimal import Decimal, ROUND_HALF_UP


def single(x: float) -> float:
    return struct.unpack("<f", struct.pack("<f", x))[0]


def shortest(x: float) -> str:
    for digits in range(1, 10):
        text = "%.*g" % (digits, x)
        if single(float(text)) == x:
            return text
    raise ValueError(x)


def fmt(x: float) -> str:
    text = format(Decimal(shortest(x)).quantize(Decimal("0.001"), rounding=ROUND_HALF_UP), "f")
    if Decimal(text) == 0:
        return "0.0"
    integer, decimals = text.split(".")
    return integer + "." + (decimals.rstrip("0") or "0")


def macro(L1, L2, H1, H2, R1, R2, DX, DY, NX, NY):
    L1, L2, H1, H2, R1, R2, DX, DY = map(single, (L1, L2, H1, H2, R1, R2, DX, DY))
    lines = []

    def rec(code, *ops):
        lines.append(code + ", ".join(fmt(single(op)) for op in ops))

    rec("101, ", -DX)
    rec("102, ", -DY)
    rec("103, 0")
    rec("104, ", (L1 + DX) * NX)
    rec("105, ", (H1 + DY) * NY)
    rec("106, 0")
    rec("111")
    for i in range(1, NX + 1):
        for j in range(1, NY + 1):
            x0 = single((L1 + DX) * (i - 1))
            y0 = single((H1 + DY) * (j - 1))
            rec("0,", R1 + x0, y0)
            rec("1,", (L1 + x0) - R1, y0)
            rec("3,", (L1 + x0) - R1, R1 + y0, L1 + x0, R1 + y0)
            rec("1,", L1 + x0, (H2 + y0) - R2)
            rec("3,", (L1 + x0) - R2, (H2 + y0) - R2, (L1 + x0) - R2, H2 + y0)
            rec("1,", (L2 + x0) + R2, H2 + y0)
            rec("2,", (L2 + x0) + R2, (H2 + y0) + R2, L2 + x0, (H2 + y0) + R2)
            rec("1,", L2 + x0, (H1 + y0) - R2)
            rec("3,", (L2 + x0) - R2, (H1 + y0) - R2, (L2 + x0) - R2, H1 + y0)
            rec("1,", R1 + x0, H1 + y0)
            rec("3,", R1 + x0, (H1 + y0) - R1, x0, (H1 + y0) - R1)
            rec("1,", x0, R1 + y0)
            rec("3,", R1 + x0, R1 + y0, R1 + x0, y0)
            rec("99")
    rec("-1")
    return "".join(line + "\r\n" for line in lines)


if __name__ == "__main__":
    args = [float(a) for a in sys.argv[1:9]] + [int(a) for a in sys.argv[9:11]]
    sys.stdout.buffer.write(macro(*args).encode("ascii"))
