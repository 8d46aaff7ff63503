"""As a new user would: build the wheels with scripts/package-python, install
the Linux one (and the source directory) into a fresh virtual environment
outside the source tree, and run the README's Python example there, with
nothing but the bundled library to load."""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
sys.path.insert(0, os.path.join(HERE, ".."))

from kodownik import _library  # noqa: E402

# A Python with venv and pip, and setuptools plus its wheel command seen
# from a --system-site-packages environment (Debian's, as a rule).
CHECK = ("import ensurepip, venv, setuptools\ntry:\n import setuptools.command.bdist_wheel\n"
         "except ImportError:\n import wheel.bdist_wheel\n")


def python():
    for p in ("/usr/bin/python3", shutil.which("python3"), sys.executable):
        if p and subprocess.run([p, "-c", CHECK], capture_output=True).returncode == 0:
            return p
    return None


def readme_example():
    with open(os.path.join(ROOT, "README.md"), encoding="utf-8") as f:
        text = f.read()
    m = re.search(r"<!-- python-example:[^>]*-->\n```pycon\n(.*?)```", text, re.S)
    return m.group(1) if m else None


def exports(dll):
    """The names a PE file exports, by objdump."""
    for tool in ("i686-w64-mingw32-objdump", "x86_64-w64-mingw32-objdump", "objdump"):
        if shutil.which(tool):
            out = subprocess.run([tool, "-p", dll], capture_output=True, text=True).stdout
            table = out.split("[Ordinal/Name Pointer] Table")[-1]
            names = set(re.findall(r"^\s*\[\s*\d+\]\s+(\S+)", table, re.M))
            if names:
                return names
    return None


class Wheel(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp(prefix="kodownik-wheel-")
        cls.dist = os.path.join(cls.tmp, "dist")
        cls.python = python()

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp, ignore_errors=True)

    def run_checked(self, args, **kw):
        r = subprocess.run(args, capture_output=True, text=True, **kw)
        self.assertEqual(r.returncode, 0, "%s\n%s%s" % (" ".join(args), r.stdout, r.stderr))
        return r.stdout

    def assert_editions(self, z, editions):
        """The wheel states its editions in its description and beside its library."""
        self.assertEqual(z.read("kodownik/_lib/EDITIONS").decode("ascii"), editions + "\n", z.filename)
        summary = re.search(r"^Summary: (.*)$", z.read("kodownik-1.0.0.dist-info/METADATA").decode(), re.M)
        self.assertIsNotNone(summary, z.filename)
        self.assertIn("; %s editions" % editions, summary.group(1))

    def test_a_wheel_of_the_current_editions_says_so(self):
        self.assertIsNotNone(self.python, "no python3 with venv, pip, setuptools and wheel (scripts/install-deps)")
        current = os.environ.get("KODOWNIK_CURRENT_BUILD", os.path.join(ROOT, "build", "editions-current"))
        lib = os.path.join(current, "libKodownik_W.so")
        if not os.path.isfile(lib):
            self.skipTest("no current editions build at %s" % current)
        dist = os.path.join(self.tmp, "dist-current")
        out = self.run_checked(["bash", os.path.join(ROOT, "scripts", "package-python"), "--editions", "current",
                                "--native", current, "--out", dist, "--windows", "/nonexistent",
                                "--windows-x64", "/nonexistent"])
        self.assertEqual(sorted(os.listdir(dist)), ["kodownik-1.0.0-py3-none-linux_x86_64.whl"], out)
        with zipfile.ZipFile(os.path.join(dist, "kodownik-1.0.0-py3-none-linux_x86_64.whl")) as z:
            self.assert_editions(z, "current")
            with open(lib, "rb") as f:
                self.assertEqual(z.read("kodownik/_lib/libKodownik_W.so"), f.read())
        r = subprocess.run(["bash", os.path.join(ROOT, "scripts", "package-python"), "--editions", "latest",
                            "--out", dist], capture_output=True, text=True)
        self.assertEqual(r.returncode, 2)
        self.assertIn("expected snapshot or current", r.stderr)

    def test_build_install_and_run_the_readme_example(self):
        self.assertIsNotNone(self.python, "no python3 with venv, pip, setuptools and wheel (scripts/install-deps)")
        example = readme_example()
        self.assertIsNotNone(example, "README.md has no Python example")
        native = os.environ.get("KODOWNIK_NATIVE_BUILD", os.path.join(ROOT, "build", "native"))
        out = self.run_checked(["bash", os.path.join(ROOT, "scripts", "package-python"), "--out", self.dist,
                                "--native", native])
        wheels = sorted(os.listdir(self.dist))
        linux = "kodownik-1.0.0-py3-none-linux_x86_64.whl"
        self.assertIn(linux, wheels, out)

        # What each wheel holds: the same Python files, its platform's library.
        want_lib = {"linux_x86_64": "libKodownik_W.so", "win32": "Kodownik_W.dll", "win_amd64": "Kodownik_W.dll"}
        for w in wheels:
            platform = w[len("kodownik-1.0.0-py3-none-"):-len(".whl")]
            with zipfile.ZipFile(os.path.join(self.dist, w)) as z:
                names = set(z.namelist())
                self.assertIn("kodownik/py.typed", names)
                self.assertIn("kodownik/native.py", names)
                self.assertEqual({n for n in names if n.startswith("kodownik/_lib/")},
                                 {"kodownik/_lib/" + want_lib[platform], "kodownik/_lib/EDITIONS"}, w)
                self.assert_editions(z, "snapshot")
                self.assertIn("Tag: py3-none-" + platform, z.read("kodownik-1.0.0.dist-info/WHEEL").decode())
                if platform.startswith("win"):
                    dll = os.path.join(self.tmp, platform + ".dll")
                    with open(dll, "wb") as f:
                        f.write(z.read("kodownik/_lib/Kodownik_W.dll"))
                    names = exports(dll)
                    if names is not None:
                        for export in _library.PROTOTYPES:
                            candidates = _library.DECORATED.get(export, [export])
                            self.assertTrue(names & set(candidates), "%s: %s" % (w, export))

        env_dir = os.path.join(self.tmp, "env")
        self.run_checked([self.python, "-m", "venv", "--system-site-packages", env_dir])
        py = os.path.join(env_dir, "bin", "python")
        clean = {k: v for k, v in os.environ.items() if k not in ("KODOWNIK_LIBRARY", "PYTHONPATH", "PYTHONHOME")}
        pip = [py, "-m", "pip", "install", "--disable-pip-version-check", "--no-index", "--no-deps", "-q"]

        # pip install --no-build-isolation of the source directory works too
        src = os.path.join(self.tmp, "src")
        shutil.copytree(os.path.join(ROOT, "python"), src,
                        ignore=shutil.ignore_patterns("__pycache__", "build", "*.egg-info", "tests"))
        self.run_checked(pip + ["--no-build-isolation", src],
                         env=dict(clean, KODOWNIK_WHEEL_LIBRARIES=os.path.join(native, "libKodownik_W.so")),
                         cwd=self.tmp)
        self.run_checked(pip + ["--force-reinstall", os.path.join(self.dist, linux)], env=clean, cwd=self.tmp)

        # Outside the source tree: the bundled library answers, before any
        # KODOWNIK_LIBRARY.
        where = self.run_checked([py, "-c", "import kodownik; print(kodownik.__file__); print(kodownik.library_path()); "
                                  "print(kodownik.EDITIONS)"],
                                 env=dict(clean, KODOWNIK_LIBRARY="/nonexistent/libKodownik_W.so"),
                                 cwd=self.tmp).split()
        site = os.path.join(env_dir, "lib")
        self.assertTrue(where[0].startswith(site), where)
        self.assertEqual(where[1], os.path.join(os.path.dirname(where[0]), "_lib", "libKodownik_W.so"))
        self.assertEqual(where[2], "snapshot")

        path = os.path.join(self.tmp, "example.txt")
        with open(path, "w", encoding="utf-8") as f:
            f.write(example)
        out = self.run_checked([py, "-c", "import doctest, sys\n"
                                "r = doctest.testfile(sys.argv[1], module_relative=False)\n"
                                "print(r.attempted, 'examples')\nsys.exit(1 if r.failed or not r.attempted else 0)",
                                path], env=clean, cwd=self.tmp)
        self.assertRegex(out, r"^\d+ examples")


if __name__ == "__main__":
    unittest.main()
