#include "core/Utf8.h"

namespace tavrik {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

} // namespace

char32_t Utf8Next(std::string_view text, size_t& pos)
{
    if (pos >= text.size()) return 0;
    unsigned char lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int extra;
    char32_t cp;
    char32_t minimum;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, cp = lead & 0x07, minimum = 0x10000;
    } else {
        ++pos;
        return kReplacement;
    }
    if (pos + extra >= text.size()) {
        ++pos;
        return kReplacement;
    }
    for (int i = 1; i <= extra; ++i) {
        unsigned char c = static_cast<unsigned char>(text[pos + i]);
        if (!IsContinuation(c)) {
            ++pos;
            return kReplacement;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return kReplacement;
    }
    pos += extra + 1;
    return cp;
}

size_t Utf8Prev(std::string_view text, size_t pos)
{
    if (pos == 0) return 0;
    if (pos > text.size()) pos = text.size();
    // Step back over at most three continuation bytes, then check that the sequence found
    // really ends at pos; otherwise the previous byte stands alone.
    size_t start = pos - 1;
    while (start > 0 && pos - start < 4 && IsContinuation(static_cast<unsigned char>(text[start]))) --start;
    size_t probe = start;
    Utf8Next(text, probe);
    return probe == pos ? start : pos - 1;
}

void Utf8Append(std::string& out, char32_t cp)
{
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacement;
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

std::string Utf8Encode(char32_t cp)
{
    std::string s;
    Utf8Append(s, cp);
    return s;
}

std::u32string Utf8ToUtf32(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) out += Utf8Next(text, pos);
    return out;
}

std::string Utf32ToUtf8(std::u32string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t cp : text) Utf8Append(out, cp);
    return out;
}

size_t Utf8Length(std::string_view text)
{
    size_t n = 0;
    for (size_t pos = 0; pos < text.size(); ++n) Utf8Next(text, pos);
    return n;
}

std::string UpperCaseAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return out;
}

std::string LowerCaseAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return out;
}

bool SameTextAscii(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = char(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = char(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

std::string_view TrimAscii(std::string_view text)
{
    auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; };
    size_t b = 0, e = text.size();
    while (b < e && space(text[b])) ++b;
    while (e > b && space(text[e - 1])) --e;
    return text.substr(b, e - b);
}

} // namespace tavrik
