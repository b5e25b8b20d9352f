#include "ui/EditLayout.h"

#include <algorithm>

namespace tavrik {

int TEditLayout::AdvanceAt(size_t index, int x) const
{
    if (text_[index] == '\t' && options_.TabWidth > 0) return (x / options_.TabWidth + 1) * options_.TabWidth - x;
    return advances_[index];
}

void TEditLayout::Build(std::u32string_view text, const TOptions& options, const TAdvance& advance)
{
    text_ = text;
    options_ = options;
    advances_.resize(text.size());
    for (size_t i = 0; i < text.size(); ++i) advances_[i] = text[i] == '\t' ? 0 : advance(text[i]);
    lines_.clear();
    bool wrap = options.MultiLine && options.WordWrap && options.WrapWidth > 0;
    size_t start = 0;
    size_t breakAfterSpace = 0; // a line may end here, 0 when no space was seen on this line
    int x = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (options.MultiLine && c == '\n') {
            lines_.push_back({start, i});
            start = i + 1;
            x = 0;
            breakAfterSpace = 0;
            continue;
        }
        bool space = c == ' ' || c == '\t';
        int w = AdvanceAt(i, x);
        if (wrap && !space && i > start && x + w > options.WrapWidth) {
            size_t end = breakAfterSpace > start ? breakAfterSpace : i;
            lines_.push_back({start, end});
            start = end;
            x = 0;
            for (size_t k = start; k < i; ++k) x += AdvanceAt(k, x);
            breakAfterSpace = 0;
            w = AdvanceAt(i, x);
        }
        x += w;
        if (space) breakAfterSpace = i + 1;
    }
    lines_.push_back({start, text.size()});
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

int TEditLayout::MaxLineWidth() const
{
    int widest = 0;
    for (int i = 0; i < LineCount(); ++i) widest = std::max(widest, LineWidth(i));
    return widest;
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
