"""Writes the folder for a static web host: the page as index.html, the web app manifest,
the icons the asset generator drew and the service worker, named after this build.

    python3 make_site.py SITE.html WEB_DIR ICON_DIR OUT_DIR [--screenshots DIR]

With --screenshots, the PNGs of DIR go into OUT_DIR/screenshots/, where the AppStream
metadata's screenshot addresses point.
"""
import hashlib
import os
import shutil
import sys

from png_pack import packed_png

ICONS = ["icon-32.png", "icon-192.png", "icon-512.png"]


def copy_screenshots(shot_dir, out_dir):
    """The screenshots are not part of the page: the service worker's version leaves them out."""
    names = sorted(n for n in os.listdir(shot_dir) if n.endswith(".png"))
    if not names:
        sys.exit(f"{shot_dir}: no screenshots (a host build's zarvo_screenshots takes them)")
    os.makedirs(out_dir, exist_ok=True)
    for name in names:
        with open(os.path.join(out_dir, name), "wb") as out:
            out.write(packed_png(open(os.path.join(shot_dir, name), "rb").read()))


def main():
    if len(sys.argv) not in (5, 7) or (len(sys.argv) == 7 and sys.argv[5] != "--screenshots"):
        sys.exit("usage: make_site.py SITE.html WEB_DIR ICON_DIR OUT_DIR [--screenshots DIR]")
    page_path, web_dir, icon_dir, out_dir = sys.argv[1:5]
    os.makedirs(out_dir, exist_ok=True)
    version = hashlib.sha256()
    shutil.copyfile(page_path, os.path.join(out_dir, "index.html"))
    shutil.copyfile(os.path.join(web_dir, "manifest.webmanifest"),
                    os.path.join(out_dir, "manifest.webmanifest"))
    for name in ["index.html", "manifest.webmanifest"]:
        version.update(open(os.path.join(out_dir, name), "rb").read())
    for name in ICONS:
        source = os.path.join(icon_dir, name)
        if not os.path.isfile(source):
            sys.exit(f"{source}: missing (zarvo_assetgen --web-icons draws it)")
        icon = packed_png(open(source, "rb").read())
        with open(os.path.join(out_dir, name), "wb") as out:
            out.write(icon)
        version.update(icon)
    if len(sys.argv) == 7:
        copy_screenshots(sys.argv[6], os.path.join(out_dir, "screenshots"))
    worker = open(os.path.join(web_dir, "sw.js"), encoding="utf-8").read()
    marker = "/*ZARVO_VERSION*/"
    if worker.count(marker) != 1:
        sys.exit(f"sw.js: expected one {marker}")
    with open(os.path.join(out_dir, "sw.js"), "w", encoding="utf-8") as out:
        out.write(worker.replace(marker, version.hexdigest()[:16]))


main()
