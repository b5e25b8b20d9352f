#!/usr/bin/env python3
"""Writes the small seed corpus of the skin fuzzers (run once; the seeds are committed)."""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def bmp(width, height, bits, palette, rows):
    row_bytes = (width * bits + 31) // 32 * 4
    pixels = b"".join(r.ljust(row_bytes, b"\0") for r in reversed(rows))
    pal = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 54 + len(pal)
    header = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixels), 3780, 3780, len(palette), 0)
    return header + info + pal + pixels


def pictures():
    grey = [(0, 0, 0), (200, 200, 200)]
    frame = bmp(2, 2, 8, grey, [b"\x00\x01", b"\x01\x00"])
    mask = bmp(2, 2, 4, grey, [b"\x01", b"\x10"])
    one = bmp(3, 1, 1, [(0, 0, 0), (255, 255, 255)], [b"\xa0"])
    true_colour = bmp(1, 1, 24, [], [b"\x10\x20\x30"])
    return b"\x00" + frame + b"\x01" + b"\x00" + mask + struct.pack("<i", 2) + one + true_colour


SKIN = """[VERSION]
skinversion=1
[PICTURES]
picture=main.bmp
mask=mask.bmp
activepicturescount=2
0=a.bmp
1=b.bmp
[FORMINFO]
lefttoppoint=2,5
rightbottompoint=0x10,$20
clientrect=1 , 2 , 3 , 4
maskrectarea=0,0,0,0
inactiveeffect=ienoise
[POPUPWINDOW]
windowpictureindex=0
[HINTWINDOW]
fontstyle=fsbold,fsitalic
[SKINOBJECTS]
count=3
0=caption1:caption
1=closebutton:stdbutton
2=anim:animate
[SKINCONTROLS]
count=4
0=button:button
1=list:checklistbox
2=ud:updown
3=bad
[caption1]
alignment=tarightjustify
[closebutton]
command=cmclose
[button]
skinrect=0,0,60,20
righttoppoint=55,0
[ud]
lefttoppoint=1,1
"""


def write(folder, name, data):
    with open(os.path.join(HERE, "corpus", folder, name), "wb") as f:
        f.write(data)


write("SkinIni", "skin.ini", SKIN.encode())
write("SkinIni", "bad-rect.ini", SKIN.replace("0,0,60,20", "0,0,60").encode())
write("PicturesStream", "pictures.bin", pictures())
write("PicturesStream", "empty.bin", b"\x01\x01\x01\x00\x00\x00\x00")
layout = struct.pack("<i", 1) + pictures() + SKIN.replace("\n", "\r\n").encode()
write("CompressedSkin", "layout.bin", b"\x01" + layout)
write("CompressedSkin", "block.bin", b"\x00" + zlib.compress(layout, 9))
