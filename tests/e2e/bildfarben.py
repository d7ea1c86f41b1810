#!/usr/bin/python3
# What a place of a screenshot shows, read with ImageMagick: its commonest colour (the ground)
# and how many of its pixels are near white and near black (the type on it).
#   bildfarben.py BILD x,y,breite,hoehe   ->   "#rrggbb HELL DUNKEL"
import re
import subprocess
import sys

bild, (x, y, b, h) = sys.argv[1], sys.argv[2].split(",")
liste = subprocess.run(["convert", bild, "-crop", "%sx%s+%s+%s" % (b, h, x, y), "+repage",
                        "-format", "%c", "histogram:info:-"],
                       check=True, capture_output=True, text=True).stdout
farben = [(int(n), tuple(int(float(k)) for k in rgb.split(",")[:3]))
          for n, rgb in re.findall(r"^\s*(\d+): \(([^)]*)\)", liste, re.M)]
grund = max(farben)[1]
hell = sum(n for n, f in farben if min(f) > 215)
dunkel = sum(n for n, f in farben if max(f) < 40)
print("#%02x%02x%02x %d %d" % (grund + (hell, dunkel)))
