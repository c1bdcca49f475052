#!/bin/sh
# Draws Layrail's icon, an oval of track on a baseboard with a train on it, at the sizes
# the desktop's hicolor theme uses, with ImageMagick drawing primitives. Run from any
# folder; writes icon_<size>.png next to this script. Needs ImageMagick 6 (convert).
set -eu
cd "$(dirname "$0")"

# Everything is drawn on a 1024-pixel canvas (coordinates below are for 256 and scaled
# by 4) and shrunk, which smooths the edges. Small sizes get thicker, plainer track,
# since sleepers and two rails only blur at 32 pixels and below.

# The track runs round a stadium: two straights of half-length L joined by half circles
# of radius R around (CX, CY).
CX=512 CY=540 L=130 R=210

# Draw primitives for sleepers across the track.
sleepers() {
    awk -v cx=$CX -v cy=$CY -v L=$L -v R=$R -v k=4 'BEGIN {
        pi = atan2(0, -1)
        total = 4 * L + 2 * pi * R
        n = 44
        printf "stroke #5a3b28 stroke-width %d ", 5 * k
        for (i = 0; i < n; i++) {
            s = (i + 0.5) * total / n
            if (s < 2 * L) {                       # bottom straight, left to right
                x = cx - L + s; y = cy + R; nx = 0; ny = 1
            } else if (s < 2 * L + pi * R) {       # right half circle, upwards
                a = pi / 2 - (s - 2 * L) / R
                x = cx + L + R * cos(a); y = cy + R * sin(a); nx = cos(a); ny = sin(a)
            } else if (s < 4 * L + pi * R) {       # top straight, right to left
                x = cx + L - (s - 2 * L - pi * R); y = cy - R; nx = 0; ny = -1
            } else {                               # left half circle, downwards
                a = -pi / 2 - (s - 4 * L - pi * R) / R
                x = cx - L + R * cos(a); y = cy + R * sin(a); nx = cos(a); ny = sin(a)
            }
            h = 15 * k
            printf "line %.1f,%.1f %.1f,%.1f ", x - nx * h, y - ny * h, x + nx * h, y + ny * h
        }
    }'
}

# A stadium outline (the rails and ballast): offset d from the centre line.
stadium() {
    d=$1
    echo "roundrectangle $((CX - L - R - d)),$((CY - R - d)) $((CX + L + R + d)),$((CY + R + d)) $((R + d)),$((R + d))"
}

# A red locomotive with a cab, on the bottom straight.
train() {
    y=$((CY + R))
    echo "fill #c63a2c stroke #6e1a12 stroke-width 8 roundrectangle 392,$((y - 48)) 632,$((y + 48)) 28,28" \
         "fill #e8d9a8 stroke none rectangle 568,$((y - 30)) 608,$((y + 6))" \
         "fill #2a2a2e rectangle 432,$((y - 36)) 472,$((y - 16)) rectangle 500,$((y - 36)) 540,$((y - 16))" \
         "fill #f7e27a circle 404,$y 404,$((y - 14))"
}

draw_large() {
    convert -size 1024x1024 xc:none \
        -fill '#223a63' -stroke '#16284a' -strokewidth 12 -draw 'roundrectangle 40,40 984,984 150,150' \
        -fill '#5b8c41' -stroke '#3f6a2c' -strokewidth 10 -draw 'roundrectangle 88,120 936,936 70,70' \
        -fill none -stroke '#8d8577' -strokewidth 104 -draw "$(stadium 0)" \
        -fill none -draw "$(sleepers)" \
        -fill none -stroke '#e6e9ee' -strokewidth 14 -draw "$(stadium -30)" -draw "$(stadium 30)" \
        -draw "$(train)" \
        -fill '#3c6b2d' -stroke '#2c5222' -strokewidth 6 \
        -draw 'circle 400,560 400,516 circle 470,510 470,476 circle 630,560 630,508 circle 580,505 580,478' \
        "$1"
}

draw_small() {
    convert -size 1024x1024 xc:none \
        -fill '#223a63' -stroke '#16284a' -strokewidth 24 -draw 'roundrectangle 32,32 992,992 150,150' \
        -fill '#5b8c41' -stroke none -draw 'roundrectangle 96,128 928,928 64,64' \
        -fill none -stroke '#e6e9ee' -strokewidth 120 -draw "$(stadium 0)" \
        -stroke '#6b6357' -strokewidth 40 -draw "$(stadium 0)" \
        -fill '#c63a2c' -stroke none -draw "roundrectangle 372,$((CY + R - 80)) 652,$((CY + R + 80)) 40,40" \
        "$1"
}

draw_large large.png
draw_small small.png
for size in 256 128 64 48; do
    convert large.png -filter Lanczos -resize ${size}x${size} -strip "icon_${size}.png"
done
for size in 32 16; do
    convert small.png -filter Lanczos -resize ${size}x${size} -strip "icon_${size}.png"
done
rm -f large.png small.png
ls -l icon_*.png
