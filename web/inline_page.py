"""Puts the compiled program (zarvo.js, the WebAssembly inside it) into the page, so that the
page is one file that plays from disk or from any static host.

    python3 inline_page.py PAGE.html zarvo.js OUT.html [--favicon ICON.png] [--site]

--favicon puts the icon into the page as a data address (no request for /favicon.ico);
--site links the web app manifest that make_site.py writes next to the page.
"""
import argparse
import base64
import sys

from png_pack import packed_png

SITE_HEAD = ('<link rel="manifest" href="manifest.webmanifest">\n'
             '<link rel="apple-touch-icon" href="icon-192.png">')


def replace_once(page, marker, text, path):
    if page.count(marker) != 1:
        sys.exit(f"{path}: expected one {marker}")
    return page.replace(marker, text)


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
