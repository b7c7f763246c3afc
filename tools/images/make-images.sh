#!/usr/bin/env bash
# Draws the program's pictures into data/images with ImageMagick and the DejaVu fonts, so that
# every picture can be made again from this script alone. Run it from anywhere; it overwrites.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="${1:-$here/../../data/images}"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fonts=/usr/share/fonts/truetype/dejavu
bold="$fonts/DejaVuSans-Bold.ttf"
plain="$fonts/DejaVuSans.ttf"
for f in "$bold" "$plain"; do
    [[ -r "$f" ]] || { echo "missing font $f (package fonts-dejavu-core)" >&2; exit 1; }
done

# Pictures carry no dates or tool names, so the same script gives the same bytes.
strip=(-strip -depth 8 -define png:exclude-chunks=date,time)

# ball SIZE LIGHT DARK RIM FILE: a shaded sphere on a clear background. The light falls from the
# upper left, but the middle stays plain and light, since the number is drawn over it.
ball() {
    local size=$1 light=$2 dark=$3 rim=$4 file=$5
    local big=$((size * 4)) r=$((size * 2 - 6))
    local c=$((size * 2))
    # Shading: a wide radial gradient whose centre sits a little up and left of the ball's.
    local g=$((big * 3 / 2))
    convert -size ${g}x${g} radial-gradient:"$light"-"$dark" -gamma 0.8 \
        -crop ${big}x${big}+$((g / 2 - big / 2 + big / 10))+$((g / 2 - big / 2 + big / 8)) +repage \
        "$work/shade.png"
    # A darker ring just inside the edge gives the sphere its roundness.
    convert -size ${big}x${big} xc:none -fill none -stroke "$rim" -strokewidth $((size / 10)) \
        -draw "circle $c,$c $c,$((c - r + size / 20))" -blur 0x$((size / 12)) "$work/rim.png"
    # A soft highlight high on the upper left, well clear of the middle.
    convert -size ${big}x${big} xc:none -fill 'rgba(255,255,255,0.85)' \
        -draw "ellipse $((c - size * 3 / 4)),$((c - size)) $((size / 3)),$((size / 5)) 0,360" \
        -blur 0x$((size / 10)) "$work/shine.png"
    convert -size ${big}x${big} xc:black -fill white -draw "circle $c,$c $c,$((c - r))" "$work/mask.png"
    convert "$work/shade.png" "$work/rim.png" -composite "$work/shine.png" -composite \
        "$work/mask.png" -alpha off -compose CopyOpacity -composite \
        -fill none -stroke 'rgba(80,70,40,0.55)' -strokewidth 4 -draw "circle $c,$c $c,$((c - r))" \
        -resize ${size}x${size} "${strip[@]}" "$file"
}

# numbered BALL SIZE NUMBER FILE: a ball with its number, for the splash and About pictures.
numbered() {
    local picture=$1 size=$2 number=$3 file=$4
    convert "$picture" -resize ${size}x${size} -font "$bold" -pointsize $((size * 2 / 5)) \
        -fill '#1a1a1a' -gravity center -annotate +0+0 "$number" "$file"
}

ball 128 '#fffef8' '#c4b48a' 'rgba(120,105,70,0.45)' "$out/ball.png"
ball 128 '#fff4c8' '#d99a12' 'rgba(150,95,10,0.5)' "$out/bonusball.png"

# splash.png: the program's name over a row of drawn balls, on a deep blue ground. It is opaque, and kept
# without an alpha channel: it is read at every start, and three channels decode faster than four.
w=840 h=400
convert -size ${w}x${h} gradient:'#1d3f86'-'#0b1a3c' \
    \( -size ${w}x${h} radial-gradient:'rgba(255,255,255,0.18)'-'rgba(255,255,255,0)' \) -composite \
    "$work/splash-ground.png"
n=0
for number in 7 14 23 35 42; do
    numbered "$out/ball.png" 104 "$number" "$work/s$n.png"
    n=$((n + 1))
done
numbered "$out/bonusball.png" 104 9 "$work/s5.png"
convert "$work/splash-ground.png" \
    -font "$bold" -pointsize 96 -gravity north \
    -fill 'rgba(0,0,0,0.45)' -annotate +4+58 'Quintara' \
    -fill '#fff8e1' -annotate +0+54 'Quintara' \
    -font "$plain" -pointsize 22 -fill '#c9d6f2' \
    -annotate +0+176 'Lotto  ·  Lotto Extra  ·  Thunderball  ·  Daily Play' \
    -gravity northwest \
    "$work/s0.png" -geometry +86+246 -composite \
    "$work/s1.png" -geometry +196+246 -composite \
    "$work/s2.png" -geometry +306+246 -composite \
    "$work/s3.png" -geometry +416+246 -composite \
    "$work/s4.png" -geometry +526+246 -composite \
    "$work/s5.png" -geometry +650+246 -composite \
    -alpha off "${strip[@]}" PNG24:"$out/splash.png"

# about.png: three drawn balls on a rounded blue tile, beside the About window's title.
w=320 h=152
convert -size ${w}x${h} xc:none -fill '#1d3f86' -draw "roundrectangle 0,0 $((w - 1)),$((h - 1)) 18,18" \
    "$work/about-tile.png"
numbered "$out/ball.png" 92 5 "$work/a0.png"
numbered "$out/ball.png" 92 17 "$work/a1.png"
numbered "$out/bonusball.png" 92 31 "$work/a2.png"
convert "$work/about-tile.png" \
    "$work/a0.png" -geometry +22+30 -composite \
    "$work/a1.png" -geometry +114+30 -composite \
    "$work/a2.png" -geometry +206+30 -composite \
    "${strip[@]}" "$out/about.png"
