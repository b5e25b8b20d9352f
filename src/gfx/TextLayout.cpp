#include "gfx/TextLayout.h"

#include "core/Utf8.h"

namespace tavrik {

namespace {

// Removes the "&" marks; returns the visible text and the offset of the marked character.
TTextLine StripPrefixes(std::string_view text)
{
    TTextLine line;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            line.text += text[i];
            continue;
        }
        if (++i == text.size()) break;
        if (text[i] != '&' && line.accelerator < 0) line.accelerator = int(line.text.size());
        line.text += text[i];
    }
    return line;
}

std::vector<std::string_view> Paragraphs(std::string_view text, bool singleLine)
{
    std::vector<std::string_view> paragraphs;
    if (singleLine) {
        paragraphs.push_back(text);
        return paragraphs;
    }
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
        paragraphs.push_back(text.substr(start, i - start));
        if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    return paragraphs;
}

void AppendWrapped(const TTextLine& paragraph, int maxWidth, const std::function<int(std::string_view)>& measure,
                   std::vector<TTextLine>& out)
{
    const std::string& p = paragraph.text;
    size_t lineStart = 0, lineEnd = 0, pos = 0;
    auto emit = [&](size_t nextStart) {
        TTextLine line{p.substr(lineStart, lineEnd - lineStart)};
        int offset = paragraph.accelerator - int(lineStart);
        if (offset >= 0 && offset < int(line.text.size())) line.accelerator = offset;
        out.push_back(std::move(line));
        lineStart = nextStart;
        lineEnd = nextStart;
    };
    while (pos < p.size()) {
        size_t wordStart = p.find_first_not_of(' ', pos);
        if (wordStart == std::string::npos) break;
        size_t wordEnd = std::min(p.find(' ', wordStart), p.size());
        bool fits = lineEnd == lineStart ||
                    measure(std::string_view(p).substr(lineStart, wordEnd - lineStart)) <= maxWidth;
        if (!fits) emit(wordStart);
        lineEnd = wordEnd;
        pos = wordEnd;
    }
    emit(p.size());
}

void Ellipsize(TTextLine& line, int maxWidth, const std::function<int(std::string_view)>& measure)
{
    if (measure(line.text) <= maxWidth) return;
    std::string kept = line.text;
    while (!kept.empty() && measure(kept + "...") > maxWidth) kept.resize(Utf8Prev(kept, kept.size()));
    if (line.accelerator >= int(kept.size())) line.accelerator = -1;
    line.text = kept + "...";
}

} // namespace

std::vector<TTextLine> LayoutText(std::string_view text, unsigned flags, int maxWidth,
                                  const std::function<int(std::string_view)>& measure)
{
    std::vector<TTextLine> lines;
    for (std::string_view paragraph : Paragraphs(text, flags & DT_SINGLELINE)) {
        TTextLine visible = (flags & DT_NOPREFIX) ? TTextLine{std::string(paragraph)} : StripPrefixes(paragraph);
        if ((flags & DT_WORDBREAK) && !(flags & DT_SINGLELINE)) AppendWrapped(visible, maxWidth, measure, lines);
        else lines.push_back(std::move(visible));
    }
    if (flags & DT_END_ELLIPSIS)
        for (TTextLine& line : lines) Ellipsize(line, maxWidth, measure);
    return lines;
}

} // namespace tavrik
