#!/usr/bin/env python3
"""Writes a PostScript document of about N megabytes to standard output:
pages of text and path drawing with the line lengths of real driver output,
and every hook line the filter looks for.
  make_postscript.py [MB] [short]
"short" gives pages of short lines only (about 70 bytes, as generated
PostScript mostly has), the hardest case for a line scanner."""
import sys

size = int(sys.argv[1]) * 1_000_000 if len(sys.argv) > 1 else 100_000_000
short = len(sys.argv) > 2 and sys.argv[2] == "short"
out = sys.stdout.buffer
head = (b"%!PS-Adobe-3.0\n%%Creator: bench\n%%EndComments\n%%BeginProlog\n"
        b"/bp { gsave } bind def\n/ep { grestore showpage } bind def\n%%EndProlog\n"
        b"%%BeginSetup\n%%EndSetup\n")
out.write(head)
page_body = []
for i in range(60):
    page_body.append(b"%d %d moveto (Line %d of a page of body text in a realistic font size) show" % (72, 720 - i * 11, i))
    page_body.append(b"newpath %d %d moveto %d %d lineto %d %d lineto closepath 0.2 setgray fill" % (i, i * 2, i + 40, i * 2, i + 20, i * 2 + 30))
page = b"\n".join(page_body) + b"\n"
if not short:
    # An image row: long hex lines as image data travel.
    page += (b"0123456789ABCDEF" * 16 + b"\n") * 40
written = len(head)
n = 0
while written < size:
    n += 1
    chunk = (b"%%%%Page: %d %d\n%%%%BeginPageSetup\n%%%%EndPageSetup\nbp\n" % (n, n)) + page + b"ep\n"
    out.write(chunk)
    written += len(chunk)
out.write(b"%%Trailer\n%%EOF\n")
