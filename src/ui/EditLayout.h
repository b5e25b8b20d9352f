#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

// One line of an edit's text as it is shown: the characters [Start, End). A hard line break
// ('\n', multi-line only) may follow at End; a line wrapped by word wrap goes on at End.
// Width is where the caret after End would stand, trailing spaces included.
struct TEditLine {
    size_t Start = 0;
    size_t End = 0;
    int Width = 0;
};

// Breaks an edit's text into the lines it shows and measures them: at every '\n' of a
// multi-line text and, with word wrap, at the last place that keeps a line inside the wrap
// width: after spaces, or between two characters of Chinese or Japanese text, but never
// before a closing mark ("，", "！", ")") or after an opening one (a word longer than a line
// is cut between characters, a closing mark taking its neighbour down with it). Spaces that
// open a line belong to its first word: an indented line keeps its indent rather than
// breaking after it. Spaces at the end of a line may pass the width, so a wrapped line goes
// on with the next word, never with spaces. Tabs advance to the next multiple of the tab
// width.
//
// Update lays out only what a change touched, so typing into a long memo costs about as
// much as typing into a short one. It rests on one property of the breaking rule: where a
// line starts, nothing before that start matters any more (a word carried down to a new
// line is broken as if it had started there). A line's end is decided by the character
// that did not fit, which lies on the next line or starts the one after; so a change moves
// at most the breaks of its own line and of the two before it, and the breaking starts
// again there. It stops at the first new line start behind the change that is an old line
// start moved by the change's length, since everything from there on breaks as before.
class TEditLayout {
public:
    using TAdvance = std::function<int(char32_t)>;
    struct TOptions {
        bool MultiLine = false;
        bool WordWrap = false;
        int WrapWidth = 0; // 0 or less: no wrapping
        int TabWidth = 32;
        friend bool operator==(const TOptions&, const TOptions&) = default;
    };

    // Lays the whole text out.
    void Build(std::u32string_view text, const TOptions& options, const TAdvance& advance);
    // Lays out a new version of the text, measuring only the characters that changed and
    // breaking only the lines around them. Other options than the last ones build anew; so
    // must a change of what `advance` answers (another font).
    void Update(std::u32string_view text, const TOptions& options, const TAdvance& advance);

    int LineCount() const { return int(lines_.size()); }
    const TEditLine& Line(int index) const { return lines_.at(size_t(index)); }
    // The line that shows the caret at pos; a position where a wrapped line goes on belongs
    // to the next line.
    int LineOfChar(size_t pos) const;
    // The x of every character boundary of the line, from its start: Length + 1 values.
    std::vector<int> Offsets(int line) const;
    int LineWidth(int line) const { return Line(line).Width; }
    int MaxLineWidth() const { return maxWidth_; }
    // The character boundary of the line nearest to x (from the line's start).
    size_t CharAtX(int line, int x) const;

private:
    int AdvanceAt(size_t index, int x) const;
    int WidthOf(size_t start, size_t end) const;
    bool Wrapping() const;
    // Breaks the text from `start` (a line start) into `out`, up to the end of the text or
    // to the first new line start for which stop(start) answers true (that start is left out).
    template <typename TStop>
    void BreakFrom(size_t start, std::vector<TEditLine>& out, TStop stop) const;
    void UpdateMaxWidth();

    std::u32string text_;
    std::vector<int> advances_;
    std::vector<TEditLine> lines_{TEditLine{}};
    TOptions options_;
    int maxWidth_ = 0;
};

} // namespace tavrik
