"""Puts the compiled program (zarvo.js, the WebAssembly inside it) into the page, so that the
page is one file that plays from disk or from any static host.

    python3 inline_page.py PAGE.html zarvo.js OUT.html
"""
import sys

page_path, script_path, out_path = sys.argv[1:4]
page = open(page_path, encoding="utf-8").read()
script = open(script_path, encoding="utf-8").read().replace("</script", "<\\/script")
marker = "/*ZARVO_SCRIPT*/"
if page.count(marker) != 1:
    sys.exit(f"{page_path}: expected one {marker}")
with open(out_path, "w", encoding="utf-8") as out:
    out.write(page.replace(marker, script))
