#pragma once

#include "gfx/FontRequest.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tavrik {

class TFontFace;

// A rendered character: 8-bit coverage rows (0 none, 255 full), placed relative to the pen
// position on the baseline.
struct TGlyph {
    int left = 0;  // first column, right of the pen position
    int top = 0;   // first row, above the baseline
    int width = 0;
    int height = 0;
    int advance = 0; // whole pixels, so that text widths add up exactly
    int face = 0;    // 0: the font's own face; n: the n-th fallback face
    std::vector<uint8_t> coverage;
};

// One font at one size and weight: a face found through fontconfig ("Arial" becomes a
// metric-compatible face), the faces that supply the characters it lacks, and every glyph
// drawn so far. Text is anti-aliased by FreeType with its default hinting, which is fully
// deterministic for a given set of installed fonts.
//
// Instances are shared and cached; use them from the user-interface thread only.
class TFontInstance {
public:
    // The cached instance for the request's name, height, bold and italic flags.
    static std::shared_ptr<TFontInstance> Get(const TFontRequest& request);
    ~TFontInstance();
    TFontInstance(const TFontInstance&) = delete;
    TFontInstance& operator=(const TFontInstance&) = delete;

    int Ascent() const { return ascent_; }
    int Descent() const { return descent_; }
    int Height() const { return ascent_ + descent_; }
    double EmSize() const { return emSize_; }
    // Rows of the decoration lines: the first below (underline) or above (strikeout) the
    // baseline, and their thickness.
    int UnderlineOffset() const { return underlineOffset_; }
    int StrikeOutOffset() const { return strikeOutOffset_; }
    int LineThickness() const { return lineThickness_; }

    const TGlyph& Glyph(char32_t c);
    int TextWidth(std::string_view text);
    // The font file of the own face (0) or of a fallback face; empty before it is loaded.
    std::string FaceFile(int face) const;
    std::string FamilyName() const;

private:
    struct TCandidate;
    TFontInstance() = default;
    void Open(const TFontRequest& request);
    int FaceFor(char32_t c);
    TGlyph Render(int face, unsigned glyphIndex);

    int ascent_ = 0;
    int descent_ = 0;
    double emSize_ = 0;
    int underlineOffset_ = 1;
    int strikeOutOffset_ = 0;
    int lineThickness_ = 1;
    bool bold_ = false;
    bool italic_ = false;
    std::vector<std::unique_ptr<TFontFace>> faces_; // [0] is the own face
    std::vector<TCandidate> candidates_;            // fallback order, loaded on demand
    std::unordered_map<char32_t, TGlyph> glyphs_;
};

} // namespace tavrik
