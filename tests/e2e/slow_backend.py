#!/usr/bin/env python3
"""A CUPS backend for tests: copies the job stream into the file named by
its device URI ("zqslow:/path"), slowly, so a job can be caught while it is
still printing."""
import os
import sys
import time

if len(sys.argv) == 1:
    print('direct zqslow "Unknown" "Slow file device for tests"')
    sys.exit(0)
path = os.environ.get("DEVICE_URI", "zqslow:/dev/null").split(":", 1)[1]
source = open(sys.argv[6], "rb") if len(sys.argv) > 6 else sys.stdin.buffer
with open(path, "ab") as out:
    while True:
        chunk = source.read(16384)
        if not chunk:
            break
        out.write(chunk)
        out.flush()
        time.sleep(0.05)
sys.exit(0)
