#include "gfx/FontInstance.h"

#include "core/Utf8.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <tuple>

namespace tavrik {

namespace {

// Heights beyond this are clamped: a damaged skin must not make us render glyphs of
// gigantic size.
constexpr int kMaxHeight = 1000;
constexpr int kDefaultEm = 12;

struct TFontSystem {
    FT_Library library = nullptr;
    FcConfig* config = nullptr;
    std::mutex mutex;
    std::map<std::tuple<std::string, int, bool, bool>, std::shared_ptr<TFontInstance>> cache;

    TFontSystem()
    {
        if (FT_Init_FreeType(&library) != 0) library = nullptr;
        if (FcInit()) config = FcConfigGetCurrent();
    }
};

// Never destroyed: canvases in static objects may still release fonts during exit.
TFontSystem& FontSystem()
{
    static auto* system = new TFontSystem();
    return *system;
}

// Above this many cached fonts, the ones nobody holds any more are dropped.
constexpr size_t kCacheSoftLimit = 64;

} // namespace

// One opened font file at the font's em size, with the styles it really has (the others are
// synthesised when glyphs are rendered).
class TFontFace {
public:
    static std::unique_ptr<TFontFace> Open(const std::string& file, int index)
    {
        FT_Face face = nullptr;
        if (!FontSystem().library || FT_New_Face(FontSystem().library, file.c_str(), index, &face) != 0) return nullptr;
        if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) {
            FT_Done_Face(face);
            return nullptr;
        }
        return std::unique_ptr<TFontFace>(new TFontFace(face, file));
    }
    ~TFontFace() { FT_Done_Face(face_); }
    TFontFace(const TFontFace&) = delete;
    TFontFace& operator=(const TFontFace&) = delete;

    FT_Face Face() const { return face_; }
    const std::string& File() const { return file_; }
    bool IsBold() const { return face_->style_flags & FT_STYLE_FLAG_BOLD; }
    bool IsItalic() const { return face_->style_flags & FT_STYLE_FLAG_ITALIC; }
    void SetEmSize(double pixels) { FT_Set_Char_Size(face_, 0, FT_F26Dot6(std::lround(pixels * 64)), 72, 72); }

private:
    TFontFace(FT_Face face, std::string file) : face_(face), file_(std::move(file)) {}

    FT_Face face_;
    std::string file_;
};

struct TFontInstance::TCandidate {
    std::string file;
    int index = 0;
    FcCharSet* charset = nullptr; // owned reference
    int face = -1;                // into faces_, once opened
};

namespace {

FcPattern* RequestPattern(const TFontRequest& request)
{
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(request.Name.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, (request.Style & fsBold) ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, (request.Style & fsItalic) ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    return pattern;
}

void Substitute(FcPattern* pattern)
{
    FcConfigSubstitute(FontSystem().config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
}

std::string FileOf(FcPattern* font, int& index)
{
    FcChar8* file = nullptr;
    index = 0;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) return {};
    FcPatternGetInteger(font, FC_INDEX, 0, &index);
    return reinterpret_cast<const char*>(file);
}

} // namespace

std::shared_ptr<TFontInstance> TFontInstance::Get(const TFontRequest& request)
{
    TFontSystem& system = FontSystem();
    std::lock_guard lock(system.mutex);
    auto key = std::make_tuple(request.Name, request.Height, bool(request.Style & fsBold), bool(request.Style & fsItalic));
    auto it = system.cache.find(key);
    if (it != system.cache.end()) return it->second;
    if (system.cache.size() >= kCacheSoftLimit)
        std::erase_if(system.cache, [](const auto& entry) { return entry.second.use_count() == 1; });
    std::shared_ptr<TFontInstance> font(new TFontInstance());
    font->Open(request);
    system.cache.emplace(key, font);
    return font;
}

TFontInstance::~TFontInstance()
{
    for (TCandidate& c : candidates_) FcCharSetDestroy(c.charset);
}

void TFontInstance::Open(const TFontRequest& request)
{
    bold_ = request.Style & fsBold;
    italic_ = request.Style & fsItalic;
    int height = request.Height == 0 ? -kDefaultEm : std::clamp(request.Height, -kMaxHeight, kMaxHeight);
    emSize_ = -height;
    ascent_ = std::lround(emSize_ * 0.8);
    descent_ = std::lround(emSize_ * 0.2);
    if (!FontSystem().config) return;

    FcPattern* pattern = RequestPattern(request);
    FcPattern* sortPattern = FcPatternDuplicate(pattern);
    Substitute(pattern);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(FontSystem().config, pattern, &result)) {
        int index = 0;
        std::string file = FileOf(match, index);
        if (auto face = TFontFace::Open(file, index)) faces_.push_back(std::move(face));
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);

    // Characters the own face lacks come from the best candidate for Simplified Chinese
    // that has them; sorting by family name alone is unreliable for CJK faces.
    FcPatternAddString(sortPattern, FC_LANG, reinterpret_cast<const FcChar8*>("zh-cn"));
    Substitute(sortPattern);
    if (FcFontSet* sorted = FcFontSort(FontSystem().config, sortPattern, FcTrue, nullptr, &result)) {
        for (int i = 0; i < sorted->nfont; ++i) {
            FcCharSet* charset = nullptr;
            if (FcPatternGetCharSet(sorted->fonts[i], FC_CHARSET, 0, &charset) != FcResultMatch) continue;
            TCandidate c;
            c.file = FileOf(sorted->fonts[i], c.index);
            c.charset = FcCharSetCopy(charset);
            candidates_.push_back(std::move(c));
        }
        FcFontSetDestroy(sorted);
    }
    FcPatternDestroy(sortPattern);
    if (faces_.empty()) return;

    // The cell is the face's Windows ascent plus descent, so a positive height is met exactly.
    FT_Face face = faces_[0]->Face();
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    bool hasWinMetrics = os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0;
    double winAscent = hasWinMetrics ? os2->usWinAscent : face->ascender;
    double winDescent = hasWinMetrics ? os2->usWinDescent : -face->descender;
    double units = face->units_per_EM;
    if (winAscent + winDescent <= 0) winAscent = 0.8 * units, winDescent = 0.2 * units;
    if (height > 0) {
        emSize_ = height * units / (winAscent + winDescent);
        ascent_ = int(std::lround(height * winAscent / (winAscent + winDescent)));
        descent_ = height - ascent_;
    } else {
        ascent_ = int(std::lround(winAscent * emSize_ / units));
        descent_ = int(std::lround(winDescent * emSize_ / units));
    }
    faces_[0]->SetEmSize(emSize_);

    double scale = emSize_ / units;
    lineThickness_ = std::max(1, int(std::lround(face->underline_thickness * scale)));
    underlineOffset_ = std::max(0, int(std::lround(-face->underline_position * scale - lineThickness_ / 2.0)));
    underlineOffset_ = std::min(underlineOffset_, std::max(0, descent_ - lineThickness_));
    strikeOutOffset_ = hasWinMetrics && os2->yStrikeoutPosition > 0 ? int(std::lround(os2->yStrikeoutPosition * scale))
                                                                     : int(std::lround(emSize_ * 0.28));
}

int TFontInstance::FaceFor(char32_t c)
{
    if (faces_.empty() || FT_Get_Char_Index(faces_[0]->Face(), c) != 0) return 0;
    for (TCandidate& candidate : candidates_) {
        if (!FcCharSetHasChar(candidate.charset, c)) continue;
        if (candidate.face < 0) {
            auto face = TFontFace::Open(candidate.file, candidate.index);
            if (!face) {
                FcCharSetDestroy(candidate.charset);
                candidate.charset = FcCharSetCreate(); // never ask this one again
                continue;
            }
            face->SetEmSize(emSize_);
            candidate.face = int(faces_.size());
            faces_.push_back(std::move(face));
        }
        if (FT_Get_Char_Index(faces_[size_t(candidate.face)]->Face(), c) != 0) return candidate.face;
    }
    return 0; // the own face's "missing character" box
}

TGlyph TFontInstance::Render(int face, unsigned glyphIndex)
{
    TGlyph glyph;
    glyph.face = face;
    const TFontFace& source = *faces_[size_t(face)];
    FT_Face ft = source.Face();
    if (FT_Load_Glyph(ft, glyphIndex, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0) return glyph;
    if (bold_ && !source.IsBold()) FT_GlyphSlot_Embolden(ft->glyph);
    if (italic_ && !source.IsItalic()) FT_GlyphSlot_Oblique(ft->glyph);
    glyph.advance = int((ft->glyph->advance.x + 32) >> 6);
    if (FT_Render_Glyph(ft->glyph, FT_RENDER_MODE_NORMAL) != 0) return glyph;
    const FT_Bitmap& bitmap = ft->glyph->bitmap;
    glyph.left = ft->glyph->bitmap_left;
    glyph.top = ft->glyph->bitmap_top;
    glyph.width = int(bitmap.width);
    glyph.height = int(bitmap.rows);
    glyph.coverage.resize(size_t(glyph.width) * size_t(glyph.height));
    for (int y = 0; y < glyph.height; ++y) {
        const unsigned char* row = bitmap.pitch >= 0 ? bitmap.buffer + ptrdiff_t(y) * bitmap.pitch
                                                     : bitmap.buffer + ptrdiff_t(glyph.height - 1 - y) * -bitmap.pitch;
        std::copy_n(row, glyph.width, glyph.coverage.begin() + ptrdiff_t(y) * glyph.width);
    }
    return glyph;
}

const TGlyph& TFontInstance::Glyph(char32_t c)
{
    auto it = glyphs_.find(c);
    if (it != glyphs_.end()) return it->second;
    TGlyph glyph;
    // Control characters take no room, as line breaks and tabs inside one line of text.
    if (c >= 0x20 && !faces_.empty()) {
        int face = FaceFor(c);
        glyph = Render(face, FT_Get_Char_Index(faces_[size_t(face)]->Face(), c));
    }
    return glyphs_.emplace(c, std::move(glyph)).first->second;
}

int TFontInstance::TextWidth(std::string_view text)
{
    int width = 0;
    for (size_t pos = 0; pos < text.size();) width += Glyph(Utf8Next(text, pos)).advance;
    return width;
}

std::string TFontInstance::FaceFile(int face) const
{
    return face >= 0 && size_t(face) < faces_.size() ? faces_[size_t(face)]->File() : std::string();
}

std::string TFontInstance::FamilyName() const
{
    return faces_.empty() || !faces_[0]->Face()->family_name ? std::string() : faces_[0]->Face()->family_name;
}

} // namespace tavrik
