"""Python access to the Kodownik code dictionaries (the UTF-16 library, Kodownik_W).

    >>> import datetime, kodownik
    >>> kodownik.check(10004, "011101", datetime.date(2003, 1, 1))
    True
    >>> kodownik.entry(10013, "1", datetime.date(2003, 10, 1)).description
    'osoba posiadająca orzeczenie o lekkim stopniu niepełnosprawności'

The library is loaded with ctypes on first use, from the path in the
environment variable KODOWNIK_LIBRARY, else from build/native of this source
tree, else by its soname libKodownik_W.so.1 from the system's library path.
Standard library only.

An empty code is no code: check() gives False and entry() None (the library
itself reads it as the code 0).

Dates are datetime.date values; an open end of a period is datetime.date.max
(9999-12-31). The library is thread-safe, and so is this module.
"""

import ctypes
import datetime
import os
import threading
from typing import List, NamedTuple, Optional, Union

__all__ = ["Entry", "Dictionary", "check", "entry", "entries", "dictionaries", "library_path", "KodownikError"]

_HERE = os.path.dirname(os.path.abspath(__file__))
_BUILD = os.path.normpath(os.path.join(_HERE, "..", "..", "build", "native", "libKodownik_W.so"))
_INT32 = (-2 ** 31, 2 ** 31 - 1)


class KodownikError(RuntimeError):
    """The library could not be loaded."""


class Entry(NamedTuple):
    """One edition of a code: what it read and when."""
    valid_from: datetime.date
    valid_to: datetime.date          # datetime.date.max for an open end
    description: Optional[str]
    short_text: Optional[str]        # the code's form on documents, where the dictionary has one
    attribute: int                   # meaning fixed by the dictionary; 0 where unused


class Dictionary(NamedTuple):
    id: int
    name: Optional[str]              # a few dictionaries have no name


class _Entry(ctypes.Structure):
    _fields_ = [("description", ctypes.c_void_p), ("valid_from", ctypes.c_int), ("valid_to", ctypes.c_int),
                ("attribute", ctypes.c_uint16), ("short_text", ctypes.c_void_p)]


class _Slot(ctypes.Structure):
    pass


_Slot._fields_ = [("count", ctypes.c_uint16), ("entries", ctypes.POINTER(_Entry)), ("child", ctypes.POINTER(_Slot))]

_lib = None
_lib_path = None
_lock = threading.Lock()


def library_path() -> str:
    """The path of the library this module loads (or has loaded)."""
    if _lib_path:
        return _lib_path
    env = os.environ.get("KODOWNIK_LIBRARY")
    if env:
        return env
    return _BUILD if os.path.exists(_BUILD) else "libKodownik_W.so.1"


def _load():
    global _lib, _lib_path
    with _lock:
        if _lib is not None:
            return _lib
        path = library_path()
        try:
            lib = ctypes.CDLL(path)
        except OSError as e:
            raise KodownikError("cannot load the Kodownik library %r (set KODOWNIK_LIBRARY): %s" % (path, e)) from e
        text = ctypes.c_void_p
        lib.fb_KVDKodSprawdzArkusze.argtypes = [ctypes.c_int, text, text]
        lib.fb_KVDKodSprawdzArkusze.restype = ctypes.c_int
        lib.sl_PobierzOpisOkresu.argtypes = [ctypes.c_int, text, ctypes.c_int]
        lib.sl_PobierzOpisOkresu.restype = ctypes.POINTER(_Entry)
        lib.sl_PobierzSlownik.argtypes = [ctypes.c_uint]
        lib.sl_PobierzSlownik.restype = ctypes.POINTER(_Slot)
        lib.sl_PobierzOpisKodu.argtypes = [ctypes.POINTER(_Slot), text]
        lib.sl_PobierzOpisKodu.restype = ctypes.POINTER(_Slot)
        lib.sl_PobierzNazweSlownika.argtypes = [ctypes.c_uint]
        lib.sl_PobierzNazweSlownika.restype = ctypes.c_void_p
        _lib, _lib_path = lib, path
        return lib


def _wide(text: str):
    """A NUL-terminated UTF-16 buffer of a str."""
    if not isinstance(text, str):
        raise TypeError("expected str, got %s" % type(text).__name__)
    if "\0" in text:
        raise ValueError("a code or date must not hold a NUL character")
    return ctypes.create_string_buffer(text.encode("utf-16-le", "surrogatepass") + b"\0\0")


def _read(address) -> Optional[str]:
    """The str of a library text (UTF-16, NUL-terminated), None for null."""
    if not address:
        return None
    units = ctypes.cast(address, ctypes.POINTER(ctypes.c_uint16))
    n = 0
    while units[n]:
        n += 1
    return ctypes.string_at(address, 2 * n).decode("utf-16-le", "replace")


def _day(value: int) -> datetime.date:
    if value == 99991231:
        return datetime.date.max
    return datetime.date(value // 10000, value // 100 % 100, value % 100)


def _entry(e: _Entry) -> Entry:
    return Entry(_day(e.valid_from), _day(e.valid_to), _read(e.description), _read(e.short_text), e.attribute)


def _dict_id(dict_id: int) -> Optional[int]:
    if isinstance(dict_id, bool) or not isinstance(dict_id, int):
        raise TypeError("a dictionary ID is an int, got %s" % type(dict_id).__name__)
    return dict_id if _INT32[0] <= dict_id <= _INT32[1] else None


def _date_text(date: Union[datetime.date, str, None]):
    """The date as the library reads it: DDMMRRRR for a day; a str is passed
    on as it stands (DDMMRRRR or MMRRRR; an ill-formed text means no date)."""
    if date is None:
        return None
    if isinstance(date, datetime.date):
        return _wide("%02d%02d%04d" % (date.day, date.month, date.year))
    return _wide(date)


def check(dict_id: int, code: str, date: Union[datetime.date, str, None] = None) -> bool:
    """May the code be entered in a declaration field of the dictionary on the
    date? Without a date: at any time. The rule depends on the dictionary
    (digit codes, branch codes such as 01R, letters, names); a heading of
    longer codes is not admissible."""
    i = _dict_id(dict_id)
    c = _wide(code)
    d = _date_text(date)
    if i is None or not code:
        return False
    return _load().fb_KVDKodSprawdzArkusze(i, c, d) == 0


def entry(dict_id: int, code: str, date: Optional[datetime.date]) -> Optional[Entry]:
    """The edition of the code in force on the date; None when the dictionary
    does not hold the code or no edition was in force. date=None gives the
    first stored edition (usually the newest)."""
    i = _dict_id(dict_id)
    c = _wide(code)
    if date is not None and not isinstance(date, datetime.date):
        raise TypeError("date must be a datetime.date or None")
    if i is None or not code:
        return None
    value = 0 if date is None else date.year * 10000 + date.month * 100 + date.day
    p = _load().sl_PobierzOpisOkresu(i, c, value)
    return _entry(p.contents) if p else None


def entries(dict_id: int, code: str) -> List[Entry]:
    """Every edition of a digit code, in the order the dictionary keeps; []
    when the dictionary does not hold the code."""
    i = _dict_id(dict_id)
    c = _wide(code)
    if i is None or i < 0 or not code or not code.isascii() or not code.isdigit():
        return []
    lib = _load()
    root = lib.sl_PobierzSlownik(i)
    if not root:
        return []
    slot = lib.sl_PobierzOpisKodu(root, c)
    if not slot:
        return []
    s = slot.contents
    return [_entry(s.entries[k]) for k in range(s.count)]


def dictionaries() -> List[Dictionary]:
    """The dictionaries that hold codes, in ID order."""
    lib = _load()
    return [Dictionary(i, _read(lib.sl_PobierzNazweSlownika(i))) for i in range(10001, 10050) if lib.sl_PobierzSlownik(i)]
