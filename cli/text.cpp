#include "text.h"

namespace kodcli {

namespace {

void Append(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Base letter of the Latin letters with diacritics that the dictionaries
// hold (Polish and the other names of Central Europe), lower case; 0 when
// the character is none of them.
char16_t BaseLetter(char16_t c) {
    static const struct { char16_t from; char16_t to; } kMap[] = {
        {u'ą', u'a'}, {u'Ą', u'a'}, {u'ć', u'c'}, {u'Ć', u'c'}, {u'ę', u'e'}, {u'Ę', u'e'},
        {u'ł', u'l'}, {u'Ł', u'l'}, {u'ń', u'n'}, {u'Ń', u'n'}, {u'ó', u'o'}, {u'Ó', u'o'},
        {u'ś', u's'}, {u'Ś', u's'}, {u'ź', u'z'}, {u'Ź', u'z'}, {u'ż', u'z'}, {u'Ż', u'z'},
        {u'á', u'a'}, {u'Á', u'a'}, {u'ä', u'a'}, {u'Ä', u'a'}, {u'â', u'a'}, {u'Â', u'a'},
        {u'ă', u'a'}, {u'Ă', u'a'}, {u'č', u'c'}, {u'Č', u'c'}, {u'ç', u'c'}, {u'Ç', u'c'},
        {u'ď', u'd'}, {u'Ď', u'd'}, {u'đ', u'd'}, {u'Đ', u'd'}, {u'é', u'e'}, {u'É', u'e'},
        {u'ë', u'e'}, {u'Ë', u'e'}, {u'ě', u'e'}, {u'Ě', u'e'}, {u'í', u'i'}, {u'Í', u'i'},
        {u'î', u'i'}, {u'Î', u'i'}, {u'ĺ', u'l'}, {u'Ĺ', u'l'}, {u'ľ', u'l'}, {u'Ľ', u'l'},
        {u'ň', u'n'}, {u'Ň', u'n'}, {u'ô', u'o'}, {u'Ô', u'o'}, {u'ö', u'o'}, {u'Ö', u'o'},
        {u'ő', u'o'}, {u'Ő', u'o'}, {u'ŕ', u'r'}, {u'Ŕ', u'r'}, {u'ř', u'r'}, {u'Ř', u'r'},
        {u'š', u's'}, {u'Š', u's'}, {u'ş', u's'}, {u'Ş', u's'}, {u'ť', u't'}, {u'Ť', u't'},
        {u'ţ', u't'}, {u'Ţ', u't'}, {u'ú', u'u'}, {u'Ú', u'u'}, {u'ů', u'u'}, {u'Ů', u'u'},
        {u'ü', u'u'}, {u'Ü', u'u'}, {u'ű', u'u'}, {u'Ű', u'u'}, {u'ý', u'y'}, {u'Ý', u'y'},
        {u'ž', u'z'}, {u'Ž', u'z'}, {u'ß', u's'},
    };
    for (const auto& m : kMap) {
        if (m.from == c) return m.to;
    }
    return 0;
}

}  // namespace

std::string ToUtf8(const KChar* text) {
    std::string out;
    if (!text) return out;
    for (const KChar* p = text; *p; ++p) {
        char32_t c = static_cast<char16_t>(*p);
        if (c >= 0xD800 && c <= 0xDBFF) {
            char32_t low = static_cast<char16_t>(p[1]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++p;
            } else {
                c = 0xFFFD;
            }
        } else if (c >= 0xDC00 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        Append(out, c);
    }
    return out;
}

bool FromUtf8(const std::string& text, std::u16string& out) {
    std::u16string result;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text.data());
    const unsigned char* end = p + text.size();
    while (p < end) {
        unsigned char b = *p++;
        char32_t c;
        int more;
        if (b < 0x80) {
            c = b;
            more = 0;
        } else if (b >= 0xC2 && b <= 0xDF) {
            c = b & 0x1F;
            more = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            c = b & 0x0F;
            more = 2;
        } else if (b >= 0xF0 && b <= 0xF4) {
            c = b & 0x07;
            more = 3;
        } else {
            return false;
        }
        if (end - p < more) return false;
        for (int i = 0; i < more; ++i) {
            if ((p[i] & 0xC0) != 0x80) return false;
            c = (c << 6) | (p[i] & 0x3F);
        }
        p += more;
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if ((more == 2 && c < 0x800) || (more == 3 && c < 0x10000) || c > 0x10FFFF ||
            (c >= 0xD800 && c <= 0xDFFF)) {
            return false;
        }
        if (c >= 0x10000) {
            c -= 0x10000;
            result += static_cast<char16_t>(0xD800 + (c >> 10));
            result += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            result += static_cast<char16_t>(c);
        }
    }
    out.swap(result);
    return true;
}

std::u16string Fold(const std::u16string& text) {
    std::u16string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        if (c >= u'A' && c <= u'Z') {
            out += static_cast<char16_t>(c - u'A' + u'a');
        } else if (char16_t base = BaseLetter(c)) {
            out += base;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace kodcli
