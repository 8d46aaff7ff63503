"""Builds the kodownik wheel with the Kodownik_W library inside.

The library to bundle: the files in $KODOWNIK_WHEEL_LIBRARIES (separated by
os.pathsep), else $KODOWNIK_LIBRARY, else ../build/native/libKodownik_W.so of
this source tree. The wheel's platform tag: $KODOWNIK_WHEEL_PLATFORM (win32,
win_amd64), else this machine's (linux_x86_64). The Python code is the same
for every platform; only the bundled library differs.

The editions of the code lists that library carries:
$KODOWNIK_WHEEL_EDITIONS, `snapshot` (the default) or `current`. The value
goes into the package's description and into _lib/EDITIONS beside the
library, which kodownik.EDITIONS reads.
"""

import os
import shutil
import sysconfig

from setuptools import setup
from setuptools.command.build_py import build_py

try:  # setuptools 70.1 and later carry the wheel command themselves
    from setuptools.command.bdist_wheel import bdist_wheel
except ImportError:
    try:
        from wheel.bdist_wheel import bdist_wheel
    except ImportError:  # no wheel command: plain setuptools builds still work
        bdist_wheel = None

HERE = os.path.dirname(os.path.abspath(__file__))
DESCRIPTION = "The code dictionaries and validation rules of Polish social-insurance (ZUS) declarations"
EDITIONS_TEXT = {
    "snapshot": "snapshot editions (the reference code lists)",
    "current": "current editions (the code lists followed by date to 2026)",
}


def editions():
    value = os.environ.get("KODOWNIK_WHEEL_EDITIONS") or "snapshot"
    if value not in EDITIONS_TEXT:
        raise SystemExit("kodownik: KODOWNIK_WHEEL_EDITIONS is %r; expected snapshot or current" % value)
    return value


def libraries():
    listed = os.environ.get("KODOWNIK_WHEEL_LIBRARIES")
    if listed:
        files = [f for f in listed.split(os.pathsep) if f]
    elif os.environ.get("KODOWNIK_LIBRARY"):
        files = [os.environ["KODOWNIK_LIBRARY"]]
    else:
        files = [os.path.join(HERE, "..", "build", "native", "libKodownik_W.so")]
    missing = [f for f in files if not os.path.isfile(f)]
    if missing:
        raise SystemExit("kodownik: no library to bundle at %s; build it first (cmake --build build/native "
                         "--target Kodownik_W) or set KODOWNIK_WHEEL_LIBRARIES" % ", ".join(missing))
    return files


def bundled_name(path):
    """The name the package looks for: libKodownik_W.so.1.0.0 is bundled as
    libKodownik_W.so; DLLs keep theirs."""
    name = os.path.basename(path)
    return "libKodownik_W.so" if name.startswith("libKodownik_W.so") else name


class BuildWithLibrary(build_py):
    def run(self):
        super().run()
        target = os.path.join(self.build_lib, "kodownik", "_lib")
        if os.path.isdir(target):
            shutil.rmtree(target)
        os.makedirs(target)
        for f in libraries():
            shutil.copyfile(f, os.path.join(target, bundled_name(f)))  # follows links
        with open(os.path.join(target, "EDITIONS"), "w", encoding="ascii") as f:
            f.write(editions() + "\n")


cmdclass = {"build_py": BuildWithLibrary}

if bdist_wheel is not None:
    class PlatformWheel(bdist_wheel):
        """A wheel for any Python 3 on one platform (ctypes, no extension)."""

        def get_tag(self):
            platform = os.environ.get("KODOWNIK_WHEEL_PLATFORM") or sysconfig.get_platform()
            return "py3", "none", platform.replace("-", "_").replace(".", "_")

    cmdclass["bdist_wheel"] = PlatformWheel

setup(cmdclass=cmdclass, description="%s; %s" % (DESCRIPTION, EDITIONS_TEXT[editions()]))
