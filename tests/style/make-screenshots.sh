#!/usr/bin/env bash
# Renders the styled controls in their states into docs/: runs the style's GUI tests with
# QUILLORA_STYLE_SHOTS set, then enlarges and joins the captures (ImageMagick).
# Needs a built build/win64.
set -euo pipefail
cd "$(dirname "$0")/../.."
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT

QUILLORA_STYLE_SHOTS="Z:${shots//\//\\}" scripts/wine-gui-run.sh \
    build/win64/tests/style/style_gui_test.exe \
    --gtest_filter='States/*:Kinds/*:*DroppedDownList*:*LabelsAndTheWindow*' >/dev/null

# One row per kind of control, every state enlarged four times, white gaps between.
row() {
    local out=$1
    shift
    local files=()
    for name in "$@"; do
        files+=("$shots/$name.bmp")
    done
    convert "${files[@]}" -filter point -resize 400% -bordercolor white -border 8 +append +repage \
        "$out"
}
row "$shots/buttons.png" button-Normal button-Hovered button-Pushed button-FocusedByTab \
    button-Disabled
row "$shots/lists.png" list-Normal list-Hovered list-Disabled
row "$shots/edits.png" edit-SingleLine edit-ReadOnly edit-Disabled

mkdir -p docs
convert "$shots/buttons.png" "$shots/lists.png" "$shots/edits.png" -background white \
    -gravity west -append +repage docs/visual-style-states.png
convert "$shots/window.bmp" -filter point -resize 200% docs/visual-style-window.png
echo "docs/visual-style-states.png docs/visual-style-window.png"
