"""The 59 exports of Kodownik_W, one Python function each, under their own
names and with their own argument order, for code written against the
library's C interface.

    >>> from kodownik import native
    >>> native.fb_KVDKodSprawdzArkusze(10004, "011101", "01012003")
    0
    >>> native.sl_PoprawnaData_DDMMRRRR("31042005")
    60005801
    >>> native.sl_NajwczesniejszaData("none", ["01012005", "xx", "01012004"])
    '01012004'

Conversions:

- texts are ``str`` or ``None`` (the null pointer); they go to the library as
  NUL-terminated UTF-16 and come back as ``str`` (or ``None`` for null). A
  text holding a NUL character raises ValueError (C would cut it there).
- the ``bw_`` functions take 8-bit text: ``str`` (encoded as Windows-1250)
  or ``bytes``;
- integers are ``int`` and must fit the C type (ValueError otherwise);
  the character arguments (payer kind, relationship mark, age group) take
  an ``int`` or a one-character ``str``;
- the variadic date lists are one Python list (or tuple) of texts; the
  binding ends it with the null pointer. A ``None`` in the list ends it there,
  as in C. At most 1000 dates;
- the one-byte booleans come back as ``bool``;
- the records come back as small objects: :class:`OpisKodu` (a trie slot or
  node, which can be passed back), :class:`OpisOkresu`, :class:`SlownikMsg`
  and :class:`KodMsg`. Only objects the library returned are accepted where
  a function takes a slot or node, so no address can be made up;
- result places: ``sl_Now`` takes a :class:`TextBuffer` or ``None``;
  ``sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia`` takes two
  ``ctypes.c_int`` (or ``None``).

Wrong types raise TypeError. Results are exactly the library's (0 / -1,
the date status codes, pointers as records or ``None``).
"""

import ctypes
import dataclasses
from typing import Any, List, Optional, Sequence, Tuple, Union

from . import _library
from ._library import KodownikError, _Entry, _Slot, _SlownikMsg  # noqa: F401 (KodownikError: re-exported)

__all__ = ["OpisKodu", "OpisOkresu", "SlownikMsg", "KodMsg", "TextBuffer", "KodownikError", "EXPORTS"] + sorted(
    _library.PROTOTYPES)

#: The names of the 59 exports.
EXPORTS: Tuple[str, ...] = tuple(_library.PROTOTYPES)

_INT_MIN, _INT_MAX = -2 ** 31, 2 ** 31 - 1
_MAX_DATES = 1000
_NULL = ctypes.c_void_p(None)


def _lib():
    return _library.load()


# ---- arguments ------------------------------------------------------------

def _text(value: Optional[str], name: str):
    """A NUL-terminated UTF-16 buffer of a str; None for None."""
    if value is None:
        return None
    if not isinstance(value, str):
        raise TypeError("%s must be a str or None, not %s" % (name, type(value).__name__))
    if "\0" in value:
        raise ValueError("%s must not hold a NUL character" % name)
    return ctypes.create_string_buffer(value.encode("utf-16-le", "surrogatepass") + b"\0\0")


def _text8(value: Union[str, bytes, None], name: str):
    """A NUL-terminated 8-bit buffer (Windows-1250 for a str); None for None."""
    if value is None:
        return None
    if isinstance(value, str):
        try:
            value = value.encode("cp1250")
        except UnicodeEncodeError as e:
            raise ValueError("%s cannot be written in Windows-1250: %s" % (name, e)) from None
    elif isinstance(value, (bytes, bytearray)):
        value = bytes(value)
    else:
        raise TypeError("%s must be a str, bytes or None, not %s" % (name, type(value).__name__))
    if b"\0" in value:
        raise ValueError("%s must not hold a NUL byte" % name)
    return ctypes.create_string_buffer(value)


def _int(value: int, name: str, low: int = _INT_MIN, high: int = _INT_MAX) -> int:
    if isinstance(value, bool) or not isinstance(value, int):
        raise TypeError("%s must be an int, not %s" % (name, type(value).__name__))
    if not low <= value <= high:
        raise ValueError("%s must lie between %d and %d, not %d" % (name, low, high, value))
    return value


def _unsigned(value: int, name: str) -> int:
    """An unsigned 32-bit argument; a negative int wraps as in C (-1 is 4294967295)."""
    return _int(value, name, _INT_MIN, 2 ** 32 - 1) & 0xFFFFFFFF


def _char(value: Union[int, str], name: str) -> int:
    """A character passed in an int: a one-character str or its code."""
    if isinstance(value, str):
        if len(value) != 1 or ord(value) > 0xFFFF:
            raise ValueError("%s must be one character of the Basic Multilingual Plane, not %r" % (name, value))
        return ord(value)
    return _int(value, name)


def _flag(value: Union[bool, int], name: str) -> int:
    if isinstance(value, bool):
        return int(value)
    return _int(value, name)


def _dates(values: Optional[Sequence[Optional[str]]], name: str = "dates") -> List[Any]:
    """The buffers of a date list, cut at the first None."""
    if values is None:
        return []
    if isinstance(values, (str, bytes)) or not isinstance(values, (list, tuple)):
        raise TypeError("%s must be a list or tuple of texts, not %s" % (name, type(values).__name__))
    if len(values) > _MAX_DATES:
        raise ValueError("%s holds %d dates; at most %d are passed" % (name, len(values), _MAX_DATES))
    out = []
    for i, v in enumerate(values):
        if v is None:
            break
        out.append(_text(v, "%s[%d]" % (name, i)))
    return out


def _variadic(buffers: List[Any]) -> List[Any]:
    """The variadic part of a call: each buffer as a pointer, then the null."""
    return [ctypes.c_void_p(ctypes.addressof(b)) for b in buffers] + [_NULL]


def _ptr(buffer) -> ctypes.c_void_p:
    return _NULL if buffer is None else ctypes.c_void_p(ctypes.addressof(buffer))


# ---- results --------------------------------------------------------------

_texts = {}  # address -> str; the library's texts never change while it is loaded


def _read(address: Optional[int]) -> Optional[str]:
    """The str of a NUL-terminated UTF-16 text of the library; None for null."""
    if not address:
        return None
    s = _texts.get(address)
    if s is not None:
        return s
    units = ctypes.cast(address, ctypes.POINTER(ctypes.c_uint16))
    n = 0
    while units[n]:
        n += 1
    s = ctypes.string_at(address, 2 * n).decode("utf-16-le", "surrogatepass")
    return s


def _read_constant(address: Optional[int]) -> Optional[str]:
    """As _read, remembered: for the library's constant texts only."""
    s = _read(address)
    if s is not None:
        _texts[address] = s
    return s


@dataclasses.dataclass(frozen=True)
class OpisOkresu:
    """``_stOpisOkresu``: one edition of a code, as the library holds it
    (dates as YYYYMMDD integers, 99991231 for an open end)."""
    description: Optional[str]
    valid_from: int
    valid_to: int
    attribute: int
    short_text: Optional[str]

    @classmethod
    def _at(cls, address: int) -> "OpisOkresu":
        e = _Entry.from_address(address)
        return cls(_read_constant(e.description), e.valid_from, e.valid_to, e.attribute,
                   _read_constant(e.short_text))


class OpisKodu:
    """``_stOpisKodu``: a slot of a code trie, as the library returned it.

    ``count`` is the number of entries of the code ending here, ``entries``
    those entries (:class:`OpisOkresu`), ``child`` the node of the next digit
    (or None). A node (what ``sl_PobierzSlownik`` and ``child`` give) is its
    first slot; ``node[d]`` is the slot of digit d. Only the library makes
    these objects.
    """
    __slots__ = ("_address", "_node")

    def __init__(self, *args, **kwargs):
        raise TypeError("OpisKodu objects come from the library (sl_PobierzSlownik, sl_PobierzOpisKodu)")

    @classmethod
    def _at(cls, address: Optional[int], node: bool) -> Optional["OpisKodu"]:
        if not address:
            return None
        o = object.__new__(cls)
        object.__setattr__(o, "_address", address)
        object.__setattr__(o, "_node", node)
        return o

    def __setattr__(self, name, value):
        raise AttributeError("OpisKodu is read-only")

    @property
    def address(self) -> int:
        """The slot's address in the library."""
        return self._address

    @property
    def is_node(self) -> bool:
        """True for the first slot of a node (a root or a child)."""
        return self._node

    @property
    def count(self) -> int:
        return _Slot.from_address(self._address).count

    @property
    def entries(self) -> Tuple[OpisOkresu, ...]:
        s = _Slot.from_address(self._address)
        if not s.entries:
            return ()
        base = ctypes.addressof(s.entries.contents)
        size = ctypes.sizeof(_Entry)
        return tuple(OpisOkresu._at(base + i * size) for i in range(s.count))

    @property
    def child(self) -> Optional["OpisKodu"]:
        s = _Slot.from_address(self._address)
        return OpisKodu._at(ctypes.cast(s.child, ctypes.c_void_p).value, True)

    def __getitem__(self, digit: int) -> "OpisKodu":
        if not self._node:
            raise TypeError("only a node (a root or a child) has slots by digit")
        _int(digit, "digit", 0, 9)
        return OpisKodu._at(self._address + digit * ctypes.sizeof(_Slot), digit == 0)

    def __eq__(self, other):
        return isinstance(other, OpisKodu) and other._address == self._address

    def __hash__(self):
        return hash(self._address)

    def __repr__(self):
        return "<OpisKodu%s at 0x%x: count=%d>" % (" node" if self._node else "", self._address, self.count)


@dataclasses.dataclass(frozen=True)
class KodMsg:
    """``_stKodMsg``: one entry of a message dictionary."""
    code: Optional[str]
    message: Optional[str]
    reserved: int
    selectable: int


@dataclasses.dataclass(frozen=True)
class SlownikMsg:
    """``_stSlownikMsg``: a message dictionary (the library's registry is
    empty, so ``KVDSlownikGet`` gives None for every key)."""
    count: int
    name: str
    entries: Tuple[KodMsg, ...]

    @classmethod
    def _at(cls, address: Optional[int]) -> Optional["SlownikMsg"]:
        if not address:
            return None
        d = _SlownikMsg.from_address(address)
        units = list(d.name)
        name = bytes(ctypes.string_at(ctypes.addressof(d.name), 160)).decode("utf-16-le", "replace")
        name = name[:units.index(0)] if 0 in units else name
        entries = []
        for i in range(max(0, d.count)):
            m = d.entries[i]
            entries.append(KodMsg(_read(m.code), _read(m.message), m.reserved, m.selectable))
        return cls(d.count, name, tuple(entries))


class TextBuffer:
    """A writable text buffer for ``sl_Now`` (9 characters by default:
    DDMMRRRR and its NUL); ``value`` is what it holds."""

    def __init__(self, size: int = 9):
        _int(size, "size", 1, 1 << 20)
        self._units = (ctypes.c_uint16 * size)()

    def __len__(self) -> int:
        return len(self._units)

    @property
    def value(self) -> str:
        units = list(self._units)
        if 0 in units:
            units = units[:units.index(0)]
        return bytes(ctypes.string_at(ctypes.addressof(self._units), 2 * len(units))).decode("utf-16-le", "replace")


def _slot(value: Optional[OpisKodu], name: str) -> Optional[int]:
    if value is None:
        return None
    if not isinstance(value, OpisKodu):
        raise TypeError("%s must be an OpisKodu the library returned, or None, not %s" % (name, type(value).__name__))
    return value._address


def _int_place(value: Optional[ctypes.c_int], name: str):
    if value is None:
        return None
    if not isinstance(value, ctypes.c_int):
        raise TypeError("%s must be a ctypes.c_int or None, not %s" % (name, type(value).__name__))
    return ctypes.byref(value)


# ---- dictionary lookups ---------------------------------------------------

def sl_PoprawnyKod(code: Optional[str], expected_length: int) -> int:
    """0 when the code is all digits (of the expected length, when above 0), else -1."""
    c = _text(code, "code")
    return _lib().sl_PoprawnyKod(c, _int(expected_length, "expected_length"))


def sl_PobierzSlownik(id: int) -> Optional[OpisKodu]:
    """The root node of a dictionary's code trie, or None."""
    return OpisKodu._at(_lib().sl_PobierzSlownik(_unsigned(id, "id")), True)


def sl_PobierzOpisKodu(root: Optional[OpisKodu], code: Optional[str]) -> Optional[OpisKodu]:
    """The slot of a digit code below a node, or None."""
    r = _slot(root, "root")
    c = _text(code, "code")
    return OpisKodu._at(_lib().sl_PobierzOpisKodu(r, c), False)


def sl_PobierzNazweSlownika(id: int) -> Optional[str]:
    """The name of a dictionary, or None."""
    return _read_constant(_lib().sl_PobierzNazweSlownika(_unsigned(id, "id")))


def sl_PobierzOpisOkresu(id: int, code: Optional[str], date: int) -> Optional[OpisOkresu]:
    """The first entry of the code in force at date (YYYYMMDD, YYYYMM; 0: the first entry), or None."""
    i = _int(id, "id")
    c = _text(code, "code")
    p = _lib().sl_PobierzOpisOkresu(i, c, _int(date, "date"))
    return OpisOkresu._at(p) if p else None


# ---- message dictionaries -------------------------------------------------

def KVDSlownikGet(key: int) -> Optional[SlownikMsg]:
    """The message dictionary of a key (None: the registry is empty)."""
    return SlownikMsg._at(_lib().KVDSlownikGet(_int(key, "key")))


def sl_KVDSlownikGet(key: int) -> Optional[SlownikMsg]:
    """The same as KVDSlownikGet."""
    return SlownikMsg._at(_lib().sl_KVDSlownikGet(_int(key, "key")))


def KVDSlownikGetKodMsg(key: int, code: Optional[str], date: Optional[str]) -> Optional[str]:
    """The message of a code in a message dictionary ("" when there is none)."""
    k = _int(key, "key")
    c, d = _text(code, "code"), _text(date, "date")
    return _read(_lib().KVDSlownikGetKodMsg(k, c, d))


def sl_KVDSlownikGetKodMsg(key: int, code: Optional[str], date: Optional[str]) -> Optional[str]:
    """The same as KVDSlownikGetKodMsg."""
    k = _int(key, "key")
    c, d = _text(code, "code"), _text(date, "date")
    return _read(_lib().sl_KVDSlownikGetKodMsg(k, c, d))


def KVDSlownikKodDoWyboru(key: int, code: Optional[str]) -> int:
    """The selectable value of a code in a message dictionary, or 0."""
    k = _int(key, "key")
    return _lib().KVDSlownikKodDoWyboru(k, _text(code, "code"))


# ---- dates ----------------------------------------------------------------

def sl_Now(buffer: Optional[TextBuffer] = None) -> int:
    """Today as YYYYMMDD; writes DDMMRRRR into the buffer when one is given."""
    if buffer is None:
        return _lib().sl_Now(None)
    if not isinstance(buffer, TextBuffer):
        raise TypeError("buffer must be a TextBuffer or None, not %s" % type(buffer).__name__)
    if len(buffer) < 9:
        raise ValueError("buffer must hold at least 9 characters (DDMMRRRR and its NUL), not %d" % len(buffer))
    return _lib().sl_Now(ctypes.addressof(buffer._units))


def sl_PoprawnaData_DDMMRRRR(text: Optional[str]) -> int:
    """0, -1 (None) or a 60006201-family status of a DDMMRRRR text."""
    return _lib().sl_PoprawnaData_DDMMRRRR(_text(text, "text"))


def sl_PoprawnaData_MMRRRR(text: Optional[str]) -> int:
    """0, -1 (None) or a 60006201-family status of an MMRRRR text."""
    return _lib().sl_PoprawnaData_MMRRRR(_text(text, "text"))


def sl_PoprawnaData_DDMM(text: Optional[str]) -> int:
    """0, -1 (None) or a 60006201-family status of a DDMM text."""
    return _lib().sl_PoprawnaData_DDMM(_text(text, "text"))


def sl_PrzeksztalcDate_DDMMRRRR(text: Optional[str]) -> int:
    """YYYYMMDD of a DDMMRRRR text (today for an ill-formed one, -1 for None)."""
    return _lib().sl_PrzeksztalcDate_DDMMRRRR(_text(text, "text"))


def sl_PrzeksztalcDate_MMRRRR(text: Optional[str]) -> int:
    """YYYYMM of an MMRRRR text (this month for an ill-formed one, -1 for None)."""
    return _lib().sl_PrzeksztalcDate_MMRRRR(_text(text, "text"))


def sl_PrzeksztalcDate_DDMM(text: Optional[str]) -> int:
    """MMDD of a DDMM text (today's for an ill-formed one, -1 for None)."""
    return _lib().sl_PrzeksztalcDate_DDMM(_text(text, "text"))


def _pick(name: str, fallback: Optional[str], dates: Sequence[Optional[str]]) -> Optional[str]:
    f = _text(fallback, "fallback")
    buffers = _dates(dates)
    objects = [v for v in (dates or [])][:len(buffers)]
    p = getattr(_lib(), name)(_ptr(f), *_variadic(buffers))
    for b, v in zip(buffers, objects):
        if p == ctypes.addressof(b):
            return v
    if p and f is not None and p == ctypes.addressof(f):
        return fallback
    return None if not p else _read(p)


def sl_NajwczesniejszaData(fallback: Optional[str], dates: Sequence[Optional[str]]) -> Optional[str]:
    """The earliest well-formed DDMMRRRR text of the list, else the fallback
    (the very object passed in)."""
    return _pick("sl_NajwczesniejszaData", fallback, dates)


def sl_NajpozniejszaData(fallback: Optional[str], dates: Sequence[Optional[str]]) -> Optional[str]:
    """The latest well-formed DDMMRRRR text of the list, else the fallback."""
    return _pick("sl_NajpozniejszaData", fallback, dates)


# ---- admissibility and validity -------------------------------------------

def fb_KVDKodSprawdzArkusze(id: int, code: Optional[str], date: Optional[str]) -> int:
    """0 when the code may be entered in the dictionary's field on the date (DDMMRRRR, MMRRRR or None), else -1."""
    i = _int(id, "id")
    c, d = _text(code, "code"), _text(date, "date")
    return _lib().fb_KVDKodSprawdzArkusze(i, c, d)


def fb_KVDKodSprawdz(id: int, code: Optional[str]) -> int:
    """fb_KVDKodSprawdzArkusze without a date."""
    i = _int(id, "id")
    return _lib().fb_KVDKodSprawdz(i, _text(code, "code"))


def sl_CzyPrawidlowyKodLiterowy(node: Optional[OpisKodu], code: Optional[str], reference: int) -> int:
    """0 when a text code (a name) matches an entry below the node in force at reference, else -1."""
    n = _slot(node, "node")
    c = _text(code, "code")
    return _lib().sl_CzyPrawidlowyKodLiterowy(n, c, _int(reference, "reference"))


def sl_SprawdzSlownikNIPZUS(key_kind: int, key: Optional[str], date: Optional[str]) -> int:
    """0 when the key (0 code, 1 NIP, 2 REGON, 3 name) names a ZUS branch in force on the date, else -1."""
    k = _int(key_kind, "key_kind")
    t, d = _text(key, "key"), _text(date, "date")
    return _lib().sl_SprawdzSlownikNIPZUS(k, t, d)


def sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia(title: Optional[str], valid_from: Optional[ctypes.c_int],
                                                      valid_to: Optional[ctypes.c_int]) -> int:
    """0 and the span of a title code's rules written to the two c_int, or -1."""
    t = _text(title, "title")
    a, b = _int_place(valid_from, "valid_from"), _int_place(valid_to, "valid_to")
    return _lib().sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia(t, a, b)


# ---- benefit codes --------------------------------------------------------

def fb_KVDZaleznosciKodSwKwotaTyp(title: Optional[str], code: Optional[str], expected: int,
                                  month: Optional[str]) -> int:
    """0 when the benefit code has the expected amount type (adjusted by title) in the MMRRRR month."""
    t, c = _text(title, "title"), _text(code, "code")
    e = _int(expected, "expected")
    return _lib().fb_KVDZaleznosciKodSwKwotaTyp(t, c, e, _text(month, "month"))


def _dependency(name: str, code, expected, month) -> int:
    c = _text(code, "code")
    e = _int(expected, "expected")
    return getattr(_lib(), name)(c, e, _text(month, "month"))


def fb_KVDZaleznosciKodSwLiczbaDniSkladkiTyp(code: Optional[str], expected: int, month: Optional[str]) -> int:
    """0 when the benefit code has the expected contribution-days type in the month."""
    return _dependency("fb_KVDZaleznosciKodSwLiczbaDniSkladkiTyp", code, expected, month)


def fb_KVDZaleznosciKodSwOkresOdTyp(code: Optional[str], expected: int, month: Optional[str]) -> int:
    """0 when the benefit code has the expected period-from type in the month."""
    return _dependency("fb_KVDZaleznosciKodSwOkresOdTyp", code, expected, month)


def fb_KVDZaleznosciKodSwOkresDoTyp(code: Optional[str], expected: int, month: Optional[str]) -> int:
    """0 when the benefit code has the expected period-to type in the month."""
    return _dependency("fb_KVDZaleznosciKodSwOkresDoTyp", code, expected, month)


def fb_KVDTypSwiadczenia(code: Optional[str], expected: int, month: Optional[str]) -> int:
    """0 when the benefit code has the expected benefit type in the month."""
    return _dependency("fb_KVDTypSwiadczenia", code, expected, month)


def fb_KVDZaleznosciKodSw_MSCTyp(code: Optional[str], expected: int, month: Optional[str]) -> int:
    """0 when the benefit code has the expected MSC type in the month."""
    return _dependency("fb_KVDZaleznosciKodSw_MSCTyp", code, expected, month)


def fb_KVDZaleznosciKodSwKodTyt(title4: Optional[str], pension: Optional[str], disability: Optional[str],
                                code: Optional[str], date_a: Optional[str], date_b: Optional[str],
                                whole_period: Union[bool, int]) -> int:
    """0 when the benefit code may be reported under the title in the period (see the library's rules)."""
    t, p, d = _text(title4, "title4"), _text(pension, "pension"), _text(disability, "disability")
    c, a, b = _text(code, "code"), _text(date_a, "date_a"), _text(date_b, "date_b")
    return _lib().fb_KVDZaleznosciKodSwKodTyt(t, p, d, c, a, b, _flag(whole_period, "whole_period"))


def fb_KVDZaleznosciKodSwKodTytIdent(title4: Optional[str], pension: Optional[str], disability: Optional[str],
                                     code: Optional[str], month: Optional[str]) -> int:
    """0 when the benefit code may be reported under the title in the MMRRRR month."""
    t, p, d = _text(title4, "title4"), _text(pension, "pension"), _text(disability, "disability")
    c, m = _text(code, "code"), _text(month, "month")
    return _lib().fb_KVDZaleznosciKodSwKodTytIdent(t, p, d, c, m)


def fb_KVDKodySwiadMogaBycRazem(first: Optional[str], second: Optional[str], date: int) -> bool:
    """True when the two benefit codes may stand together on the date (YYYYMMDD, or -1 for any)."""
    a, b = _text(first, "first"), _text(second, "second")
    return bool(_lib().fb_KVDKodySwiadMogaBycRazem(a, b, _int(date, "date")))


def sl_SprawdzKodSwDRA(code: Optional[str], expected: int, date: int) -> int:
    """0 when the benefit code has the expected DRA type at the date (YYYYMMDD, YYYYMM, 0: known)."""
    c = _text(code, "code")
    return _lib().sl_SprawdzKodSwDRA(c, _int(expected, "expected"), _int(date, "date"))


def sl_SprawdzKodSwWST(code: Optional[str], date: Optional[str]) -> int:
    """The WST number of the benefit code at the date text (MMRRRR, DDMMRRRR), or -1."""
    c, d = _text(code, "code"), _text(date, "date")
    return _lib().sl_SprawdzKodSwWST(c, d)


def bw_MapujKod(title: Union[str, bytes, None], code: Union[str, bytes, None], date: Union[str, bytes, None]) -> bool:
    """True when the benefit code may be reported under the six-digit title in the DDMMRRRR date's month."""
    t, c, d = _text8(title, "title"), _text8(code, "code"), _text8(date, "date")
    return bool(_lib().bw_MapujKod(t, c, d))


def bw_OdowiedniTypSwiadczenia(code: Union[str, bytes, None], expected: int, month: int) -> bool:
    """True when the benefit code has the expected DRA type in the month YYYYMM."""
    c = _text8(code, "code")
    return bool(_lib().bw_OdowiedniTypSwiadczenia(c, _int(expected, "expected"), _int(month, "month")))


def bw_MapujKodData(title: Union[str, bytes, None], code: Union[str, bytes, None], from_: int, to: int) -> bool:
    """True when an allowed entry of the benefit code under the title overlaps [from_, to] (YYYYMMDD)."""
    t, c = _text8(title, "title"), _text8(code, "code")
    return bool(_lib().bw_MapujKodData(t, c, _int(from_, "from_"), _int(to, "to")))


def bw_TypZaleznosciKoduSwDlaOkresu(title: Union[str, bytes, None], code: Union[str, bytes, None], from_: int,
                                    to: int) -> bool:
    """True when the benefit code's amount type in the period is one that is reported."""
    t, c = _text8(title, "title"), _text8(code, "code")
    return bool(_lib().bw_TypZaleznosciKoduSwDlaOkresu(t, c, _int(from_, "from_"), _int(to, "to")))


def bw_TypZaleznosciKoduSwDlaOkresu_DoklMies(title: Union[str, bytes, None], code: Union[str, bytes, None],
                                             date: int) -> bool:
    """bw_TypZaleznosciKoduSwDlaOkresu for one date."""
    t, c = _text8(title, "title"), _text8(code, "code")
    return bool(_lib().bw_TypZaleznosciKoduSwDlaOkresu_DoklMies(t, c, _int(date, "date")))


def bw_KodSpecjalny(title: Union[str, bytes, None], key: int, from_: int, to: int) -> bool:
    """True when a special-title record for the title's prefix holds the key in the months [from_, to]."""
    t = _text8(title, "title")
    return bool(_lib().bw_KodSpecjalny(t, _int(key, "key"), _int(from_, "from_"), _int(to, "to")))


# ---- insurance titles per form --------------------------------------------

def fb_KVD_KodTyt_WypDok_ONE(pass_: Optional[str], slot: Optional[OpisKodu],
                             dates: Optional[Sequence[Optional[str]]]) -> int:
    """0 when one of the date texts lies in one of the slot's periods, else -1
    (dates None is the null pointer)."""
    p = _text(pass_, "pass_")
    s = _slot(slot, "slot")
    if dates is None:
        return _lib().fb_KVD_KodTyt_WypDok_ONE(p, s, None)
    buffers = _dates(dates)
    array = (ctypes.c_void_p * (len(buffers) + 1))(*[ctypes.addressof(b) for b in buffers], None)
    return _lib().fb_KVD_KodTyt_WypDok_ONE(p, s, array)


def _form(name, pass_, title4, pension, disability, dates) -> int:
    p, t = _text(pass_, "pass_"), _text(title4, "title4")
    r, d = _text(pension, "pension"), _text(disability, "disability")
    buffers = _dates(dates)
    return getattr(_lib(), name)(_ptr(p), _ptr(t), _ptr(r), _ptr(d), *_variadic(buffers))


def fb_KVD_KodTyt_WypDok_DRA_ONE(pass_: Optional[str], title4: Optional[str], pension: Optional[str],
                                 disability: Optional[str], dates: Sequence[Optional[str]] = ()) -> int:
    """0 when ZUS DRA admits the title code on one of the dates (none: at some time)."""
    return _form("fb_KVD_KodTyt_WypDok_DRA_ONE", pass_, title4, pension, disability, dates)


def fb_KVD_KodTyt_WypDok_RCA_ONE(pass_: Optional[str], title4: Optional[str], pension: Optional[str],
                                 disability: Optional[str], dates: Sequence[Optional[str]] = ()) -> int:
    """0 when ZUS RCA admits the title code on one of the dates."""
    return _form("fb_KVD_KodTyt_WypDok_RCA_ONE", pass_, title4, pension, disability, dates)


def fb_KVD_KodTyt_WypDok_RNA_ONE(pass_: Optional[str], title4: Optional[str], pension: Optional[str],
                                 disability: Optional[str], dates: Sequence[Optional[str]] = ()) -> int:
    """0 when ZUS RNA admits the title code on one of the dates."""
    return _form("fb_KVD_KodTyt_WypDok_RNA_ONE", pass_, title4, pension, disability, dates)


def fb_KVD_KodTyt_WypDok_RZA_ONE(pass_: Optional[str], title4: Optional[str], pension: Optional[str],
                                 disability: Optional[str], dates: Sequence[Optional[str]] = ()) -> int:
    """0 when ZUS RZA admits the title code on one of the dates."""
    return _form("fb_KVD_KodTyt_WypDok_RZA_ONE", pass_, title4, pension, disability, dates)


def fb_KVD_KodTyt_WypDok_ZUA_ONE(pass_: Optional[str], title4: Optional[str], pension: Optional[str],
                                 disability: Optional[str], dates: Sequence[Optional[str]] = ()) -> int:
    """0 when ZUS ZUA admits the title code on one of the dates."""
    return _form("fb_KVD_KodTyt_WypDok_ZUA_ONE", pass_, title4, pension, disability, dates)


def fb_KVD_KodTyt_WypDok_ZZA_ONE(pass_: Optional[str], title4: Optional[str], pension: Optional[str],
                                 disability: Optional[str], dates: Sequence[Optional[str]] = ()) -> int:
    """0 when ZUS ZZA admits the title code on one of the dates."""
    return _form("fb_KVD_KodTyt_WypDok_ZZA_ONE", pass_, title4, pension, disability, dates)


def ZamienStala(title: Optional[str], kind: int) -> int:
    """The amount type to use for the title (105 in place of 106/107 for some titles)."""
    t = _text(title, "title")
    return _lib().ZamienStala(t, _int(kind, "kind"))


# ---- insurance obligation rules -------------------------------------------

def fb_KVDZasadyPodleganiaUb(title4: Optional[str], pension: Optional[str], disability: Optional[str],
                             date: Optional[str]) -> int:
    """0 when the title code has rules (in force on the date, when one is given), else -1."""
    t, p, d = _text(title4, "title4"), _text(pension, "pension"), _text(disability, "disability")
    return _lib().fb_KVDZasadyPodleganiaUb(t, p, d, _text(date, "date"))


def _obligation(name, title4, pension, disability, insurance, condition, dates) -> int:
    t, p, d = _text(title4, "title4"), _text(pension, "pension"), _text(disability, "disability")
    i = _int(insurance, "insurance")
    c = _text(condition, "condition")
    buffers = _dates(dates)
    return getattr(_lib(), name)(_ptr(t), _ptr(p), _ptr(d), ctypes.c_int(i), _ptr(c), *_variadic(buffers))


def fb_KVD_Slw_Podl_ALL(title4: Optional[str], pension: Optional[str], disability: Optional[str], insurance: int,
                        condition: Optional[str], dates: Sequence[Optional[str]] = ()) -> int:
    """0 when on every date every period of the insurance satisfies the condition (such as "O" or "N,!O")."""
    return _obligation("fb_KVD_Slw_Podl_ALL", title4, pension, disability, insurance, condition, dates)


def fb_KVD_Slw_Podl_ONE(title4: Optional[str], pension: Optional[str], disability: Optional[str], insurance: int,
                        condition: Optional[str], dates: Sequence[Optional[str]] = ()) -> int:
    """0 when on some date some period of the insurance satisfies the condition."""
    return _obligation("fb_KVD_Slw_Podl_ONE", title4, pension, disability, insurance, condition, dates)


def sl_SprawdzPodstawySkladek(title: Optional[str], mask: int, date: Optional[str]) -> int:
    """0 when the title code's contribution-base entry on the date has a bit of the mask."""
    t = _text(title, "title")
    return _lib().sl_SprawdzPodstawySkladek(t, _int(mask, "mask"), _text(date, "date"))


# ---- payers and relatives -------------------------------------------------

def fb_KodWyrRozlicznikaTyp(code: Optional[str], payer_kind: Union[int, str], date: Optional[str]) -> int:
    """0 when the deregistration reason fits the payer kind ('P' or 'F') on the date."""
    c = _text(code, "code")
    k = _char(payer_kind, "payer_kind")
    return _lib().fb_KodWyrRozlicznikaTyp(c, k, _text(date, "date"))


def fb_KodWyrRozlicznikaOsPrawna(code: Optional[str], date: Optional[str]) -> int:
    """fb_KodWyrRozlicznikaTyp for a legal person ('P')."""
    c, d = _text(code, "code"), _text(date, "date")
    return _lib().fb_KodWyrRozlicznikaOsPrawna(c, d)


def fb_KodWyrRozlicznikaOsFizyczna(code: Optional[str], date: Optional[str]) -> int:
    """fb_KodWyrRozlicznikaTyp for a natural person ('F')."""
    c, d = _text(code, "code"), _text(date, "date")
    return _lib().fb_KodWyrRozlicznikaOsFizyczna(c, d)


def fb_KVDKodPokrewienstwa(code: Optional[str], question: int, character: Union[int, str]) -> int:
    """0 when the relationship code answers the question (1 ascendant, 2 any, 3 mark equals character)."""
    c = _text(code, "code")
    q = _int(question, "question")
    return _lib().fb_KVDKodPokrewienstwa(c, q, _char(character, "character"))


def fb_KVDKodPokrewienstwaJest(code: Optional[str], question: int) -> int:
    """0 when the relationship code answers the question (1 ascendant, 2 any, 3 has a mark)."""
    c = _text(code, "code")
    return _lib().fb_KVDKodPokrewienstwaJest(c, _int(question, "question"))


def fb_KVDKodPokrewienstwaWiek(code: Optional[str], age_group: Union[int, str]) -> int:
    """0 when the relationship code is in the age group ('S', 'M' or a bit mask)."""
    c = _text(code, "code")
    return _lib().fb_KVDKodPokrewienstwaWiek(c, _char(age_group, "age_group"))
