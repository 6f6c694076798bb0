#!/usr/bin/env bash
# Writes the reference pictures: small PPM images of known pixels, each
# turned into a PICT file by ImageMagick's convert, an encoder that is not
# ours. The test decodes every .pct here and compares it pixel by pixel with
# the .ppm it came from. Run again only to change the set; commit the output.
# ImageMagick writes only 8-bit indexed and 32-bit (packed by component)
# pictures, so the other depths and packings (1, 2, 4 and 16 bits, 24-bit
# rows, version 1) are checked against byte strings built by hand in
# tst_pictdecoder.cpp (pictbytes.h).
set -euo pipefail
cd "$(dirname "$0")/reference"

python3 - <<'PY'
def ppm(name, w, h, colour):
    with open(name + ".ppm", "wb") as out:
        out.write(b"P6\n%d %d\n255\n" % (w, h))
        for y in range(h):
            for x in range(w):
                out.write(bytes(colour(x, y)))

palette = [(255, 255, 255), (200, 0, 0), (0, 0, 160), (20, 140, 20), (0, 0, 0)]
# Many colours: a direct 32-bit pixel map packed one component at a time.
ppm("direct", 13, 7, lambda x, y: (x * 19 % 256, y * 37 % 256, (x * y * 11 + 5) % 256))
# Rows of more than 250 bytes, whose packed lengths take two bytes.
ppm("wide", 80, 3, lambda x, y: (x * 3, 255 - x * 3, y * 100))
ppm("tiny", 2, 2, lambda x, y: [(1, 2, 3), (250, 128, 7), (9, 200, 90), (255, 255, 255)][y * 2 + x])
# Few colours: written as 8-bit indexed pixels with a colour table.
ppm("indexed", 20, 9, lambda x, y: palette[(x // 3 + y) % 5])
ppm("twocolour", 17, 6, lambda x, y: (0, 0, 0) if (x + y) % 3 == 0 else (255, 255, 255))
PY

convert direct.ppm direct.pct
convert wide.ppm wide.pct
convert tiny.ppm tiny.pct
convert indexed.ppm -type Palette indexed.pct
convert twocolour.ppm -monochrome twocolour.pct
