"""Dictionaries and codes: the catalogue, editions of codes, searching,
walking, and the admissibility checks."""

import dataclasses
import datetime
import functools
import unicodedata
from typing import Iterable, Iterator, List, NamedTuple, Optional, Tuple, Union

from . import _common, native

__all__ = ["Entry", "Dictionary", "Code", "Found", "dictionaries", "entries", "entry", "codes", "children",
           "search", "check", "check_text"]

FIRST_ID, LAST_ID = 10001, 10049
_BRANCHES = (10005, 10014)  # NFZ branch codes, written with their letter (01R)


class Entry(NamedTuple):
    """One edition of a code: what it read and when.

    ``valid_from`` and ``valid_to`` are inclusive; an open end is
    ``datetime.date.max``. ``short_text`` is the code as written on documents
    where the dictionary has one (01R, PL); ``attribute`` has a meaning fixed
    by the dictionary (0 where unused).

    >>> kodownik.entry(10013, "1", datetime.date(2003, 10, 1)).valid_to
    datetime.date(9999, 12, 31)
    """
    valid_from: datetime.date
    valid_to: datetime.date
    description: Optional[str]
    short_text: Optional[str]
    attribute: int


class Dictionary(NamedTuple):
    """A dictionary of the catalogue: its ID and name (a few have none).

    >>> kodownik.dictionaries()[3]
    Dictionary(id=10005, name='Kod oddziałów NFZ')
    """
    id: int
    name: Optional[str]


@dataclasses.dataclass(frozen=True)
class Code:
    """A code of a dictionary with every edition of it, in stored order.

    >>> next(kodownik.codes(10013)).code
    '0'
    """
    code: str
    entries: Tuple[Entry, ...]


@dataclasses.dataclass(frozen=True)
class Found:
    """A search hit: the code and its first edition that matched.

    >>> kodownik.search(10004, "żołnierz zawodowy")[0]
    Found(code='011101', entry=Entry(valid_from=datetime.date(2005, 1, 1), valid_to=datetime.date(9999, 12, 31), description='Żołnierz zawodowy', short_text=None, attribute=0))
    """
    code: str
    entry: Entry


def _entry(e: native.OpisOkresu) -> Entry:
    return Entry(_common.from_value(e.valid_from), _common.from_value(e.valid_to), e.description, e.short_text,
                 e.attribute)


def _root(dict_id: int) -> Optional[native.OpisKodu]:
    i = _common.dict_id(dict_id)
    if i is None or i < 0:
        return None
    return native.sl_PobierzSlownik(i)


def _slot(dict_id: int, code: str) -> Optional[native.OpisKodu]:
    """The trie slot of a digit code, or None."""
    _common.text(code, "code")
    root = _root(dict_id)
    if root is None or not code or not code.isascii() or not code.isdigit():
        return None
    return native.sl_PobierzOpisKodu(root, code)


def dictionaries() -> List[Dictionary]:
    """The dictionaries that hold codes, in ID order.

    >>> len(kodownik.dictionaries())
    45
    >>> kodownik.dictionaries()[0]
    Dictionary(id=10001, name=None)
    """
    return [Dictionary(i, native.sl_PobierzNazweSlownika(i)) for i in range(FIRST_ID, LAST_ID + 1)
            if native.sl_PobierzSlownik(i)]


def entries(dict_id: int, code: str) -> List[Entry]:
    """Every edition of a code, in the order the dictionary keeps (newest
    first, as a rule); [] when the dictionary does not hold the code or it is
    only a step towards longer codes. Branch codes are given as written
    (01R in 10005 and 10014).

    >>> [e.valid_from.year for e in kodownik.entries(10013, "1")]
    [2003, 1998]
    """
    _common.text(code, "code")
    if dict_id in _BRANCHES and len(code) > 2 and code[:2].isascii() and code[:2].isdigit():
        # branch codes such as 01R live under their two digits
        slot = _slot(dict_id, code[:2])
        return [_entry(e) for e in slot.entries if e.short_text == code] if slot else []
    slot = _slot(dict_id, code)
    return [_entry(e) for e in slot.entries] if slot else []


def entry(dict_id: int, code: str, date: Optional[datetime.date]) -> Optional[Entry]:
    """The edition of the code in force on the date; None when the dictionary
    does not hold the code or no edition was in force. ``date=None`` gives
    the first stored edition. Branch codes are found as written (01R).

    >>> kodownik.entry(10013, "1", datetime.date(2003, 9, 30)).description
    'osoba, która ma orzeczenie o lekkim stopniu niepełnosprawności'
    """
    i = _common.dict_id(dict_id)
    _common.text(code, "code")
    if date is not None and not isinstance(date, datetime.date):
        raise TypeError("date must be a datetime.date or None, not %s" % type(date).__name__)
    if i is None or not code:
        return None
    d = _common.date(date)
    e = native.sl_PobierzOpisOkresu(i, code, 0 if d is None else _common.day_value(d))
    return _entry(e) if e else None


def _walk(node: Optional[native.OpisKodu], prefix: str, stop_at_codes: bool) -> Iterator[Tuple[str, native.OpisKodu]]:
    if node is None:
        return
    for d in range(10):
        slot = node[d]
        code = prefix + str(d)
        has = slot.count > 0
        if has:
            yield code, slot
        if not (has and stop_at_codes):
            yield from _walk(slot.child, code, stop_at_codes)


def codes(dict_id: int) -> Iterator[Code]:
    """Every code of a dictionary with its editions, in code order (depth
    first, digit by digit); nothing for an ID without a code list.

    >>> [c.code for c in kodownik.codes(10013)]
    ['0', '1', '2', '3', '4']
    """
    for code, slot in _walk(_root(dict_id), "", False):
        yield Code(code, tuple(_entry(e) for e in slot.entries))


def children(dict_id: int, code: str = "") -> List[str]:
    """The codes one level below a heading: the nearest longer codes that
    begin with it (steps without editions are passed through). ``code=""``
    gives the top level. [] when there are none.

    >>> kodownik.children(10004, "0111")
    ['011101', '011102']
    """
    _common.text(code, "code")
    if code == "":
        return [c for c, _ in _walk(_root(dict_id), "", True)]
    slot = _slot(dict_id, code)
    if slot is None:
        return []
    return [c for c, _ in _walk(slot.child, code, True)]


# Letters without a decomposition in Unicode, folded by hand.
_FOLD = str.maketrans({"ł": "l", "Ł": "l", "đ": "d", "ø": "o", "ß": "ss"})


@functools.lru_cache(maxsize=1 << 17)
def _fold(s: str) -> str:
    """Lower case without diacritics: "Łódź" and "LODZ" fold alike."""
    s = unicodedata.normalize("NFD", s.translate(_FOLD).lower())
    return "".join(c for c in s if not unicodedata.combining(c))


def search(dict_id: int, words: Union[str, Iterable[str]]) -> List[Found]:
    """The codes one of whose editions holds all the words, in its
    description or short text; case and diacritics do not matter. One hit
    per code (its first matching edition), in code order. ``words`` is a
    str (split at blanks) or a list of them.

    >>> [f.code for f in kodownik.search(10004, "ZOLNIERZ zawodowy")]
    ['011101', '011102']

    ValueError when there is no word; [] for an ID without a code list.
    """
    if isinstance(words, str):
        words = [words]
    wanted: List[str] = []
    for w in words:
        _common.text(w, "a word")
        wanted.extend(_fold(w).split())
    if not wanted:
        raise ValueError("search needs at least one word")
    found = []
    for code, slot in _walk(_root(dict_id), "", False):
        for e in slot.entries:
            hay = _fold(e.description or "") + "\n" + _fold(e.short_text or "")
            if all(w in hay for w in wanted):
                found.append(Found(code, _entry(e)))
                break
    return found


def _date_arg(date: Union[datetime.date, str, None]):
    """The date as the check reads it: DDMMRRRR for a day; a str is passed
    on as it stands (DDMMRRRR or MMRRRR; an ill-formed text means no date)."""
    if date is None:
        return None
    if isinstance(date, datetime.date):
        return _common.day_text(_common.date(date))
    if isinstance(date, str):
        return _common.text(date, "date")
    raise TypeError("date must be a datetime.date, a DDMMRRRR / MMRRRR str or None, not %s" % type(date).__name__)


def check(dict_id: int, code: str, date: Union[datetime.date, str, None] = None) -> bool:
    """May the code be entered in a declaration field of the dictionary on
    the date? Without a date: at any time. The rule follows the dictionary:
    digit codes (a heading of longer codes is not admissible), six-digit
    insurance title codes (10003), branch codes such as 01R (10005, 10014),
    letters (10024, 10034, 10037, 10045), names (10046, 10047).

    >>> kodownik.check(10004, "011101", datetime.date(2003, 1, 1))
    True
    >>> kodownik.check(10004, "0111")          # a heading
    False
    >>> kodownik.check(10005, "01R", "01042003")
    True

    False for an unknown ID, an empty code or one of the wrong form. A date
    text the library does not read (a month text is read for the years 1850
    to 2020 only) counts as no date; a ``datetime.date`` is always read.
    """
    i = _common.dict_id(dict_id)
    _common.text(code, "code")
    d = _date_arg(date)
    if i is None or not code:
        return False
    return native.fb_KVDKodSprawdzArkusze(i, code, d) == 0


def check_text(dict_id: int, text: str, date: Optional[datetime.date] = None) -> bool:
    """The text-code check of names (citizenships 10046, countries 10047):
    does an edition in force on the date read the text (its short text, or
    its description when it has none)? Only the first 22 characters count.
    Names are written as the dictionary writes them (capitals).

    >>> kodownik.check_text(10047, "AF", datetime.date(2005, 11, 3))
    True
    >>> kodownik.check_text(10047, "AF", datetime.date(2005, 11, 2))
    False
    """
    _common.text(text, "text")
    d = _common.date(date)
    root = _root(dict_id)
    if root is None:
        return False
    return native.sl_CzyPrawidlowyKodLiterowy(root, text, 0 if d is None else _common.day_value(d)) == 0
