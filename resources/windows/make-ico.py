#!/usr/bin/env python3
"""Packs PNG icons into one Windows .ico file: make-ico.py OUT.ico IN-16.png IN-32.png ...

Windows reads PNG images inside an .ico since Vista, so the pictures go in as they are, the
same bytes the other platforms install."""
import struct
import sys


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise SystemExit("make-ico.py: not a PNG file")
    return struct.unpack(">II", data[16:24])


def main(out, pngs):
    images = []
    for name in pngs:
        with open(name, "rb") as f:
            data = f.read()
        width, height = png_size(data)
        if width > 256 or height > 256:
            raise SystemExit(f"make-ico.py: {name} is larger than an icon can be")
        images.append((width, height, data))
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    directory = b""
    for width, height, data in images:
        # 256 is written as 0; colour count 0, reserved 0, one plane, 32 bits a pixel.
        directory += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32,
                                 len(data), offset)
        offset += len(data)
    with open(out, "wb") as f:
        f.write(header + directory + b"".join(data for _, _, data in images))


if __name__ == "__main__":
    if len(sys.argv) < 3:
        raise SystemExit("usage: make-ico.py OUT.ico IN.png...")
    main(sys.argv[1], sys.argv[2:])
