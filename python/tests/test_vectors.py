"""Every case of the conformance vectors (tests/vectors/*.vec) through
kodownik.native: the same answers as the C runner gets, so each of the 59
wrappers passes its arguments in the right order and types and reads the
results right. Cases for the 8-bit library only (A:) are left out."""

import ctypes
import glob
import os
import re
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

from kodownik import native  # noqa: E402

VECTORS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "vectors")

# Fixed arguments before the variadic date list.
VARIADIC = {"sl_NajwczesniejszaData": 1, "sl_NajpozniejszaData": 1, "fb_KVD_Slw_Podl_ALL": 5,
            "fb_KVD_Slw_Podl_ONE": 5}
VARIADIC.update({"fb_KVD_KodTyt_WypDok_%s_ONE" % f: 4 for f in ("DRA", "RCA", "RNA", "RZA", "ZUA", "ZZA")})


class Out:
    """The runner's `out`: an int place preset to 12345."""


class Buf:
    """The runner's `buf`: nine zero characters."""


class Parser:
    def __init__(self, s):
        self.s, self.i = s, 0
        self.eight_bit = False  # the bw_ functions take every text as 8 bits

    def ws(self):
        while self.i < len(self.s) and self.s[self.i] in " \t":
            self.i += 1

    def peek(self, t):
        self.ws()
        return self.s.startswith(t, self.i)

    def take(self, t):
        if not self.peek(t):
            raise ValueError("expected %r at %d in %s" % (t, self.i, self.s))
        self.i += len(t)

    def string(self, eight_bit=False):
        """A text; for an 8-bit one (a8"...") bytes: \\xHH one raw byte,
        every other character in Windows-1250."""
        self.take('"')
        out = []  # str pieces, or ints for raw \\xHH units
        while self.s[self.i] != '"':
            c = self.s[self.i]
            if c == "\\":
                n = self.s[self.i + 1]
                if n == "x":
                    out.append(int(self.s[self.i + 2:self.i + 4], 16))
                    self.i += 4
                    continue
                if n == "u":
                    end = self.s.index("}", self.i)
                    out.append(chr(int(self.s[self.i + 3:end], 16)))
                    self.i = end + 1
                    continue
                out.append({"n": "\n", "t": "\t"}.get(n, n))
                self.i += 2
                continue
            out.append(c)
            self.i += 1
        self.i += 1
        if eight_bit:
            return b"".join(bytes([x]) if isinstance(x, int) else x.encode("cp1250") for x in out)
        return "".join(chr(x) if isinstance(x, int) else x for x in out)

    def number(self):
        self.ws()
        m = re.compile(r"-?(0x[0-9a-fA-F]+|\d+)").match(self.s, self.i)
        self.i = m.end()
        return int(m.group(0), 0)

    def value(self):
        """One argument; a list of arguments for `#N` copies."""
        self.ws()
        s = self.s
        if s.startswith('a8"', self.i):
            self.i += 2
            return self.string(True)
        if s.startswith('"', self.i):
            v = self.string(self.eight_bit)
            if self.peek("*"):
                self.take("*")
                v = v * self.number()
            if self.peek("#"):
                self.take("#")
                return [v] * self.number()
            return v
        if s.startswith("'", self.i):
            v = s[self.i + 1]
            self.i += 3
            return ord(v)
        for word, v in (("null", None), ("true", True), ("false", False)):
            if s.startswith(word, self.i):
                self.i += len(word)
                return v
        if s.startswith("out", self.i):
            self.i += 3
            return Out()
        if s.startswith("buf", self.i):
            self.i += 3
            return Buf()
        if s.startswith("root(", self.i):
            self.take("root(")
            n = self.number()
            self.take(")")
            return native.sl_PobierzSlownik(n)
        if s.startswith("slot(", self.i):
            self.take("slot(")
            n = self.number()
            self.take(",")
            code = self.string()
            self.take(")")
            return native.sl_PobierzOpisKodu(native.sl_PobierzSlownik(n), code)
        if s.startswith("[", self.i):
            self.take("[")
            items = []
            while not self.peek("]"):
                items.append(self.value())
                if self.peek(","):
                    self.take(",")
            self.take("]")
            return items
        return self.number()

    def call(self):
        m = re.compile(r"\s*(\w+)\(").match(self.s, self.i)
        self.i = m.end()
        self.eight_bit = m.group(1).startswith("bw_")
        args = []
        while not self.peek(")"):
            v = self.value()
            if isinstance(v, list) and m.group(1) in VARIADIC:
                args.extend(v)
            else:
                args.append(v)
            if self.peek(","):
                self.take(",")
        self.take(")")
        self.eight_bit = False
        return m.group(1), args


def expected(p):
    """The expected result, in a form compared below."""
    p.ws()
    s = p.s
    if s.startswith("@", p.i):
        p.i += 1
        return ("arg", p.number())
    if s.startswith("{", p.i):
        p.take("{")
        fields = []
        for _ in range(5):
            fields.append(p.value())
            if p.peek(","):
                p.take(",")
        p.take("}")
        return ("record", tuple(fields))
    if s.startswith("slot(", p.i):
        p.take("slot(")
        n = p.number()
        p.take(",")
        p.ws()
        child = s.startswith("child", p.i)
        p.i += len("child" if child else "nochild")
        p.take(")")
        return ("slot", n, child)
    for word in ("today%10000", "today/100", "today_ddmmrrrr", "today"):
        if s.startswith(word, p.i):
            p.i += len(word)
            return ("today", word)
    return ("value", p.value())


def today(word):
    t = native.sl_Now(None)
    return {"today": t, "today/100": t // 100, "today%10000": t % 10000,
            "today_ddmmrrrr": "%02d%02d%04d" % (t % 100, t // 100 % 100, t // 10000)}[word]


def run(name, args):
    places = []
    call = []
    for a in args:
        if isinstance(a, Out):
            a = ctypes.c_int(12345)
            places.append(a)
        elif isinstance(a, Buf):
            a = native.TextBuffer(9)
            places.append(a)
        call.append(a)
    if name in VARIADIC:
        k = VARIADIC[name]
        call = call[:k] + [call[k:]]
    elif name == "fb_KVD_KodTyt_WypDok_ONE" and isinstance(call[2], list):
        call[2] = [x for x in call[2]]
    return getattr(native, name)(*call), places


def matches(want, got, args):
    kind = want[0]
    if kind == "value":
        v = want[1]
        if isinstance(v, bool):
            return got is v
        return got == v and type(got) is not bool if isinstance(v, int) else got == v
    if kind == "today":
        return got == today(want[1])
    if kind == "arg":
        return got == args[want[1]]
    if kind == "record":
        d, f, t, a, st = want[1]
        return isinstance(got, native.OpisOkresu) and (got.description, got.valid_from, got.valid_to,
                                                       got.attribute, got.short_text) == (d, f, t, a, st)
    if kind == "slot":
        return isinstance(got, native.OpisKodu) and got.count == want[1] and (got.child is not None) == want[2]
    raise AssertionError(kind)


def cases():
    for path in sorted(glob.glob(os.path.join(VECTORS, "*.vec"))):
        with open(path, encoding="utf-8") as f:
            for n, line in enumerate(f, 1):
                line = line.strip()
                if not line or line.startswith("#") or line.startswith("A:"):
                    continue
                if line.startswith("W:"):
                    line = line[2:]
                yield "%s:%d" % (os.path.basename(path), n), line


class Vectors(unittest.TestCase):
    def test_every_case(self):
        failures, count, nul = [], 0, 0
        used = set()
        for where, line in cases():
            p = Parser(line)
            name, args = p.call()
            used.add(name)
            p.take("=")
            want = expected(p)
            after = []
            while p.peek(","):
                p.take(",")
                after.append(expected(p))
            count += 1
            if any(isinstance(a, str) and "\0" in a for a in args) or \
                    any(isinstance(a, list) and any(isinstance(x, str) and "\0" in x for x in a) for a in args):
                # A text with a NUL cannot be passed whole: the binding refuses it.
                with self.assertRaises(ValueError, msg=where):
                    run(name, args)
                nul += 1
                continue
            try:
                got, places = run(name, args)
            except Exception as e:  # noqa: BLE001 - reported with the case
                failures.append("%s: %s raised %r" % (where, line, e))
                continue
            ok = matches(want, got, args)
            for w, place in zip(after, places):
                value = place.value
                ok = ok and (value == today(w[1]) if w[0] == "today" else value == w[1])
            if not ok:
                failures.append("%s: %s gave %r" % (where, line, got))
        self.maxDiff = None
        self.assertEqual(failures[:20], [], "%d of %d cases differ" % (len(failures), count))
        self.assertGreater(count, 25000)
        self.assertLess(nul, 20)
        missing = set(native.EXPORTS) - used
        self.assertEqual(missing, set(), "exports no vector calls")


if __name__ == "__main__":
    unittest.main()
