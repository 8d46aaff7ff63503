"""Finding and loading the Kodownik_W library, and the ctypes records.

The library is looked for, in this order:

1. bundled with the package (``kodownik/_lib``, where a wheel puts it);
2. the path in the environment variable ``KODOWNIK_LIBRARY``;
3. the source tree this package sits in (``build/native``);
4. the system's library path (``libKodownik_W.so.1``, ``Kodownik_W.dll``).
"""

import ctypes
import os
import sys
import threading
from typing import List, Optional

__all__ = ["KodownikError", "library_path", "candidates", "load"]

_HERE = os.path.dirname(os.path.abspath(__file__))
_WINDOWS = sys.platform == "win32"
_FILE = "Kodownik_W.dll" if _WINDOWS else "libKodownik_W.so"
_SYSTEM = "Kodownik_W.dll" if _WINDOWS else "libKodownik_W.so.1"


class KodownikError(RuntimeError):
    """The library could not be loaded, or lacks an export."""


class _Entry(ctypes.Structure):
    """``_stOpisOkresu``: one edition of a code."""
    _fields_ = [("description", ctypes.c_void_p), ("valid_from", ctypes.c_int), ("valid_to", ctypes.c_int),
                ("attribute", ctypes.c_uint16), ("short_text", ctypes.c_void_p)]


class _Slot(ctypes.Structure):
    """``_stOpisKodu``: one slot of a trie node (a node is ten of them)."""


_Slot._fields_ = [("count", ctypes.c_uint16), ("entries", ctypes.POINTER(_Entry)), ("child", ctypes.POINTER(_Slot))]


class _KodMsg(ctypes.Structure):
    """``_stKodMsg``: one entry of a message dictionary."""
    _fields_ = [("code", ctypes.c_void_p), ("message", ctypes.c_void_p), ("reserved", ctypes.c_int),
                ("selectable", ctypes.c_short)]


class _SlownikMsg(ctypes.Structure):
    """``_stSlownikMsg``: a message dictionary (W layout)."""
    _fields_ = [("count", ctypes.c_int), ("name", ctypes.c_uint16 * 80), ("entries", ctypes.POINTER(_KodMsg))]


def candidates() -> List[str]:
    """The places the library is looked for, in order (only existing files,
    then the system name)."""
    found = []
    bundled = os.path.join(_HERE, "_lib", _FILE)
    if os.path.isfile(bundled):
        found.append(bundled)
    env = os.environ.get("KODOWNIK_LIBRARY")
    if env:
        found.append(env)
    tree = os.path.normpath(os.path.join(_HERE, "..", "..", "build", "native", _FILE))
    if os.path.isfile(tree):
        found.append(tree)
    found.append(_SYSTEM)
    return found


_lib = None
_lib_path: Optional[str] = None
_lock = threading.Lock()

T = ctypes.c_void_p      # a text: a pointer to NUL-terminated UTF-16 (or 8-bit for bw_)
I = ctypes.c_int
U = ctypes.c_uint
P = ctypes.c_void_p
B = ctypes.c_ubyte       # the one-byte booleans

# name: (argument types, result type); None as argument types for the
# variadic functions, whose fixed part is passed with explicit ctypes types.
PROTOTYPES = {
    "sl_PoprawnyKod": ([T, I], I),
    "sl_PobierzSlownik": ([U], P),
    "sl_PobierzOpisKodu": ([P, T], P),
    "sl_PobierzNazweSlownika": ([U], P),
    "sl_PobierzOpisOkresu": ([I, T, I], P),
    "KVDSlownikGet": ([I], P),
    "sl_KVDSlownikGet": ([I], P),
    "KVDSlownikGetKodMsg": ([I, T, T], P),
    "sl_KVDSlownikGetKodMsg": ([I, T, T], P),
    "KVDSlownikKodDoWyboru": ([I, T], I),
    "sl_Now": ([P], I),
    "sl_PoprawnaData_DDMMRRRR": ([T], I),
    "sl_PoprawnaData_MMRRRR": ([T], I),
    "sl_PoprawnaData_DDMM": ([T], I),
    "sl_PrzeksztalcDate_DDMMRRRR": ([T], I),
    "sl_PrzeksztalcDate_MMRRRR": ([T], I),
    "sl_PrzeksztalcDate_DDMM": ([T], I),
    "sl_NajwczesniejszaData": (None, P),
    "sl_NajpozniejszaData": (None, P),
    "fb_KVDKodSprawdzArkusze": ([I, T, T], I),
    "fb_KVDKodSprawdz": ([I, T], I),
    "sl_CzyPrawidlowyKodLiterowy": ([P, T, I], I),
    "sl_SprawdzSlownikNIPZUS": ([I, T, T], I),
    "sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia": ([T, P, P], I),
    "fb_KVDZaleznosciKodSwKwotaTyp": ([T, T, I, T], I),
    "fb_KVDZaleznosciKodSwLiczbaDniSkladkiTyp": ([T, I, T], I),
    "fb_KVDZaleznosciKodSwOkresOdTyp": ([T, I, T], I),
    "fb_KVDZaleznosciKodSwOkresDoTyp": ([T, I, T], I),
    "fb_KVDTypSwiadczenia": ([T, I, T], I),
    "fb_KVDZaleznosciKodSw_MSCTyp": ([T, I, T], I),
    "fb_KVDZaleznosciKodSwKodTyt": ([T, T, T, T, T, T, I], I),
    "fb_KVDZaleznosciKodSwKodTytIdent": ([T, T, T, T, T], I),
    "fb_KVDKodySwiadMogaBycRazem": ([T, T, I], B),
    "sl_SprawdzKodSwDRA": ([T, I, I], I),
    "sl_SprawdzKodSwWST": ([T, T], I),
    "bw_MapujKod": ([T, T, T], B),
    "bw_OdowiedniTypSwiadczenia": ([T, I, I], B),
    "bw_MapujKodData": ([T, T, I, I], B),
    "bw_TypZaleznosciKoduSwDlaOkresu": ([T, T, I, I], B),
    "bw_TypZaleznosciKoduSwDlaOkresu_DoklMies": ([T, T, I], B),
    "bw_KodSpecjalny": ([T, I, I, I], B),
    "fb_KVD_KodTyt_WypDok_ONE": ([T, P, P], I),
    "fb_KVD_KodTyt_WypDok_DRA_ONE": (None, I),
    "fb_KVD_KodTyt_WypDok_RCA_ONE": (None, I),
    "fb_KVD_KodTyt_WypDok_RNA_ONE": (None, I),
    "fb_KVD_KodTyt_WypDok_RZA_ONE": (None, I),
    "fb_KVD_KodTyt_WypDok_ZUA_ONE": (None, I),
    "fb_KVD_KodTyt_WypDok_ZZA_ONE": (None, I),
    "ZamienStala": ([T, I], I),
    "fb_KVDZasadyPodleganiaUb": ([T, T, T, T], I),
    "fb_KVD_Slw_Podl_ALL": (None, I),
    "fb_KVD_Slw_Podl_ONE": (None, I),
    "sl_SprawdzPodstawySkladek": ([T, I, T], I),
    "fb_KodWyrRozlicznikaTyp": ([T, I, T], I),
    "fb_KodWyrRozlicznikaOsPrawna": ([T, T], I),
    "fb_KodWyrRozlicznikaOsFizyczna": ([T, T], I),
    "fb_KVDKodPokrewienstwa": ([T, I, I], I),
    "fb_KVDKodPokrewienstwaJest": ([T, I], I),
    "fb_KVDKodPokrewienstwaWiek": ([T, I], I),
}

# The two exports with C++ linkage, under the names each platform gives them.
DECORATED = {
    "ZamienStala": ["_Z11ZamienStalaPKDsi", "?ZamienStala@@YAHPBGH@Z", "?ZamienStala@@YAHPEBGH@Z"],
    "fb_KVD_KodTyt_WypDok_ONE": [
        "_Z24fb_KVD_KodTyt_WypDok_ONEPKDsPK11_stOpisKoduPS0_",
        "?fb_KVD_KodTyt_WypDok_ONE@@YAHPBGPBU_stOpisKodu@@PAPBG@Z",
        "?fb_KVD_KodTyt_WypDok_ONE@@YAHPEBGPEBU_stOpisKodu@@PEAPEBG@Z",
    ],
}


class _Library:
    """The loaded library: one ctypes function per export, looked up on
    first use (a missing export raises KodownikError when called)."""

    def __init__(self, cdll, path):
        self.cdll = cdll
        self.path = path
        self._functions = {}

    def __getattr__(self, name):
        f = self._functions.get(name)
        if f is not None:
            return f
        if name not in PROTOTYPES:
            raise AttributeError(name)
        f = None
        for symbol in DECORATED.get(name, [name]):
            try:
                f = getattr(self.cdll, symbol)
                break
            except AttributeError:
                continue
        if f is None:
            raise KodownikError("the library %s does not export %s" % (self.path, name))
        args, result = PROTOTYPES[name]
        if args is not None:
            f.argtypes = args
        f.restype = result
        self._functions[name] = f
        return f


def load() -> _Library:
    """The library, loaded on first use from the first place that works."""
    global _lib, _lib_path
    lib = _lib
    if lib is not None:
        return lib
    with _lock:
        if _lib is not None:
            return _lib
        errors = []
        for path in candidates():
            try:
                cdll = ctypes.CDLL(path)
            except OSError as e:
                errors.append("%s: %s" % (path, e))
                continue
            _lib = _Library(cdll, path)
            _lib_path = path
            return _lib
        raise KodownikError("cannot load the Kodownik library (install the wheel, or set KODOWNIK_LIBRARY "
                            "to the path of libKodownik_W.so); tried:\n  " + "\n  ".join(errors))


def read_editions(path: str) -> str:
    """The editions named in the file the package script writes beside the
    bundled library: "snapshot" or "current"; "snapshot" without the file
    (a source tree) or with anything else in it."""
    try:
        with open(path, encoding="ascii") as f:
            value = f.read().strip()
    except (OSError, UnicodeError):
        return "snapshot"
    return value if value in ("snapshot", "current") else "snapshot"


EDITIONS = read_editions(os.path.join(_HERE, "_lib", "EDITIONS"))


def library_path() -> str:
    """The path of the library this package has loaded (loading it first).

    >>> import os
    >>> os.path.basename(kodownik.library_path()).startswith(("libKodownik_W", "Kodownik_W"))
    True
    """
    return load().path
