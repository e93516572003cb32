#!/usr/bin/env bash
# The user guide in a real browser: headless Chromium (Debian's chromium)
# opens every page of the guide in a frame of a test page made here and
# fails on an image that did not load (or loaded with no pixels), a link to
# a file that does not open, or a #fragment with no such id on its page.
# With --shots DIR it also saves a screenshot of each page there.
# Skipped (77) without chromium.
# Usage: check_help_chromium.sh [HELP_DIR (data/help)] [--shots DIR]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
help=$(cd "${1:-$here/../data/help}" && pwd) || exit 2
shots=
[ "${2:-}" = --shots ] && shots=${3:?--shots needs a folder}
browser=$(command -v chromium || command -v chromium-browser) ||
  { echo "chromium is not installed (Debian package chromium): skipped"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pages=()
for page in "$help"/*.html; do pages+=("\"$(basename "$page")\""); done
# The test page: each guide page in turn in a frame; what is broken goes into
# the test page's own text, which --dump-dom prints.
cat >"$work/check.html" <<HTML
<!DOCTYPE html><html><head><meta charset="utf-8"></head><body><pre id="out">running</pre>
<iframe id="f" style="width:1000px;height:800px"></iframe>
<script>
const base = "file://$help/";
const pages = [$(IFS=,; echo "${pages[*]}")];
const problems = [];
let checked = 0;
function load(frame, url) {
  return new Promise(done => { frame.onload = () => done(); frame.src = url; });
}
function opens(url) {
  return new Promise(done => {
    const request = new XMLHttpRequest();
    request.onload = () => done(request.responseText);
    request.onerror = () => done(null);
    try { request.open("GET", url); request.send(); } catch (e) { done(null); }
  });
}
async function run() {
  const frame = document.getElementById("f");
  for (const page of pages) {
    await load(frame, base + page);
    const doc = frame.contentDocument;
    if (!doc || !doc.body) { problems.push(page + ": the page did not open"); continue; }
    const images = Array.from(doc.images);
    await Promise.all(images.map(img => img.complete ? null : new Promise(d => { img.onload = img.onerror = d; })));
    for (const img of images) {
      checked++;
      if (!img.complete || img.naturalWidth === 0) problems.push(page + ": image " + img.getAttribute("src") + " did not load");
    }
    for (const a of Array.from(doc.querySelectorAll("a[href]"))) {
      checked++;
      const url = new URL(a.getAttribute("href"), base + page);
      const file = url.href.split("#")[0];
      const text = await opens(file);
      if (text === null) { problems.push(page + ": link " + a.getAttribute("href") + " does not open"); continue; }
      if (url.hash) {
        const target = new DOMParser().parseFromString(text, "text/html");
        if (!target.getElementById(decodeURIComponent(url.hash.slice(1))))
          problems.push(page + ": link " + a.getAttribute("href") + " names no id of its page");
      }
    }
  }
  document.getElementById("out").textContent =
    "RESULT " + pages.length + " pages, " + checked + " images and links\\n" + problems.map(p => "PROBLEM " + p).join("\\n");
}
run();
</script></body></html>
HTML

flags=(--headless --no-sandbox --disable-gpu --allow-file-access-from-files --no-first-run --disable-extensions
  --user-data-dir="$work/profile")
out=$(timeout 120 "$browser" "${flags[@]}" --virtual-time-budget=30000 --dump-dom "file://$work/check.html" 2>"$work/chromium.log")
result=$(grep -E '^(RESULT|PROBLEM)' <<<"$(sed 's/<[^>]*>/\n/g' <<<"$out")")
if ! grep -q '^RESULT' <<<"$result"; then
  echo "FAIL: chromium gave no result"; tail -5 "$work/chromium.log"; exit 1
fi
printf '%s\n' "$result"
if [ -n "$shots" ]; then
  mkdir -p "$shots"
  for page in "$help"/*.html; do
    name=$(basename "$page" .html)
    timeout 60 "$browser" "${flags[@]}" --hide-scrollbars --window-size=1000,2400 \
      --screenshot="$shots/$name.png" "file://$page" >/dev/null 2>&1 && echo "screenshot: $shots/$name.png"
  done
fi
grep -q '^PROBLEM' <<<"$result" && exit 1
exit 0
