"""Kodownik: the code dictionaries and validation rules of Polish
social-insurance (ZUS) declarations, in Python.

    >>> import datetime, kodownik
    >>> kodownik.check(10004, "011101", datetime.date(2003, 1, 1))
    True
    >>> kodownik.entry(10013, "1", datetime.date(2003, 10, 1)).description
    'osoba posiadająca orzeczenie o lekkim stopniu niepełnosprawności'

Dictionaries and codes
    dictionaries(), entries(id, code), entry(id, code, date), codes(id)
    (every code of a dictionary), children(id, code) (the codes one level
    below a heading), search(id, words) (all words, case and diacritics do
    not matter).
Admissibility
    check(id, code, date=None): may a code be entered in a declaration
    field; check_text(id, text, date=None): the name check of 10046, 10047;
    check_branch(key, kind, date=None): ZUS branches by NIP, REGON, name.
Dates
    date_status(text), month_status(text), day_status(text) give a
    DateStatus; parse_date / parse_month / parse_day; date_text, month_text;
    today(); earliest(dates), latest(dates).
Insurance titles
    title(code, date=None) -> Title (insurances, forms, benefit codes, as
    ``kodownik title`` prints them); statuses, condition_holds, has_rules,
    form_admits, title_period, contribution_base_allows.
Benefit and break codes
    amount_type_is, contribution_days_type_is, period_from_type_is,
    period_to_type_is, benefit_type_is, msc_type_is (the six dependency
    checks), benefit_allowed (a month), benefit_allowed_period,
    benefits_together, dra_type_is, wst, amount_type_for.
Payers and relatives
    reason_fits(code, payer, date=None); relationship_matches,
    relationship_has, relationship_in_age_group.
The C interface
    kodownik.native: the 59 exports under their own names.

Conventions: dates are ``datetime.date`` (``None`` where a function takes
"no date"); an open end of a period is ``datetime.date.max``. Codes are
``str``. Answers are ``bool``, enums, or small read-only records: an unknown
dictionary, a code of the wrong form or one that is not in the tables gives
``False``, ``None`` or ``[]``, never an exception. Wrong argument types raise
TypeError and unusable values (a NUL character in a text, an insurance
index outside 0 to 4, a malformed title code given to ``title``) ValueError,
both with a message naming the argument; no argument can crash the
interpreter or make the library read past a buffer.

EDITIONS is "snapshot" (the reference code lists) or "current" (the code
lists followed by date to 2026): the editions of the bundled library.

The library (libKodownik_W.so, Kodownik_W.dll) is loaded on first use:
bundled with the package, else from $KODOWNIK_LIBRARY, else from the source
tree's build/native, else from the system. It keeps no state; this package
and the library are safe to call from any number of threads.
"""

from ._library import EDITIONS, KodownikError, library_path
from ._dictionaries import (Code, Dictionary, Entry, Found, check, check_text, children, codes, dictionaries,
                            entries, entry, search)
from ._dates import (DateStatus, date_status, date_text, day_status, earliest, latest, month_status, month_text,
                     parse_date, parse_day, parse_month, today)
from ._rules import (FORMS, INSURANCES, BranchKey, Insurance, PayerKind, Period, Question, Status, StatusSet, Title,
                     amount_type_for, amount_type_is, benefit_allowed, benefit_allowed_period, benefit_type_is,
                     benefits_together, check_branch, condition_holds, contribution_base_allows,
                     contribution_days_type_is, dra_type_is, form_admits, has_rules, msc_type_is, period_from_type_is,
                     period_to_type_is, reason_fits, relationship_has, relationship_in_age_group, relationship_matches,
                     statuses, title, title_period, wst)
from . import native

__version__ = "1.0.0"

__all__ = [
    # dictionaries and codes
    "Dictionary", "Entry", "Code", "Found", "dictionaries", "entries", "entry", "codes", "children", "search",
    # admissibility
    "check", "check_text", "check_branch", "BranchKey",
    # dates
    "DateStatus", "date_status", "month_status", "day_status", "parse_date", "parse_month", "parse_day",
    "date_text", "month_text", "today", "earliest", "latest",
    # insurance titles
    "Title", "Status", "StatusSet", "Insurance", "INSURANCES", "FORMS", "Period", "title", "statuses", "condition_holds",
    "has_rules", "form_admits", "title_period", "contribution_base_allows",
    # benefit codes
    "amount_type_is", "contribution_days_type_is", "period_from_type_is", "period_to_type_is", "benefit_type_is",
    "msc_type_is", "amount_type_for", "benefit_allowed", "benefit_allowed_period", "benefits_together",
    "dra_type_is", "wst",
    # payers and relatives
    "PayerKind", "Question", "reason_fits", "relationship_matches", "relationship_has",
    "relationship_in_age_group",
    # the library
    "native", "library_path", "KodownikError", "EDITIONS",
]
