#include "shell/NaturalCompare.h"

namespace tavrik {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

unsigned char Folded(char c)
{
    unsigned char u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? u + ('a' - 'A') : u;
}

int Sign(int v) { return (v > 0) - (v < 0); }

// Compares the digit runs starting at a[i] and b[j] by value and moves both indices past
// them. zeroBias records the first difference in leading zeros for the final tie break.
int CompareNumbers(std::string_view a, size_t& i, std::string_view b, size_t& j, int& zeroBias)
{
    size_t zerosA = 0, zerosB = 0;
    while (i < a.size() && a[i] == '0' && i + 1 < a.size() && IsDigit(a[i + 1])) ++i, ++zerosA;
    while (j < b.size() && b[j] == '0' && j + 1 < b.size() && IsDigit(b[j + 1])) ++j, ++zerosB;
    size_t startA = i, startB = j;
    while (i < a.size() && IsDigit(a[i])) ++i;
    while (j < b.size() && IsDigit(b[j])) ++j;
    size_t lengthA = i - startA, lengthB = j - startB;
    if (lengthA != lengthB) return lengthA < lengthB ? -1 : 1;
    int digits = a.substr(startA, lengthA).compare(b.substr(startB, lengthB));
    if (digits != 0) return Sign(digits);
    if (zeroBias == 0 && zerosA != zerosB) zeroBias = zerosA < zerosB ? -1 : 1;
    return 0;
}

} // namespace

int CompareNatural(std::string_view a, std::string_view b)
{
    size_t i = 0, j = 0;
    int zeroBias = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            if (int c = CompareNumbers(a, i, b, j, zeroBias)) return c;
            continue;
        }
        unsigned char ca = Folded(a[i]), cb = Folded(b[j]);
        if (ca != cb) return ca < cb ? -1 : 1;
        ++i, ++j;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    if (zeroBias != 0) return zeroBias;
    return Sign(a.compare(b));
}

} // namespace tavrik
