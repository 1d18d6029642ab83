"""Puts the compiled program (zarvo.js, the WebAssembly inside it) into the page, so that the
page is one file that plays from disk or from any static host. The WebAssembly goes in packed
(gzip): the page is less than half the size it would be, and the browser unpacks it in a few
milliseconds at start.

    python3 inline_page.py PAGE.html zarvo.js OUT.html [--favicon ICON.png] [--site]

--favicon puts the icon into the page as a data address (no request for /favicon.ico);
--site links the web app manifest that make_site.py writes next to the page.
"""
import argparse
import base64
import gzip
import re
import sys

from png_pack import packed_png

SITE_HEAD = ('<link rel="manifest" href="manifest.webmanifest">\n'
             '<link rel="apple-touch-icon" href="icon-192.png">')


def replace_once(page, marker, text, path):
    if page.count(marker) != 1:
        sys.exit(f"{path}: expected one {marker}")
    return page.replace(marker, text)


WASM_URI = "data:application/octet-stream;base64,"

# Emscripten asks Module.instantiateWasm for the program when it is given; this one unpacks
# the packed bytes with the browser's own DecompressionStream. (Not through a fetch of a data
# address: a page whose rules forbid fetches, or Chromium's --virtual-time-budget screenshots,
# would never start.) A browser that cannot unpack says so on the page instead of leaving the
# progress bar standing.
UNPACK = """Module.instantiateWasm = function (imports, receive) {
  Promise.resolve("%s").then(function (base64) {
    var text = atob(base64), packed = new Uint8Array(text.length);
    for (var i = 0; i < text.length; ++i) packed[i] = text.charCodeAt(i);
    var stream = new Blob([packed]).stream().pipeThrough(new DecompressionStream("gzip"));
    return new Response(stream).arrayBuffer();
  }).then(function (bytes) {
    return WebAssembly.instantiate(bytes, imports);
  }).then(function (made) {
    receive(made.instance, made.module);
  }, function (error) {
    var note = document.querySelector("#loading > div:last-child");
    if (note) note.textContent = "This browser cannot start the game: " + error;
    console.error("Zarvo cannot start: " + error);
  });
  return {};
};
"""


def packed_script(script, path):
    """The script with its WebAssembly taken out, packed, and unpacked by UNPACK."""
    found = re.findall(re.escape(WASM_URI) + r"([A-Za-z0-9+/=]+)", script)
    if len(found) != 1:
        sys.exit(f"{path}: expected the WebAssembly once as a data address (-sSINGLE_FILE=1)")
    wasm = base64.b64decode(found[0])
    packed = base64.b64encode(gzip.compress(wasm, 9, mtime=0)).decode()
    return (UNPACK % packed +
            script.replace(WASM_URI + found[0], WASM_URI))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("page")
    parser.add_argument("script")
    parser.add_argument("out")
    parser.add_argument("--favicon")
    parser.add_argument("--site", action="store_true")
    args = parser.parse_args()

    page = open(args.page, encoding="utf-8").read()
    script = open(args.script, encoding="utf-8").read().replace("</script", "<\\/script")
    script = packed_script(script, args.script)
    icon = "data:,"
    if args.favicon:
        with open(args.favicon, "rb") as f:
            icon = "data:image/png;base64," + base64.b64encode(packed_png(f.read())).decode()
    page = replace_once(page, "/*ZARVO_FAVICON*/", icon, args.page)
    page = replace_once(page, "<!--ZARVO_SITE_HEAD-->", SITE_HEAD if args.site else "",
                        args.page)
    page = replace_once(page, "/*ZARVO_SCRIPT*/", script, args.page)
    with open(args.out, "w", encoding="utf-8") as out:
        out.write(page)


main()
