#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

// One line of an edit's text as it is shown: the characters [Start, End). A hard line break
// ('\n', multi-line only) may follow at End; a line wrapped by word wrap goes on at End.
struct TEditLine {
    size_t Start = 0;
    size_t End = 0;
};

// Breaks an edit's text into the lines it shows and measures them: at every '\n' of a
// multi-line text and, with word wrap, after the last space that keeps a line inside the
// wrap width (a word longer than a line is cut between characters). Spaces at the end of a
// line may pass the width. Tabs advance to the next multiple of the tab width.
class TEditLayout {
public:
    using TAdvance = std::function<int(char32_t)>;
    struct TOptions {
        bool MultiLine = false;
        bool WordWrap = false;
        int WrapWidth = 0; // 0 or less: no wrapping
        int TabWidth = 32;
    };

    // Keeps a copy of the text; build again after every change.
    void Build(std::u32string_view text, const TOptions& options, const TAdvance& advance);

    int LineCount() const { return int(lines_.size()); }
    const TEditLine& Line(int index) const { return lines_.at(size_t(index)); }
    // The line that shows the caret at pos; a position where a wrapped line goes on belongs
    // to the next line.
    int LineOfChar(size_t pos) const;
    // The x of every character boundary of the line, from its start: Length + 1 values.
    std::vector<int> Offsets(int line) const;
    int LineWidth(int line) const { return Offsets(line).back(); }
    int MaxLineWidth() const;
    // The character boundary of the line nearest to x (from the line's start).
    size_t CharAtX(int line, int x) const;

private:
    int AdvanceAt(size_t index, int x) const;

    std::u32string text_;
    std::vector<int> advances_;
    std::vector<TEditLine> lines_{TEditLine{}};
    TOptions options_;
};

} // namespace tavrik
