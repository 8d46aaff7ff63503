"""Insurance titles, benefit codes, payers and relatives."""

import dataclasses
import datetime
import enum
from typing import Dict, List, Mapping, NamedTuple, Optional, Sequence, Tuple, Union

from . import _common, native
from ._dates import today

__all__ = [
    "Status", "StatusSet", "Insurance", "INSURANCES", "FORMS", "Title", "Period", "BranchKey", "PayerKind", "Question",
    "title", "statuses", "condition_holds", "has_rules", "form_admits", "title_period", "contribution_base_allows",
    "check_branch",
    "amount_type_is", "contribution_days_type_is", "period_from_type_is", "period_to_type_is", "benefit_type_is",
    "msc_type_is", "amount_type_for", "benefit_allowed", "benefit_allowed_period", "benefits_together",
    "dra_type_is", "wst",
    "reason_fits", "relationship_matches", "relationship_has", "relationship_in_age_group",
]

DateArg = Optional[datetime.date]
Dates = Union[None, datetime.date, Sequence[datetime.date]]


class Status(enum.Enum):
    """A status a person with an insurance title may have in an insurance.

    >>> kodownik.Status("O")
    <Status.OBLIGATORY: 'O'>
    """
    OBLIGATORY = "O"
    VOLUNTARY = "D"
    NOT_SUBJECT = "N"
    OTHER_TITLE = "W"  #: held only by the titles 3000 and 5000

    def __repr__(self):
        return "<Status.%s: %r>" % (self.name, self.value)


class StatusSet(frozenset):
    """A set of :class:`Status`, shown in a fixed order (O, D, N, W).

    >>> kodownik.statuses("041100", "accident", datetime.date(2005, 6, 15))
    StatusSet({Status.OBLIGATORY, Status.NOT_SUBJECT})
    """

    def __repr__(self):
        return "StatusSet({%s})" % ", ".join("Status." + s.name for s in Status if s in self)


class Insurance(enum.IntEnum):
    """The five insurances, by the library's index.

    >>> kodownik.Insurance["SICKNESS"]
    <Insurance.SICKNESS: 2>
    """
    PENSION = 0
    DISABILITY = 1
    SICKNESS = 2
    ACCIDENT = 3
    HEALTH = 4


#: The keys of :attr:`Title.insurances`, in index order.
INSURANCES: Tuple[str, ...] = ("pension", "disability", "sickness", "accident", "health")

#: The forms that admit insurance title codes.
FORMS: Tuple[str, ...] = ("ZUS DRA", "ZUS RCA", "ZUS RNA", "ZUS RZA", "ZUS ZUA", "ZUS ZZA")

_FORM_FUNCTIONS = {
    "DRA": native.fb_KVD_KodTyt_WypDok_DRA_ONE, "RCA": native.fb_KVD_KodTyt_WypDok_RCA_ONE,
    "RNA": native.fb_KVD_KodTyt_WypDok_RNA_ONE, "RZA": native.fb_KVD_KodTyt_WypDok_RZA_ONE,
    "ZUA": native.fb_KVD_KodTyt_WypDok_ZUA_ONE, "ZZA": native.fb_KVD_KodTyt_WypDok_ZZA_ONE,
}


class Period(NamedTuple):
    """A span of dates, both ends inclusive; an open end is date.max."""
    valid_from: datetime.date
    valid_to: datetime.date


@dataclasses.dataclass(frozen=True)
class Title:
    """What a six-digit insurance title code means on a date (what
    ``kodownik title`` prints).

    - ``description``: the title's wording in dictionary 10015, or None;
    - ``has_rules``, ``rules_in_force``: the code has insurance rules, and
      one of them is in force on the date;
    - ``insurances``: for each of ``'pension'``, ``'disability'``,
      ``'sickness'``, ``'accident'``, ``'health'`` the set of
      :class:`Status` the rules allow on the date;
    - ``forms``: the forms that admit the code on the date (``'ZUS RCA'``...);
    - ``benefit_codes``: the benefit and break codes that may be reported
      under it in the date's month, ascending.
    """
    code: str
    date: datetime.date
    description: Optional[str]
    has_rules: bool
    rules_in_force: bool
    insurances: Mapping[str, StatusSet]
    forms: Tuple[str, ...]
    benefit_codes: Tuple[str, ...]


def _insurance(value: Union[Insurance, int, str]) -> int:
    if isinstance(value, str):
        key = value.lower()
        if key not in INSURANCES:
            raise ValueError("insurance must be one of %s, not %r" % (", ".join(INSURANCES), value))
        return INSURANCES.index(key)
    if isinstance(value, bool) or not isinstance(value, int):
        raise TypeError("insurance must be an Insurance, its index or its name, not %s" % type(value).__name__)
    if not 0 <= value <= 4:
        raise ValueError("insurance index must be 0 to 4, not %d" % value)
    return int(value)


def _dates(dates: Dates, name: str = "dates") -> List[str]:
    """DDMMRRRR texts of one date or a list of them; [] for None."""
    if dates is None:
        return []
    if isinstance(dates, datetime.date):
        return [_common.day_text(_common.date(dates, name))]
    if isinstance(dates, (str, bytes)) or not isinstance(dates, (list, tuple)):
        raise TypeError("%s must be a datetime.date, a list of them or None, not %s" % (name, type(dates).__name__))
    if not dates:
        raise ValueError("%s is an empty list: give None for no date" % name)
    if len(dates) > 1000:
        raise ValueError("%s holds %d dates; at most 1000" % (name, len(dates)))
    return [_common.day_text(_common.date(d, "%s[%d]" % (name, i), optional=False)) for i, d in enumerate(dates)]


def _split(code: str) -> Tuple[str, str, str]:
    return code[:4], code[4:5], code[5:6]


def _day(date: DateArg) -> Optional[str]:
    d = _common.date(date)
    return None if d is None else _common.day_text(d)


def _title_code(code: str) -> str:
    if not _common.six_digits(code):
        shown = code if len(code) <= 20 else code[:20] + "..."
        raise ValueError("%r is not an insurance title code: give six digits, such as 011000 "
                         "(title 0110, pension-right digit 0, disability digit 0)" % shown)
    return code


def statuses(code: str, insurance: Union[Insurance, int, str], date: datetime.date) -> StatusSet:
    """The statuses the rules of the title code allow in the insurance on
    the date (a date no rule covers counts as not subject); an empty set
    for a code without rules.

    >>> sorted(s.value for s in kodownik.statuses("041100", "sickness", datetime.date(2005, 6, 15)))
    ['D', 'N']
    """
    i = _insurance(insurance)
    d = _common.day_text(_common.date(date, optional=False))
    if not _common.six_digits(code):
        return StatusSet()
    t, p, r = _split(code)
    return StatusSet(s for s in Status if native.fb_KVD_Slw_Podl_ONE(t, p, r, i, s.value, [d]) == 0)


def condition_holds(code: str, insurance: Union[Insurance, int, str], condition: str, dates: Dates,
                    every: bool = False) -> bool:
    """Does the condition hold in the insurance of the title code: on some
    date for some rule period covering it, or with ``every=True`` on every
    date for every such period? A condition lists status letters separated
    by commas, each maybe negated: ``"O"``, ``"N,!O"``, ``"!N,!D"``.
    ``dates=None``: no date (then ``every`` holds, the other does not).

    >>> kodownik.condition_holds("041100", "sickness", "!O", datetime.date(2005, 6, 15))
    True

    False for a code without rules.
    """
    i = _insurance(insurance)
    _common.text(condition, "condition")
    texts = _dates(dates)
    if not isinstance(every, bool):
        raise TypeError("every must be a bool")
    if not _common.six_digits(code):
        return False
    t, p, r = _split(code)
    f = native.fb_KVD_Slw_Podl_ALL if every else native.fb_KVD_Slw_Podl_ONE
    return f(t, p, r, i, condition, texts) == 0


def has_rules(code: str, date: DateArg = None) -> bool:
    """Does the title code have insurance rules (one in force on the date,
    when a date is given)?

    >>> kodownik.has_rules("041200"), kodownik.has_rules("041200", datetime.date(2010, 1, 15))
    (True, False)
    """
    d = _day(date)
    if not _common.six_digits(code):
        return False
    return native.fb_KVDZasadyPodleganiaUb(*_split(code), d) == 0


def _form_name(form: str) -> str:
    _common.text(form, "form")
    key = form.upper()
    key = key[4:] if key.startswith("ZUS ") else key
    if key not in _FORM_FUNCTIONS:
        raise ValueError("form must be one of %s, not %r" % (", ".join(FORMS), form))
    return key


def form_admits(form: str, code: str, dates: Dates = None) -> bool:
    """Does the form (``"ZUS RCA"`` or ``"RCA"``...) admit the title code on
    the date, on one of a list of dates, or (``None``) at some time?

    >>> kodownik.form_admits("ZUS RCA", "041100", datetime.date(2005, 6, 15))
    True
    >>> kodownik.form_admits("ZUS DRA", "041100", datetime.date(2005, 6, 15))
    False
    """
    f = _FORM_FUNCTIONS[_form_name(form)]
    texts = _dates(dates)
    if not _common.six_digits(code):
        return False
    return f(None, *_split(code), texts) == 0


def title_period(code: str) -> Optional[Period]:
    """The span of all the title code's insurance rules (gaps included), or
    None for a code without rules.

    >>> kodownik.title_period("300000")
    Period(valid_from=datetime.date(1999, 1, 1), valid_to=datetime.date(9999, 12, 31))
    """
    _common.text(code, "code")
    import ctypes
    a, b = ctypes.c_int(0), ctypes.c_int(0)
    if native.sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia(code, a, b) != 0:
        return None
    return Period(_common.from_value(a.value), _common.from_value(b.value))


def contribution_base_allows(code: str, mask: int, date: DateArg = None) -> bool:
    """Does the title code's contribution-base entry (dictionary 10048) in
    force on the date (without a date: its first) have a bit of the mask
    (bits 1, 2, 4)?

    >>> kodownik.contribution_base_allows("057000", 4), kodownik.contribution_base_allows("057000", 1)
    (True, False)
    """
    m = _common.integer(mask, "mask")
    d = _day(date)
    _common.text(code, "code")
    return native.sl_SprawdzPodstawySkladek(code, m, d) == 0


class BranchKey(enum.IntEnum):
    """What names a ZUS branch in :func:`check_branch`."""
    CODE = 0
    NIP = 1
    REGON = 2
    NAME = 3


def check_branch(key: str, kind: BranchKey = BranchKey.NIP, date: DateArg = None) -> bool:
    """Is the key the NIP (REGON, name, code) of a ZUS branch in force on
    the date (without a date: at any time)? Exact comparison.

    >>> kodownik.check_branch("5422591316")
    True
    >>> kodownik.check_branch("Oddział we Wrocławiu", kodownik.BranchKey.NAME)
    True
    """
    _common.text(key, "key")
    if isinstance(kind, bool) or not isinstance(kind, int):
        raise TypeError("kind must be a BranchKey, not %s" % type(kind).__name__)
    k = BranchKey(kind)
    return native.sl_SprawdzSlownikNIPZUS(int(k), key, _day(date)) == 0


_ALLOWED = 120  # attribute of an entry of dictionary 10001 that allows the code


def _allowed_by_list(title: str, code: str, month: int) -> bool:
    """The month check read from the title's list in dictionary 10001: an
    entry naming the code, allowing it, whose months hold the month YYYYMM."""
    slot = native.sl_PobierzOpisKodu(native.sl_PobierzSlownik(10001), title)
    return bool(slot) and any(e.short_text == code and e.attribute == _ALLOWED and
                              e.valid_from // 100 <= month <= e.valid_to // 100 for e in slot.entries)


def _allowed_in_month(title: str, code: str, month: datetime.date) -> bool:
    """May the code be reported under the six-digit title in the month. The
    library reads month texts of the years 1850 to 2020 only (another is
    taken for the current month), so months outside are read from the
    title's list by the same rule."""
    if 1850 <= month.year <= 2020:
        return native.fb_KVDZaleznosciKodSwKodTytIdent(*_split(title), code, _common.month_text(month)) == 0
    return _allowed_by_list(title, code, month.year * 100 + month.month)


def _benefit_codes(code: str, month: datetime.date) -> Tuple[str, ...]:
    slot = native.sl_PobierzOpisKodu(native.sl_PobierzSlownik(10001), code)
    named = sorted({e.short_text for e in (slot.entries if slot else ()) if e.short_text})
    return tuple(b for b in named if _allowed_in_month(code, b, month))


def title(code: str, date: DateArg = None) -> Title:
    """What a six-digit insurance title code (four-digit title, pension-right
    digit, disability digit) means on a date (default: today): its insurances,
    forms and benefit codes. ValueError for anything but six digits.

    >>> t = kodownik.title("041100", datetime.date(2005, 6, 15))
    >>> sorted(s.value for s in t.insurances["accident"]), t.forms[0], t.benefit_codes[:3]
    (['N', 'O'], 'ZUS RCA', ('311', '312', '313'))
    """
    _common.text(code, "code")
    d = _common.date(date) or today()
    _title_code(code)
    t, p, r = _split(code)
    day = _common.day_text(d)
    description = native.sl_PobierzOpisOkresu(10015, t, _common.day_value(d))
    insurances: Dict[str, StatusSet] = {}
    for i, key in enumerate(INSURANCES):
        insurances[key] = StatusSet(s for s in Status if native.fb_KVD_Slw_Podl_ONE(t, p, r, i, s.value, [day]) == 0)
    forms = tuple(name for name in FORMS if _FORM_FUNCTIONS[name[4:]](None, t, p, r, [day]) == 0)
    return Title(code=code, date=d, description=description.description if description else None,
                 has_rules=native.fb_KVDZasadyPodleganiaUb(t, p, r, None) == 0,
                 rules_in_force=native.fb_KVDZasadyPodleganiaUb(t, p, r, day) == 0,
                 insurances=insurances, forms=forms,
                 benefit_codes=_benefit_codes(code, d))


# ---- benefit codes --------------------------------------------------------

def _month(month: datetime.date) -> str:
    """MMRRRR of a month for the dependency tables. The library reads month
    texts of the years 1850 to 2020 only (another is taken for the current
    month); the tables' periods begin in 1999 and their last ones are open
    since 2010, so a month outside is asked as the nearest month inside."""
    d = _common.date(month, "month", optional=False)
    if d.year > 2020:
        return "122020"
    if d.year < 1850:
        return "011850"
    return _common.month_text(d)


def _benefit_args(code: str, expected: int, month: datetime.date) -> Tuple[str, int, str]:
    return _common.text(code, "code"), _common.integer(expected, "expected"), _month(month)


def amount_type_is(title: str, code: str, expected: int, month: datetime.date) -> bool:
    """Is the benefit code's amount type in the month the expected one (the
    types 106 and 107 read as 105 for some titles)? Types are the library's
    numbers 100 to 124.

    >>> kodownik.amount_type_is("051000", "311", 105, datetime.date(2005, 1, 1))
    True
    """
    _common.text(title, "title")
    c, e, m = _benefit_args(code, expected, month)
    return native.fb_KVDZaleznosciKodSwKwotaTyp(title, c, e, m) == 0


def contribution_days_type_is(code: str, expected: int, month: datetime.date) -> bool:
    """Is the benefit code's contribution-days type in the month the expected one?

    >>> kodownik.contribution_days_type_is("401", 113, datetime.date(2009, 12, 1))
    True
    """
    return native.fb_KVDZaleznosciKodSwLiczbaDniSkladkiTyp(*_benefit_args(code, expected, month)) == 0


def period_from_type_is(code: str, expected: int, month: datetime.date) -> bool:
    """Is the benefit code's period-from type in the month the expected one?

    >>> kodownik.period_from_type_is("111", 101, datetime.date(1999, 1, 1))
    True
    """
    return native.fb_KVDZaleznosciKodSwOkresOdTyp(*_benefit_args(code, expected, month)) == 0


def period_to_type_is(code: str, expected: int, month: datetime.date) -> bool:
    """Is the benefit code's period-to type in the month the expected one?

    >>> kodownik.period_to_type_is("140", 102, datetime.date(2002, 1, 1))
    True
    """
    return native.fb_KVDZaleznosciKodSwOkresDoTyp(*_benefit_args(code, expected, month)) == 0


def benefit_type_is(code: str, expected: int, month: datetime.date) -> bool:
    """Is the benefit code's benefit type in the month the expected one?

    >>> kodownik.benefit_type_is("313", 102, datetime.date(2005, 1, 1))
    True
    """
    return native.fb_KVDTypSwiadczenia(*_benefit_args(code, expected, month)) == 0


def msc_type_is(code: str, expected: int, month: datetime.date) -> bool:
    """Is the benefit code's MSC type in the month the expected one?

    >>> kodownik.msc_type_is("111", 116, datetime.date(2000, 1, 1))
    True
    """
    return native.fb_KVDZaleznosciKodSw_MSCTyp(*_benefit_args(code, expected, month)) == 0


def amount_type_for(title: str, kind: int) -> int:
    """The amount type to use under the title: 105 in place of 106 or 107
    for the titles that call for it, any other type unchanged.

    >>> kodownik.amount_type_for("051000", 106), kodownik.amount_type_for("011000", 106)
    (105, 106)
    """
    _common.text(title, "title")
    return native.ZamienStala(title, _common.integer(kind, "kind"))


def benefit_allowed(title: str, code: str, month: datetime.date) -> bool:
    """May the benefit or break code be reported under the six-digit title
    code in the date's month (dictionary 10001)?

    >>> kodownik.benefit_allowed("011000", "155", datetime.date(2004, 6, 1))
    True
    >>> kodownik.benefit_allowed("011000", "155", datetime.date(2005, 1, 1))
    False
    """
    _common.text(title, "title")
    _common.text(code, "code")
    m = _common.date(month, "month", optional=False)
    if not _common.six_digits(title):
        return False
    return _allowed_in_month(title, code, m)


def benefit_allowed_period(title: str, code: str, start: DateArg, end: DateArg, whole_period: bool = False) -> bool:
    """May the benefit code be reported under the title in the period from
    start to end: on its first or last day, or (``whole_period=True``) by one
    allowed edition spanning it all? With neither date: is the code named for
    the title at all.

    >>> kodownik.benefit_allowed_period("011000", "155", datetime.date(2003, 1, 1), datetime.date(2004, 12, 31), True)
    True
    >>> kodownik.benefit_allowed_period("011000", "155", datetime.date(2003, 1, 1), datetime.date(2005, 12, 31), True)
    False
    """
    _common.text(title, "title")
    _common.text(code, "code")
    a, b = _day(start), _day(end)
    if not isinstance(whole_period, bool):
        raise TypeError("whole_period must be a bool")
    if not _common.six_digits(title):
        return False
    return native.fb_KVDZaleznosciKodSwKodTyt(*_split(title), code, a or "", b or "", int(whole_period)) == 0


def benefits_together(first: str, second: str, date: DateArg = None) -> bool:
    """May the two benefit codes be reported together (on the date; without
    one, at any time)?

    >>> kodownik.benefits_together("111", "155", datetime.date(2004, 6, 15))
    True
    >>> kodownik.benefits_together("111", "155", datetime.date(2005, 1, 1))
    False
    """
    _common.text(first, "first")
    _common.text(second, "second")
    d = _common.date(date)
    return native.fb_KVDKodySwiadMogaBycRazem(first, second, -1 if d is None else _common.day_value(d))


def dra_type_is(code: str, expected: int, date: DateArg = None) -> bool:
    """Is the benefit code's ZUS DRA type on the date the expected one?
    Without a date: is the code in the DRA table at all.

    >>> kodownik.dra_type_is("211", 122, datetime.date(2008, 6, 30))
    True
    >>> kodownik.dra_type_is("211", 122, datetime.date(2008, 7, 1))
    False
    """
    _common.text(code, "code")
    e = _common.integer(expected, "expected")
    d = _common.date(date)
    return native.sl_SprawdzKodSwDRA(code, e, 0 if d is None else _common.day_value(d)) == 0


def wst(code: str, date: datetime.date) -> Optional[int]:
    """The WST number of the benefit code on the date, or None when the code
    has none.

    >>> kodownik.wst("212", datetime.date(2009, 9, 1)), kodownik.wst("999", datetime.date(2005, 1, 1))
    (48, None)
    """
    _common.text(code, "code")
    d = _common.day_text(_common.date(date, optional=False))
    v = native.sl_SprawdzKodSwWST(code, d)
    return None if v == -1 else v


# ---- payers and relatives -------------------------------------------------

class PayerKind(enum.Enum):
    """The kind of a payer, for deregistration reasons."""
    LEGAL_PERSON = "P"
    NATURAL_PERSON = "F"


def reason_fits(code: str, payer: Union[PayerKind, str], date: DateArg = None) -> bool:
    """May a payer of the kind (``PayerKind`` or ``"P"`` / ``"F"``) give the
    three-digit deregistration reason (dictionary 10008) on the date (without
    one: at any time)?

    >>> kodownik.reason_fits("112", "F", datetime.date(2002, 6, 15)), kodownik.reason_fits("112", "P")
    (True, False)
    """
    _common.text(code, "code")
    if isinstance(payer, str) and not isinstance(payer, PayerKind):
        try:
            payer = PayerKind(payer)
        except ValueError:
            raise ValueError("payer must be 'P' (legal person) or 'F' (natural person), not %r" % payer) from None
    if not isinstance(payer, PayerKind):
        raise TypeError("payer must be a PayerKind, 'P' or 'F', not %s" % type(payer).__name__)
    return native.fb_KodWyrRozlicznikaTyp(code, payer.value, _day(date)) == 0


class Question(enum.IntEnum):
    """The questions of the relationship checks (dictionary 10006)."""
    ASCENDANT = 1   #: parents, step-parents, grandparents, adopters, other ascendants
    ANY = 2         #: every code of the dictionary
    MARK = 3        #: the code's mark (short text)


def _question(value) -> int:
    if isinstance(value, bool) or not isinstance(value, int):
        raise TypeError("question must be a Question, not %s" % type(value).__name__)
    return int(value)


def relationship_matches(code: str, question: Question, mark: str = "\0") -> bool:
    """Does the two-digit relationship code answer the question? For
    ``Question.MARK``: has it no mark, or the given one?

    >>> kodownik.relationship_matches("30", kodownik.Question.ASCENDANT)
    True
    >>> kodownik.relationship_matches("11", kodownik.Question.MARK, "2")
    False
    """
    _common.text(code, "code")
    q = _question(question)
    if not isinstance(mark, str) or len(mark) != 1:
        raise TypeError("mark must be one character")
    return native.fb_KVDKodPokrewienstwa(code, q, mark) == 0


def relationship_has(code: str, question: Question) -> bool:
    """Does the relationship code answer the question; for
    ``Question.MARK``: does it carry a mark?

    >>> kodownik.relationship_has("11", kodownik.Question.MARK), kodownik.relationship_has("30", kodownik.Question.MARK)
    (True, False)
    """
    _common.text(code, "code")
    return native.fb_KVDKodPokrewienstwaJest(code, _question(question)) == 0


def relationship_in_age_group(code: str, group: Union[str, int]) -> bool:
    """Is the relationship code in the age group: ``"S"`` (parents and
    grandparents), ``"M"`` (children and grandchildren), or a bit mask?

    >>> [c for c in ("11", "30", "50") if kodownik.relationship_in_age_group(c, "S")]
    ['30']
    """
    _common.text(code, "code")
    if isinstance(group, str):
        if len(group) != 1:
            raise ValueError("group must be 'S', 'M' or a bit mask, not %r" % group)
    elif isinstance(group, bool) or not isinstance(group, int):
        raise TypeError("group must be 'S', 'M' or a bit mask, not %s" % type(group).__name__)
    elif not 0 <= group <= 0xFFFF:
        raise ValueError("a group mask must be 0 to 65535, not %d" % group)
    return native.fb_KVDKodPokrewienstwaWiek(code, group) == 0
