#!/usr/bin/env python3
"""Writes a large surface data file for measuring the data-file reader.

    make_data_file.py points|matrix SIDE OUT

points: SIDE * SIDE lines "x,y,z" (x and z in steps of 0.01, so the grid is irregular);
matrix: SIDE lines of SIDE heights. The surface is the same smooth function in both.
"""
import math
import sys


def height(i, j, side):
    u = 6.0 * i / side - 3.0
    v = 6.0 * j / side - 3.0
    return math.sin(u * v) + 0.25 * math.cos(3 * u)


def main():
    form, side, out = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    with open(out, "w") as f:
        if form == "points":
            f.write("x,y,z\n")
            for j in range(side):
                f.writelines("%.2f,%.5f,%.2f\n" % (i * 0.01, height(i, j, side), j * 0.01) for i in range(side))
        else:
            for j in range(side):
                f.write(" ".join("%.5f" % height(i, j, side) for i in range(side)) + "\n")


if __name__ == "__main__":
    main()
