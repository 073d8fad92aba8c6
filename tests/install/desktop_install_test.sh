#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks it as the desktop will see it: the freedesktop
# layout, the menu entry (desktop-file-validate), the file types (update-mime-database, xdg-mime) and
# the thumbnailer run by its own Exec line on sample drawings and on every hostile file.
# Usage: desktop_install_test.sh BUILD_DIR TEST_DATA_DIR
set -euo pipefail
build=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/usr
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

for tool in desktop-file-validate update-mime-database xdg-mime gio; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/ensure_packages.sh installs it)" >&2; exit 1; }
done

cmake --install "$build" --prefix "$prefix" >/dev/null

# The freedesktop layout.
for f in bin/molvane share/applications/molvane.desktop share/mime/packages/molvane.xml \
         share/thumbnailers/molvane.thumbnailer share/molvane/help/index.html \
         share/icons/hicolor/{48x48,128x128,256x256}/apps/molvane.png share/icons/hicolor/scalable/apps/molvane.svg; do
    [ -s "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/bin/molvane" ] || fail "bin/molvane is not executable"

# The menu entry: no errors (hints about the several main categories are expected).
if ! report=$(desktop-file-validate "$prefix/share/applications/molvane.desktop" 2>&1) ||
   grep -q 'error:' <<<"$report"; then
    fail "desktop-file-validate: $report"
fi
grep -q '^Name\[ja\]=' "$prefix/share/applications/molvane.desktop" || fail "no Japanese name"

# The file types, by name and (for a drawing without its extension) by the format number.
if ! report=$(XDG_DATA_DIRS="$prefix/share:/usr/share" update-mime-database "$prefix/share/mime" 2>&1) ||
   [ -n "$report" ]; then
    fail "update-mime-database: $report"
fi
samples=$work/samples
mkdir -p "$samples"
cp "$data/valid/benzene.fga" "$samples/sample.fga"
cp "$data/valid/part.fgb" "$samples/sample.fgb"
cp "$data/valid/benzene.fga" "$samples/drawing-without-extension"
mime_of() {
    XDG_DATA_HOME="$work/empty-home" XDG_DATA_DIRS="$prefix/share:/usr/share" XDG_CURRENT_DESKTOP=GNOME \
        xdg-mime query filetype "$1"
}
for pair in sample.fga:application/x-molvane-drawing sample.fgb:application/x-molvane-partial \
            drawing-without-extension:application/x-molvane-drawing; do
    name=${pair%%:*}
    want=${pair#*:}
    got=$(mime_of "$samples/$name" || true)
    [ "$got" = "$want" ] || fail "xdg-mime names $name '$got', not $want"
done

# The thumbnailer, run as a file manager runs it: its Exec line with the installed bin/ on PATH and no
# display.
exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/thumbnailers/molvane.thumbnailer")
thumbnail() { # IN OUT SIZE
    local command=${exec_line//%i/$1}
    command=${command//%o/$2}
    command=${command//%s/$3}
    # shellcheck disable=SC2086
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM PATH="$prefix/bin:$PATH" \
        MOLVANE_DATA_DIR="$work/data" timeout 20 $command
}
# A PNG's width and height from its header, as "W H".
png_size() { od -An -v -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}'; }
for pair in sample.fga:128 drawing-without-extension:64; do
    name=${pair%%:*}
    size=${pair#*:}
    out=$work/thumb-$size.png
    thumbnail "$samples/$name" "$out" "$size" 2>"$work/stderr" || fail "the thumbnailer failed on $name: $(cat "$work/stderr")"
    read -r w h <<<"$(png_size "$out" 2>/dev/null || echo 0 0)"
    [ "$w" -ge 1 ] && [ "$w" -le "$size" ] && [ "$h" -ge 1 ] && [ "$h" -le "$size" ] ||
        fail "the $size thumbnail of $name is $w x $h"
done

# Damaged files: an error with a reason, no output, no crash, no hang.
for hostile in "$data"/hostile/*.fga; do
    out=$work/hostile.png
    rm -f "$out"
    status=0
    thumbnail "$hostile" "$out" 128 2>"$work/stderr" || status=$?
    if [ "$status" -eq 0 ] || [ "$status" -ge 124 ]; then
        fail "$(basename "$hostile"): exit status $status"
    fi
    [ -e "$out" ] && fail "$(basename "$hostile"): a thumbnail was written"
    [ -s "$work/stderr" ] || fail "$(basename "$hostile"): no reason given"
done

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "installed layout, menu entry, file types and thumbnailer are in order"
