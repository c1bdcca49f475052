#!/bin/sh
# Draws the three pictures built into Layrail (splash, splash corner, help)
# with ImageMagick drawing primitives. Run from any folder; writes next to
# this script. Needs ImageMagick 6 (convert) and the DejaVu fonts.
set -eu
cd "$(dirname "$0")"

FONT_BOLD=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
FONT=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf

# Straight track running to a vanishing point (vx, horizon): ballast bed,
# sleepers spaced by depth, two rails. Arguments: vx horizon bottom
# half-width-of-ballast-at-bottom, and optionally the nearest sleeper's
# thickness (14 pixels when not given).
perspective_track() {
    awk -v vx="$1" -v hy="$2" -v by="$3" -v hw="$4" -v st="${5:-14}" 'BEGIN {
        depth = by - hy
        printf "fill #7d7468 stroke none polygon %d,%d %d,%d %d,%d %d,%d ",
            vx - 2, hy, vx + 2, hy, vx + hw, by, vx - hw, by
        # Sleepers: equal steps in depth z, screen offset depth/z from the horizon.
        for (z = 1.0; z < 60; z *= 1.16) {
            y = hy + depth / z
            s = 1 / z
            t = st * s; if (t < 1) t = 1
            w = 0.72 * hw * s
            printf "fill #4a3526 polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f ",
                vx - w, y - t, vx + w, y - t, vx + w * 1.02, y, vx - w * 1.02, y
        }
        # Rails: wedges narrowing to the vanishing point, a bright running surface on top.
        g = 0.42 * hw
        r = 0.035 * hw
        printf "fill #5d5550 "
        printf "polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f ", vx - g - r, by, vx - g + r, by, vx, hy
        printf "polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f ", vx + g - r, by, vx + g + r, by, vx, hy
        printf "fill #dfe3e8 "
        printf "polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f ", vx - g - r, by, vx - g, by, vx, hy
        printf "polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f ", vx + g - r, by, vx + g, by, vx, hy
    }'
}

# Telegraph poles along the right of a perspective track. Arguments as above.
telegraph_poles() {
    awk -v vx="$1" -v hy="$2" -v by="$3" -v hw="$4" 'BEGIN {
        depth = by - hy
        printf "fill #3a2a22 stroke none "
        n = 0
        for (z = 1.8; z < 30; z *= 1.7) {
            s = 1 / z
            x = vx + 1.4 * hw * s
            y = hy + depth * s
            h = 1.1 * hw * s
            w = 0.02 * hw * s + 0.5
            printf "rectangle %.1f,%.1f %.1f,%.1f ", x - w, y - h, x + w, y
            printf "rectangle %.1f,%.1f %.1f,%.1f ", x - 7 * w, y - h + 3 * w, x + 7 * w, y - h + 5 * w
            tx[n] = x; ty[n] = y - h + 3 * w; tw[n] = 6 * w; n++
        }
        printf "stroke #2a211d stroke-width 1 fill none "
        for (i = 1; i < n; i++) {
            printf "line %.1f,%.1f %.1f,%.1f ", tx[i-1] - tw[i-1], ty[i-1], tx[i] - tw[i], ty[i]
            printf "line %.1f,%.1f %.1f,%.1f ", tx[i-1] + tw[i-1], ty[i-1], tx[i] + tw[i], ty[i]
        }
    }'
}

# A copse of fir trees. Arguments: x of the left tree, y of the ground, scale, count.
fir_trees() {
    awk -v x="$1" -v y="$2" -v k="$3" -v n="$4" 'BEGIN {
        srand(7)
        for (i = 0; i < n; i++) {
            tx = x + i * 22 * k + rand() * 8 * k
            h = (46 + rand() * 24) * k
            printf "fill #2f4a33 polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f ", tx - 11 * k, y, tx + 11 * k, y, tx, y - h
            printf "fill #3b5c3d polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f ", tx, y, tx + 11 * k, y, tx, y - h
        }
    }'
}

# A steam locomotive with tender and coaches as a side-view silhouette.
# Arguments: x of the train's front, y of the rail top, scale.
train_silhouette() {
    awk -v x="$1" -v y="$2" -v k="$3" 'function r(a, b, c, d) {
            printf "rectangle %.1f,%.1f %.1f,%.1f ", x - a * k, y - b * k, x - c * k, y - d * k }
        function wheel(a, rad) { printf "circle %.1f,%.1f %.1f,%.1f ", x - a * k, y - rad * k, x - a * k + rad * k, y - rad * k }
        BEGIN {
        printf "fill #241b2e stroke none "
        r(4, 26, 62, 8)        # boiler
        r(4, 9, 90, 5)         # footplate
        r(58, 44, 86, 8)       # cab
        r(54, 47, 90, 44)      # cab roof
        r(12, 40, 20, 26)      # chimney
        r(30, 33, 38, 26)      # dome
        wheel(14, 5); wheel(32, 8); wheel(50, 8); wheel(80, 5)
        r(94, 30, 130, 6)      # tender
        wheel(102, 5); wheel(122, 5)
        for (c = 0; c < 3; c++) {
            s = 136 + c * 74
            r(s, 38, s + 68, 8)
            r(s + 2, 42, s + 66, 37)
            wheel(s + 10, 5); wheel(s + 58, 5)
        }
        printf "fill #f6d38a "
        for (c = 0; c < 3; c++)
            for (w = 0; w < 5; w++) {
                s = 142 + c * 74 + w * 12
                r(s, 32, s + 8, 24)
            }
        printf "fill rgba(235,225,215,0.55) "
        printf "circle %.1f,%.1f %.1f,%.1f ", x - 16 * k, y - 52 * k, x - 8 * k, y - 52 * k
        printf "circle %.1f,%.1f %.1f,%.1f ", x - 30 * k, y - 64 * k, x - 18 * k, y - 64 * k
        printf "circle %.1f,%.1f %.1f,%.1f ", x - 52 * k, y - 72 * k, x - 37 * k, y - 72 * k
        printf "fill rgba(235,225,215,0.30) "
        printf "circle %.1f,%.1f %.1f,%.1f ", x - 80 * k, y - 76 * k, x - 62 * k, y - 76 * k
    }'
}

# Splash background, 900 x 600.
convert -size 900x600 gradient:'#16223f-#f3a65a' \
    -fill '#f7c66b' -draw 'circle 640,318 640,270' \
    -fill 'rgba(255,214,130,0.25)' -draw 'circle 640,318 640,232' \
    -fill '#6a6f93' -draw 'polygon 0,300 90,262 190,286 300,240 420,282 520,258 640,300 760,252 900,286 900,340 0,340' \
    -fill '#43604f' -draw 'polygon 0,330 140,316 300,326 460,312 620,324 780,310 900,322 900,600 0,600' \
    -draw "stroke #1e1a24 stroke-width 2 line 90,327 720,321 $(train_silhouette 360 326 0.55)" \
    -fill '#507a3e' -draw 'polygon 0,372 200,356 450,344 700,360 900,350 900,600 0,600' \
    -draw "$(fir_trees 40 372 0.9 6) $(fir_trees 640 362 0.7 5)" \
    -fill '#5e8a45' -draw 'polygon 0,470 120,440 300,430 450,436 620,424 900,446 900,600 0,600' \
    -draw "$(perspective_track 450 344 600 300)" \
    -draw "$(telegraph_poles 450 344 600 300)" \
    -font "$FONT_BOLD" -pointsize 64 \
    -fill 'rgba(10,15,30,0.55)' -annotate +43+99 'Layrail' \
    -fill '#fff4dc' -annotate +40+96 'Layrail' \
    -font "$FONT" -pointsize 22 \
    -fill 'rgba(10,15,30,0.55)' -annotate +44+135 'Plan your model railway, piece by piece' \
    -fill '#fff4dc' -annotate +42+133 'Plan your model railway, piece by piece' \
    -quality 88 splash.jpg

# Splash corner picture, 120 x 160: a locomotive seen from the front.
convert -size 120x160 gradient:'#8fb4d9-#f0d9a8' \
    -fill '#5f8a4a' -draw 'polygon 0,118 120,118 120,160 0,160' \
    -draw "$(perspective_track 60 112 160 70 5)" \
    -fill '#1f2a22' -draw 'roundrectangle 22,46 98,126 8,8' \
    -fill '#2f5a3a' -draw 'roundrectangle 26,50 94,120 6,6' \
    -fill '#15191a' -draw 'circle 60,86 60,60' \
    -fill '#2a3133' -draw 'circle 60,86 60,66' \
    -fill '#9aa3a6' -draw 'circle 60,86 60,83' \
    -fill '#15191a' -draw 'rectangle 52,26 68,50' -draw 'rectangle 49,24 71,29' \
    -fill '#b3261e' -draw 'rectangle 14,118 106,130' \
    -fill '#2b2b2b' -draw 'rectangle 16,121 26,127' -draw 'rectangle 94,121 104,127' \
    -fill '#fff3c4' -draw 'circle 34,110 34,105' -draw 'circle 86,110 86,105' \
    -fill 'rgba(255,243,196,0.35)' -draw 'circle 34,110 34,100' -draw 'circle 86,110 86,100' \
    -fill 'rgba(240,235,230,0.7)' -draw 'circle 58,16 58,8' -draw 'circle 70,8 70,2' \
    -fill none -stroke '#fff4dc' -strokewidth 3 -draw 'rectangle 1,1 118,158' \
    -quality 90 corner.jpg

# Help picture, 368 x 660: a semaphore signal beside the line at dusk.
convert -size 368x660 gradient:'#1d2b4f-#e9a66a' \
    -fill '#6a6f93' -draw 'polygon 0,430 80,400 170,420 260,392 368,416 368,470 0,470' \
    -fill '#4a6b45' -draw 'polygon 0,460 368,452 368,660 0,660' \
    -draw "$(perspective_track 200 460 660 150)" \
    -fill '#2b2b30' -draw 'rectangle 96,150 106,600' -draw 'rectangle 84,596 118,606' \
    -stroke '#2b2b30' -strokewidth 2 -draw 'line 116,200 116,598' \
    -draw "$(awk 'BEGIN { for (y = 210; y < 596; y += 18) printf "line 106,%d 116,%d ", y, y }')" \
    -stroke none -fill '#2b2b30' -draw 'circle 101,146 101,138' \
    -fill '#c0271d' -draw 'polygon 106,176 214,132 220,146 110,192' \
    -fill '#f2efe6' -draw 'polygon 182,145 192,141 198,155 188,159' \
    -fill '#2b2b30' -draw 'circle 101,184 101,172' \
    -fill '#59d16b' -draw 'circle 101,184 101,178' \
    -fill 'rgba(120,255,140,0.30)' -draw 'circle 101,184 101,166' \
    -fill '#f3e9d0' -draw 'circle 300,90 300,84' -draw 'circle 52,60 52,57' -draw 'circle 240,40 240,38' \
    -quality 88 help.jpg

ls -l splash.jpg corner.jpg help.jpg
