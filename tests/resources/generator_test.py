"""The resources generator puts a bundle's resources together anew each time,
from the hand-written folder and the module, and refuses a file that is both.

    generator_test.py PATH/TO/generate.py
"""
import os
import subprocess
import sys
import tempfile
import unittest

GENERATE = None


def tree(folder):
    """Every file below folder: relative path -> content."""
    files = {}
    for top, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(top, name)
            with open(path, "rb") as f:
                files[os.path.relpath(path, folder)] = f.read()
    return files


def put(folder, files):
    for rel, data in files.items():
        os.makedirs(os.path.dirname(os.path.join(folder, rel)), exist_ok=True)
        with open(os.path.join(folder, rel), "wb") as f:
            f.write(data)


class Generator(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.hand = os.path.join(self.dir.name, "hand")
        self.out = os.path.join(self.dir.name, "out")

    def tearDown(self):
        self.dir.cleanup()

    def generate(self, *args):
        return subprocess.run([sys.executable, "-B", GENERATE, "--out", self.out, "--hand-written", self.hand, *args],
                              capture_output=True, text=True)

    def test_output_is_made_anew_from_the_hand_written_files_and_the_module(self):
        hand = {"Info.json": b'{"CFBundleIdentifier": "x"}\n', "Resources/ZQSpecialPages_Default00.nib": b"\x00nib\xff",
                "Resources/Help/Main.htm": b"<html></html>", "README.md": b"# not a resource"}
        put(self.hand, hand)
        put(self.out, {"Resources/Stale.nib": b"from an earlier build"})
        r = self.generate("--module", "specialpages.ark")
        self.assertEqual(r.returncode, 0, r.stderr)
        out = tree(self.out)
        for rel, data in hand.items():
            if rel != "README.md":
                self.assertEqual(out.pop(rel), data, rel)
        self.assertNotIn("README.md", out)
        self.assertNotIn("Resources/Stale.nib", out)
        # What is left is the module's, and only below Resources/.
        self.assertIn("Resources/ZQSpecialPagesWindows.nib", out)
        self.assertTrue(all(rel.startswith("Resources/") for rel in out), sorted(out))

        # Without the module only the hand-written files stay.
        r = self.generate()
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertEqual(sorted(tree(self.out)), sorted(k for k in hand if k != "README.md"))

    def test_a_file_both_written_by_hand_and_generated_stops_it(self):
        put(self.hand, {"Resources/Localizable.strings": b"{}", "Resources/AlertIcon.png": b"png"})
        put(self.out, {"Resources/Earlier.nib": b"kept"})
        r = self.generate("--module", "specialpages.ark")
        self.assertNotEqual(r.returncode, 0)
        self.assertIn("Resources/AlertIcon.png, Resources/Localizable.strings", r.stderr)
        # Nothing was written over.
        self.assertEqual(tree(self.out), {"Resources/Earlier.nib": b"kept"})


if __name__ == "__main__":
    GENERATE = sys.argv.pop(1)
    unittest.main()
