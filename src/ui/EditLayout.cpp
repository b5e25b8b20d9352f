#include "ui/EditLayout.h"

#include <algorithm>

namespace tavrik {

int TEditLayout::AdvanceAt(size_t index, int x) const
{
    if (text_[index] == '\t' && options_.TabWidth > 0) return (x / options_.TabWidth + 1) * options_.TabWidth - x;
    return advances_[index];
}

int TEditLayout::WidthOf(size_t start, size_t end) const
{
    int x = 0;
    for (size_t i = start; i < end; ++i) x += AdvanceAt(i, x);
    return x;
}

bool TEditLayout::Wrapping() const { return options_.MultiLine && options_.WordWrap && options_.WrapWidth > 0; }

namespace {

bool IsSpace(char32_t c) { return c == ' ' || c == '\t'; }

// Han, kana, CJK punctuation and full-width forms: text without spaces between its words,
// which may be broken between any two of its characters.
bool IsWide(char32_t c)
{
    return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x20000 && c <= 0x3FFFF);
}

// Closing marks that must not open a line, and opening ones that must not end it.
bool ClosesText(char32_t c)
{
    static constexpr std::u32string_view kClosing = U"、。，．：；？！）］｝」』】〉》〕〗〙〛％…‥・ー)]},.:;?!%";
    return kClosing.find(c) != std::u32string_view::npos;
}
bool OpensText(char32_t c)
{
    static constexpr std::u32string_view kOpening = U"（［｛「『【〈《〔〖〘〚([{";
    return kOpening.find(c) != std::u32string_view::npos;
}

// Whether a line may end between two characters: after spaces, and on either side of wide
// text, but never before a closing mark or after an opening one.
bool BreaksBetween(char32_t before, char32_t after)
{
    if (IsSpace(after) || ClosesText(after) || OpensText(before)) return false;
    return IsSpace(before) || IsWide(before) || IsWide(after);
}

} // namespace

template <typename TStop>
void TEditLayout::BreakFrom(size_t start, std::vector<TEditLine>& out, TStop stop) const
{
    bool wrap = Wrapping();
    // Where the line may end last; spaces that open a line are the first word's indent and
    // give no break, so an indented line never wraps into a line of bare spaces followed by
    // its text moved to the left edge.
    size_t lastBreak = 0; // 0 while the line has no such place
    bool wordSeen = false;
    int x = 0;
    auto endLine = [&](size_t end, size_t next) {
        out.push_back({start, end, WidthOf(start, end)});
        start = next;
        lastBreak = 0;
        wordSeen = false;
        return stop(next);
    };
    // A word longer than a line is cut before the character that does not fit, or one
    // earlier when that character is a closing mark, which goes down with its neighbour.
    auto cutBefore = [&](size_t i) {
        return ClosesText(text_[i]) && i - 1 > start && !IsSpace(text_[i - 1]) ? i - 1 : i;
    };
    for (size_t i = start; i < text_.size(); ++i) {
        char32_t c = text_[i];
        if (options_.MultiLine && c == '\n') {
            if (endLine(i, i + 1)) return;
            x = 0;
            continue;
        }
        if (wordSeen && BreaksBetween(text_[i - 1], c)) lastBreak = i;
        int w = AdvanceAt(i, x);
        if (wrap && !IsSpace(c) && i > start && x + w > options_.WrapWidth) {
            size_t end = lastBreak > start ? lastBreak : cutBefore(i);
            if (endLine(end, end)) return;
            x = WidthOf(start, i);
            w = AdvanceAt(i, x);
            // The word's start went down with it; where even that does not fit, the word is
            // cut here, as it would be on a line of its own.
            if (i > start && x + w > options_.WrapWidth) {
                size_t cut = cutBefore(i);
                if (endLine(cut, cut)) return;
                x = WidthOf(start, i);
                w = AdvanceAt(i, x);
            }
        }
        x += w;
        if (!IsSpace(c)) wordSeen = true;
    }
    out.push_back({start, text_.size(), WidthOf(start, text_.size())});
}

void TEditLayout::UpdateMaxWidth()
{
    maxWidth_ = 0;
    for (const TEditLine& line : lines_) maxWidth_ = std::max(maxWidth_, line.Width);
}

void TEditLayout::Build(std::u32string_view text, const TOptions& options, const TAdvance& advance)
{
    text_ = text;
    options_ = options;
    advances_.resize(text.size());
    for (size_t i = 0; i < text.size(); ++i) advances_[i] = text[i] == '\t' ? 0 : advance(text[i]);
    lines_.clear();
    BreakFrom(0, lines_, [](size_t) { return false; });
    UpdateMaxWidth();
}

void TEditLayout::Update(std::u32string_view text, const TOptions& options, const TAdvance& advance)
{
    if (!(options == options_)) {
        Build(text, options, advance);
        return;
    }
    // The changed run: [prefix, oldEnd) of the old text became [prefix, newEnd).
    size_t common = std::min(text.size(), text_.size());
    size_t prefix = size_t(std::mismatch(text_.begin(), text_.begin() + ptrdiff_t(common), text.begin()).first -
                           text_.begin());
    if (prefix == text.size() && prefix == text_.size()) return;
    size_t suffix = size_t(std::mismatch(text_.rbegin(), text_.rbegin() + ptrdiff_t(common - prefix), text.rbegin()).first -
                           text_.rbegin());
    size_t oldEnd = text_.size() - suffix;
    size_t newEnd = text.size() - suffix;

    std::vector<int> added(newEnd - prefix);
    for (size_t i = prefix; i < newEnd; ++i) added[i - prefix] = text[i] == '\t' ? 0 : advance(text[i]);
    text_.replace(prefix, oldEnd - prefix, text.substr(prefix, newEnd - prefix));
    advances_.erase(advances_.begin() + ptrdiff_t(prefix), advances_.begin() + ptrdiff_t(oldEnd));
    advances_.insert(advances_.begin() + ptrdiff_t(prefix), added.begin(), added.end());

    // A line's end is decided by the character that did not fit, at most the first one of
    // the line after next: the breaks of the two lines before the change may move.
    int first = LineOfChar(prefix);
    if (Wrapping()) first = std::max(0, first - 2);
    // Old lines from `first` on are either broken again or kept, moved by the change.
    std::vector<TEditLine> old(lines_.begin() + first, lines_.end());
    lines_.resize(size_t(first));
    ptrdiff_t delta = ptrdiff_t(newEnd) - ptrdiff_t(oldEnd);
    size_t kept = old.size();
    BreakFrom(old.front().Start, lines_, [&](size_t start) {
        if (start < newEnd) return false;
        size_t oldStart = size_t(ptrdiff_t(start) - delta);
        auto it = std::lower_bound(old.begin(), old.end(), oldStart,
                                   [](const TEditLine& line, size_t s) { return line.Start < s; });
        if (it == old.end() || it->Start != oldStart) return false;
        kept = size_t(it - old.begin());
        return true;
    });
    for (size_t i = kept; i < old.size(); ++i)
        lines_.push_back({size_t(ptrdiff_t(old[i].Start) + delta), size_t(ptrdiff_t(old[i].End) + delta), old[i].Width});
    UpdateMaxWidth();
}

int TEditLayout::LineOfChar(size_t pos) const
{
    auto it = std::upper_bound(lines_.begin(), lines_.end(), pos,
                               [](size_t p, const TEditLine& line) { return p < line.Start; });
    return std::max(0, int(it - lines_.begin()) - 1);
}

std::vector<int> TEditLayout::Offsets(int line) const
{
    const TEditLine& l = Line(line);
    std::vector<int> xs(l.End - l.Start + 1, 0);
    int x = 0;
    for (size_t i = l.Start; i < l.End; ++i) {
        x += AdvanceAt(i, x);
        xs[i - l.Start + 1] = x;
    }
    return xs;
}

size_t TEditLayout::CharAtX(int line, int x) const
{
    std::vector<int> xs = Offsets(line);
    size_t best = 0;
    for (size_t i = 1; i < xs.size(); ++i) {
        // Past the middle of a character counts as after it.
        if (x >= (xs[i - 1] + xs[i] + 1) / 2) best = i;
        else break;
    }
    return Line(line).Start + best;
}

} // namespace tavrik
