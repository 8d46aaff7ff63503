"""Date texts: their status codes, parsing, today, earliest and latest."""

import datetime
import enum
from typing import Iterable, Optional, Tuple, TypeVar, Union

from . import _common, native

__all__ = ["DateStatus", "date_status", "month_status", "day_status", "parse_date", "parse_month",
           "parse_day", "date_text", "month_text", "today", "earliest", "latest"]


class DateStatus(enum.IntEnum):
    """What the library says of a date text (its own numbers).

    >>> kodownik.date_status("31042005")
    <DateStatus.BAD_DAY: 60005801>
    """
    VALID = 0
    NO_TEXT = -1                  #: no text (None)
    MALFORMED = 60006201          #: wrong length, or a character that is not a digit
    BAD_MONTH = 60005701          #: month outside 01 to 12
    BAD_DAY = 60005801            #: day 00, or beyond the length of the month
    YEAR_OUT_OF_RANGE = 60006301  #: a month text's year outside 1850 to 2020

    @property
    def reason(self) -> str:
        """The status in words.

        >>> kodownik.DateStatus.BAD_MONTH.reason
        'month outside 01 to 12'
        """
        return _REASONS[self]


_REASONS = {
    DateStatus.VALID: "well formed",
    DateStatus.NO_TEXT: "no text",
    DateStatus.MALFORMED: "wrong length, or a character that is not a digit",
    DateStatus.BAD_MONTH: "month outside 01 to 12",
    DateStatus.BAD_DAY: "day 00, or beyond the length of the month",
    DateStatus.YEAR_OUT_OF_RANGE: "year outside 1850 to 2020",
}


def _status(value: int) -> DateStatus:
    try:
        return DateStatus(value)
    except ValueError:  # a number this module does not know: keep it
        return value  # type: ignore[return-value]


def _text_or_none(value: Optional[str]) -> Optional[str]:
    return None if value is None else _common.text(value, "text")


def date_status(text: Optional[str]) -> DateStatus:
    """The status of a DDMMRRRR text (a day). There is no range check on the
    year: 01010000 is well formed.

    >>> kodownik.date_status("29022004"), kodownik.date_status("2902200")
    (<DateStatus.VALID: 0>, <DateStatus.MALFORMED: 60006201>)
    """
    return _status(native.sl_PoprawnaData_DDMMRRRR(_text_or_none(text)))


def month_status(text: Optional[str]) -> DateStatus:
    """The status of an MMRRRR text (a month, years 1850 to 2020).

    >>> kodownik.month_status("012021")
    <DateStatus.YEAR_OUT_OF_RANGE: 60006301>
    """
    return _status(native.sl_PoprawnaData_MMRRRR(_text_or_none(text)))


def day_status(text: Optional[str]) -> DateStatus:
    """The status of a DDMM text (a day of any year; 2902 is well formed).

    >>> kodownik.day_status("3002")
    <DateStatus.BAD_DAY: 60005801>
    """
    return _status(native.sl_PoprawnaData_DDMM(_text_or_none(text)))


def _fail(kind: str, text: str, status: DateStatus):
    shown = text if len(text) <= 40 else text[:40] + "..."
    raise ValueError("%r is not a %s text: %s" % (shown, kind, _REASONS.get(status, str(status))))


def parse_date(text: str) -> datetime.date:
    """The day of a DDMMRRRR text; ValueError (with the reason) when the
    library does not accept it or it is year 0000.

    >>> kodownik.parse_date("31121998")
    datetime.date(1998, 12, 31)
    """
    _common.text(text, "text")
    s = date_status(text)
    if s != DateStatus.VALID:
        _fail("DDMMRRRR", text, s)
    if text[4:] == "0000":
        raise ValueError("%r: the year 0000 has no datetime.date" % text)
    return datetime.date(int(text[4:]), int(text[2:4]), int(text[:2]))


def parse_month(text: str) -> datetime.date:
    """The first day of the month of an MMRRRR text; ValueError when the
    library does not accept it.

    >>> kodownik.parse_month("122005")
    datetime.date(2005, 12, 1)
    """
    _common.text(text, "text")
    s = month_status(text)
    if s != DateStatus.VALID:
        _fail("MMRRRR", text, s)
    return datetime.date(int(text[2:]), int(text[:2]), 1)


def parse_day(text: str) -> Tuple[int, int]:
    """(month, day) of a DDMM text; ValueError when the library does not
    accept it.

    >>> kodownik.parse_day("2902")
    (2, 29)
    """
    _common.text(text, "text")
    s = day_status(text)
    if s != DateStatus.VALID:
        _fail("DDMM", text, s)
    return int(text[2:]), int(text[:2])


def date_text(date: datetime.date) -> str:
    """The DDMMRRRR text of a date, as the library reads it.

    >>> kodownik.date_text(datetime.date(2003, 1, 1))
    '01012003'
    """
    return _common.day_text(_common.date(date, optional=False))


def month_text(date: datetime.date) -> str:
    """The MMRRRR text of a date's month.

    >>> kodownik.month_text(datetime.date(2003, 1, 15))
    '012003'
    """
    return _common.month_text(_common.date(date, optional=False))


def today() -> datetime.date:
    """Today, as the library's clock (local time) gives it.

    >>> kodownik.today() == datetime.date.today()
    True
    """
    v = native.sl_Now(None)
    return datetime.date(v // 10000, v // 100 % 100, v % 100)


D = TypeVar("D", datetime.date, str)


def _pick(which, dates: Iterable[Union[datetime.date, str]], default):
    items = list(dates)
    texts = []
    for i, d in enumerate(items):
        if isinstance(d, datetime.date):
            texts.append(_common.day_text(_common.date(d)))
        elif isinstance(d, str):
            texts.append(_common.text(d, "dates[%d]" % i))
        else:
            raise TypeError("dates[%d] must be a datetime.date or a DDMMRRRR str, not %s" % (i, type(d).__name__))
    if not items:
        return default
    best = None
    # The library takes up to 1000 dates at a time; a longer list goes in
    # rounds, each round's pick joining the next.
    for start in range(0, len(texts), 999):
        chunk = texts[start:start + 999]
        idx = list(range(start, start + len(chunk)))
        if best is not None:
            chunk = [texts[best]] + chunk
            idx = [best] + idx
        picked = which(None, chunk)
        if picked is not None:
            # the library returns the very text passed in: find which
            for j, t in zip(idx, chunk):
                if t is picked:
                    best = j
                    break
    return default if best is None else items[best]


def earliest(dates: Iterable[D], default: Optional[D] = None) -> Optional[D]:
    """The earliest of the dates (datetime.date or DDMMRRRR texts; texts the
    library does not accept are passed over); of equal dates the first. The
    item itself is returned, or ``default`` when none counts.

    >>> kodownik.earliest(["01012005", "xx", "01012004", datetime.date(2004, 6, 1)])
    '01012004'
    """
    return _pick(native.sl_NajwczesniejszaData, dates, default)


def latest(dates: Iterable[D], default: Optional[D] = None) -> Optional[D]:
    """The latest of the dates, as :func:`earliest` picks the earliest.

    >>> kodownik.latest(["01012005", datetime.date(2004, 6, 1)])
    '01012005'
    >>> kodownik.latest(["31022005"], default="none")
    'none'
    """
    return _pick(native.sl_NajpozniejszaData, dates, default)
