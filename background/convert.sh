#!/bin/sh
# The menu background kit: run in this folder with no arguments, it turns the picture copied to
# hl2/materialsrc/animated/spray001.tga into the game's menu background textures, 1024 x 1024 for
# 4:3 screens and 2048 x 1024 for widescreen ones. Exits non-zero, with the reason on stderr, when
# either cannot be made. The converter is CSSBINDER_CONVERTER when set (an installed kit's lives
# apart from it), else the one beside this script.
set -eu
converter="${CSSBINDER_CONVERTER:-$(dirname "$0")/tga2vtf}"
picture=hl2/materialsrc/animated/spray001.tga
# One run makes both from one decode of the picture.
"$converter" "$picture" hl2/materials/animated/spray.vtf --size 1024x1024 \
  hl2/materials/animated/spray_widescreen.vtf --size 2048x1024
