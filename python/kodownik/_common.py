"""Argument checks and date conversions shared by the Python-style API."""

import datetime
from typing import Optional, Union

_INT32 = (-2 ** 31, 2 ** 31 - 1)

DateLike = Union[datetime.date, str]


def dict_id(value: int) -> Optional[int]:
    """A dictionary ID as the library takes it; None when no dictionary can
    have it (outside 32 bits)."""
    if isinstance(value, bool) or not isinstance(value, int):
        raise TypeError("a dictionary ID is an int, not %s" % type(value).__name__)
    return value if _INT32[0] <= value <= _INT32[1] else None


def text(value: str, name: str) -> str:
    """A str argument: TypeError for another type, ValueError for a NUL."""
    if not isinstance(value, str):
        raise TypeError("%s must be a str, not %s" % (name, type(value).__name__))
    if "\0" in value:
        raise ValueError("%s must not hold a NUL character" % name)
    return value


def integer(value: int, name: str) -> int:
    if isinstance(value, bool) or not isinstance(value, int):
        raise TypeError("%s must be an int, not %s" % (name, type(value).__name__))
    if not _INT32[0] <= value <= _INT32[1]:
        raise ValueError("%s must fit 32 bits, not %d" % (name, value))
    return value


def date(value: Optional[datetime.date], name: str = "date", optional: bool = True) -> Optional[datetime.date]:
    """A datetime.date argument (a datetime counts as its day)."""
    if value is None:
        if optional:
            return None
        raise TypeError("%s must be a datetime.date, not None" % name)
    if isinstance(value, datetime.datetime):
        return value.date()
    if not isinstance(value, datetime.date):
        raise TypeError("%s must be a datetime.date%s, not %s" % (name, " or None" if optional else "",
                                                                 type(value).__name__))
    return value


def day_text(d: datetime.date) -> str:
    """DDMMRRRR of a date."""
    return "%02d%02d%04d" % (d.day, d.month, d.year)


def month_text(d: datetime.date) -> str:
    """MMRRRR of a date's month."""
    return "%02d%04d" % (d.month, d.year)


def day_value(d: datetime.date) -> int:
    """YYYYMMDD of a date."""
    return d.year * 10000 + d.month * 100 + d.day


def from_value(value: int) -> datetime.date:
    """The date of a stored YYYYMMDD bound; 99991231 (an open end) is date.max."""
    if value >= 99991231:
        return datetime.date.max
    try:
        return datetime.date(value // 10000, value // 100 % 100, value % 100)
    except ValueError:
        return datetime.date.min if value < 10000101 else datetime.date.max


def six_digits(code: str, name: str = "code") -> bool:
    """True when a str argument is a six-digit insurance title code."""
    text(code, name)
    return len(code) == 6 and code.isascii() and code.isdigit()
