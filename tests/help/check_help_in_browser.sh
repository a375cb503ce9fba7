#!/usr/bin/env bash
# Opens every help page of an installed help folder in headless Chromium at 1280 and 420 px
# and checks what a reader would see: no page is wider than its window (nothing scrolls
# sideways), and every picture has loaded.
# Chromium never lays a page out narrower than 500 px, so each page is shown in a frame of
# the wanted width inside one wrapper page, and one browser run measures all of them.
# With a second folder, it also saves a full-length screenshot of each page at each width
# there (one more browser run per picture).
# Usage: check_help_in_browser.sh <help folder> [screenshot folder]
set -euo pipefail
dir=$(cd "$1" && pwd)
shots=${2:-}
browser=$(command -v chromium || true)
[[ -n $browser ]] || { echo "chromium is missing: run scripts/setup-deps.sh"; exit 1; }
shopt -s nullglob
pages=("$dir"/*.html)
((${#pages[@]} == 3)) || { echo "expected 3 help pages in $dir, found ${#pages[@]}"; exit 1; }
widths=(1280 420)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The flags keep the browser quiet and off the network; the profile is thrown away.
run_browser() {
    timeout 60 "$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --allow-file-access-from-files --user-data-dir="$work/profile" \
        --virtual-time-budget=10000 "$@" 2>"$work/browser.log"
}

# The wrapper page: one frame per page and width. Once everything has loaded, it writes one
# line per frame into #result: "<page> <width> <scroll width> <client width> <height>
# <pictures> <pictures not loaded>".
{
    cat <<'EOF'
<!DOCTYPE html>
<html><head><meta charset="utf-8"><style>
body { margin: 0; }
iframe { display: block; border: 0; height: 900px; }
</style></head><body>
EOF
    for page in "${pages[@]}"; do
        for width in "${widths[@]}"; do
            printf '<iframe data-page="%s" style="width:%dpx" src="file://%s"></iframe>\n' \
                "$(basename "$page")" "$width" "$page"
        done
    done
    cat <<'EOF'
<pre id="result"></pre>
<script>
window.addEventListener("load", () => {
    const lines = [];
    for (const frame of document.querySelectorAll("iframe")) {
        const name = frame.dataset.page + " " + parseInt(frame.style.width);
        const doc = frame.contentDocument;
        if (!doc) {
            lines.push(name + " unreadable");
            continue;
        }
        const root = doc.documentElement;
        const pictures = Array.from(doc.images);
        const missing = pictures.filter((img) => !img.complete || img.naturalWidth === 0);
        lines.push([name, root.scrollWidth, root.clientWidth, root.scrollHeight,
                    pictures.length, missing.length].join(" "));
    }
    document.getElementById("result").textContent = "\n" + lines.join("\n") + "\n";
});
</script>
</body></html>
EOF
} >"$work/all.html"

run_browser --dump-dom "file://$work/all.html" >"$work/dom.html" || {
    cat "$work/browser.log"
    echo "chromium failed on the wrapper page"
    exit 1
}
measures=$(sed -n '/<pre id="result">/,/<\/pre>/p' "$work/dom.html" | grep -E '^[^< ]+ [0-9]+ ' || true)
expected=$((${#pages[@]} * ${#widths[@]}))
if (($(grep -c . <<<"$measures") != expected)); then
    echo "the browser reported no measures for some pages:"
    sed -n '/<pre id="result">/,/<\/pre>/p' "$work/dom.html"
    exit 1
fi

failures=0
while read -r page width scroll client height pictures missing; do
    if [[ $scroll == unreadable ]]; then
        echo "$page at $width px: the wrapper page could not read it"
        failures=$((failures + 1))
        continue
    fi
    line="$page at $width px: $scroll px wide in a $client px window, $pictures pictures"
    if ((scroll > client)); then
        line+=" — WIDER THAN THE WINDOW"
        failures=$((failures + 1))
    fi
    # Every page shows at least one picture; none at all means they were not found.
    if ((pictures == 0)); then
        line+=" — NO PICTURES"
        failures=$((failures + 1))
    elif ((missing > 0)); then
        line+=" — $missing NOT LOADED"
        failures=$((failures + 1))
    fi
    echo "$line"
    if [[ -n $shots ]]; then
        mkdir -p "$shots"
        # A window as tall as the page; the frame keeps the width when Chromium's is larger.
        printf '<!DOCTYPE html><html><body style="margin:0;background:#888">%s%s</body></html>\n' \
            "<iframe style=\"display:block;border:0;width:${width}px;height:${height}px\"" \
            " src=\"file://$dir/$page\"></iframe>" >"$work/shot.html"
        run_browser --hide-scrollbars --window-size="$((width < 500 ? 500 : width)),$height" \
            --screenshot="$shots/${page%.html}-$width.png" "file://$work/shot.html" >/dev/null
    fi
done <<<"$measures"

((failures == 0)) || exit 1
echo "${#pages[@]} help pages fit their window at ${widths[*]} px and show all their pictures"
