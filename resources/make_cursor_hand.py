#!/usr/bin/env python3
"""Writes quil_cursor_hand.png, the program's 32x32 hand cursor, from the picture below.

'#' outline (black), '.' fill (white), anything else transparent. The hot spot is the tip of
the index finger, marked 'x' (drawn as outline). Run it after editing the picture; the PNG is
committed so the build needs no Python.
"""
import os
import struct
import zlib

PICTURE = r"""
      x#
     #..#
     #..#
     #..#
     #..#
     #..###
     #..#..###
     #..#..#..##
  ## #..#..#..#.#
 #..##........#..#
 #...#...........#
  #..#...........#
   #.............#
   #.............#
    #............#
    #...........#
     #..........#
     #.........#
      #........#
      #........#
      ##########
"""

SIZE = 32


def rows():
    lines = PICTURE.strip("\n").split("\n")
    return [line.ljust(SIZE)[:SIZE] for line in lines] + [" " * SIZE] * (SIZE - len(lines))


def rgba(ch):
    if ch in "#x":
        return b"\x00\x00\x00\xff"
    if ch == ".":
        return b"\xff\xff\xff\xff"
    return b"\x00\x00\x00\x00"


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def main():
    raw = b"".join(b"\x00" + b"".join(rgba(c) for c in row) for row in rows())
    png = (b"\x89PNG\r\n\x1a\n"
           + chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0))
           + chunk(b"IDAT", zlib.compress(raw, 9))
           + chunk(b"IEND", b""))
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "quil_cursor_hand.png")
    with open(out, "wb") as f:
        f.write(png)
    hot = next((x, y) for y, row in enumerate(rows()) for x, c in enumerate(row) if c == "x")
    print(f"wrote {out}, hot spot {hot}")


if __name__ == "__main__":
    main()
