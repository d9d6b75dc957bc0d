"""The picture recipes of the docs run as written and keep docs/images true.

    pictures_test.py SOURCE_DIR BUILD_DIR

A recipe is a fenced block of README.md or docs/*.md that runs a sample
script whose `snapshot` lines write into docs/images/. Each block runs in a
folder of its own laid out like the checkout (ppd/ and samples/ of the
source, build/ the build under test), so what it writes stays there. It must
end with status 0 and leave exactly the pictures its scripts name; together
the recipes must make every picture of docs/images, and every picture must
be named by a doc.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

SOURCE, BUILD = sys.argv[1], sys.argv[2]
IMAGES = os.path.join(SOURCE, "docs", "images")
# The administrator's dialog shows only to a member of the administrators'
# group; the check runs it as such a user in a private mount namespace.
NEEDS_ADMIN = {"samples/jobaccount-admin.script"}
ADMIN = "zq-pictures-admin"


def docs():
    names = ["README.md"] + ["docs/" + n for n in sorted(os.listdir(os.path.join(SOURCE, "docs"))) if n.endswith(".md")]
    return {n: open(os.path.join(SOURCE, n), encoding="utf-8").read() for n in names}


def pictures_of(script):
    """The docs/images pictures a sample script draws."""
    text = open(os.path.join(SOURCE, script), encoding="utf-8").read()
    return set(re.findall(r"^snapshot \S+ docs/images/(\S+\.png)\s*$", text, re.M))


def recipes(texts):
    """(doc, block, scripts) of every fenced block that runs a picture script."""
    found = []
    for doc, text in texts.items():
        for block in re.findall(r"^```[^\n]*\n(.*?)^```", text, re.M | re.S):
            scripts = [s for s in re.findall(r"--script (samples/\S+)", block) if pictures_of(s)]
            if scripts:
                found.append((doc, block, scripts))
    return found


def admin_wrapper(work):
    """The command prefix that runs as a member of "admin", or None."""
    if os.geteuid() != 0 or not shutil.which("unshare") or not shutil.which("setpriv"):
        return None
    with open(os.path.join(work, "passwd"), "w") as f:
        f.write("root:x:0:0:root:/root:/bin/sh\nnobody:x:65534:65534::/nonexistent:/usr/sbin/nologin\n"
                f"{ADMIN}:x:64111:65534::/nonexistent:/usr/sbin/nologin\n")
    with open(os.path.join(work, "group"), "w") as f:
        f.write(f"root:x:0:\nnogroup:x:65534:\nadmin:x:64112:{ADMIN}\n")
    prefix = ["unshare", "--mount", "--propagation", "private", "sh", "-c",
              'mount --bind "$1" /etc/passwd && mount --bind "$2" /etc/group && shift 2 && exec "$@"', "zq",
              os.path.join(work, "passwd"), os.path.join(work, "group"),
              "setpriv", f"--reuid={ADMIN}", "--regid=nogroup", "--init-groups"]
    if subprocess.run(prefix + ["true"], capture_output=True).returncode != 0:
        return None
    return prefix


def run(block, work, prefix):
    os.makedirs(os.path.join(work, "docs", "images"))
    os.makedirs(os.path.join(work, "tmp"))
    for name in ("ppd", "samples"):
        os.symlink(os.path.join(SOURCE, name), os.path.join(work, name))
    os.symlink(BUILD, os.path.join(work, "build"))
    if prefix:
        for top, dirs, _ in os.walk(work):
            for d in dirs:
                os.chmod(os.path.join(top, d), 0o1777)
        os.chmod(work, 0o1777)
    env = dict(os.environ, HOME=work, TMPDIR=os.path.join(work, "tmp"),
               ZQ_ROOT=os.path.join(work, "tmp"), ZQ_PREFS_DIR=os.path.join(work, "tmp"))
    done = subprocess.run((prefix or []) + ["bash", "-euo", "pipefail", "-c", block], cwd=work, env=env,
                          capture_output=True, text=True, timeout=240)
    return done, set(os.listdir(os.path.join(work, "docs", "images")))


def main():
    texts = docs()
    failures, made = [], set()
    with tempfile.TemporaryDirectory() as top:
        os.chmod(top, 0o755)
        prefix = admin_wrapper(top)
        for i, (doc, block, scripts) in enumerate(recipes(texts)):
            wanted = set().union(*(pictures_of(s) for s in scripts))
            made |= wanted
            admin = any(s in NEEDS_ADMIN for s in scripts)
            if admin and prefix is None:
                print(f"skipped: {doc}: {' '.join(scripts)} needs an administrator (root and a mount namespace)")
                continue
            done, written = run(block, os.path.join(top, str(i)), prefix if admin else None)
            print(f"{doc}: {' '.join(scripts)}: status {done.returncode}, {len(written)} pictures")
            if done.returncode != 0:
                failures.append(f"{doc}: the recipe of {scripts} ended with {done.returncode}:\n{done.stderr[-2000:]}")
            if written != wanted:
                failures.append(f"{doc}: {scripts} wrote {sorted(written - wanted)} beyond its pictures and "
                                f"missed {sorted(wanted - written)}")
    committed = {n for n in os.listdir(IMAGES) if n.endswith(".png")}
    if committed - made:
        failures.append(f"pictures no recipe makes: {sorted(committed - made)}")
    if made - committed:
        failures.append(f"pictures the recipes make that docs/images lacks: {sorted(made - committed)}")
    alltext = "\n".join(texts.values())
    unnamed = sorted(n for n in committed if n not in alltext)
    if unnamed:
        failures.append(f"pictures no doc names: {unnamed}")
    shown = set(re.findall(r"\]\((?:docs/)?images/([^)]+)\)", alltext))
    if shown - committed:
        failures.append(f"pictures the docs show that docs/images lacks: {sorted(shown - committed)}")
    for f in failures:
        print("FAIL", f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
