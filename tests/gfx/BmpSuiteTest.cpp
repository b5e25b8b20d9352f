// Every file of the BMP suite in the shared test data, read as its index pairs it with a
// reference rendering.
#include "PngReader.h"

#include "core/Exception.h"
#include "gfx/BmpFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

using namespace tavrik;

namespace {

const std::string kSuiteDir = std::string(TAVRIK_TESTDATA_DIR) + "/bmpsuite/";

enum class TOutcome {
    Matches,   // loads and equals its reference pixel for pixel
    IsClose,   // loads and is within 1 of its reference in every channel
    Loads,     // loads as a sound picture of the declared size
    IsRefused, // EInvalidGraphic
};

struct TExpectation {
    TOutcome outcome = TOutcome::Matches;
    std::string reference; // replaces the index's reference where it names alternatives
};

// Files in g/ and x/ must match the reference of the index; q/ and b/ files are each decided
// here. Reasons where a file does not simply match:
const std::map<std::string, TExpectation> kDecided = {
    // Index 0 is what skipped run-length pixels keep; the "-0" rendering shows that.
    {"q/pal4rletrns.bmp", {TOutcome::Matches, "html/pal4rletrns-0.png"}},
    {"q/pal4rlecut.bmp", {TOutcome::Matches, "html/pal4rlecut-0.png"}},
    {"q/pal8rletrns.bmp", {TOutcome::Matches, "html/pal8rletrns-0.png"}},
    {"q/pal8rlecut.bmp", {TOutcome::Matches, "html/pal8rlecut-0.png"}},
    // Pixels are shown as stored, not stretched to the pixel aspect.
    {"g/pal8nonsquare.bmp", {TOutcome::Matches, "html/pal8nonsquare-e.png"}},
    // Unused bits never become transparency.
    {"q/rgb16faketrns.bmp", {TOutcome::Matches, "html/rgb16.png"}},
    {"q/rgb32fakealpha.bmp", {TOutcome::Matches, "html/rgb24.png"}},
    // The file holds 11-bit approximations of the 8-bit reference; scaled back exactly,
    // two of its values land one step away from the original.
    {"q/rgb32-111110.bmp", {TOutcome::IsClose, "html/rgb24.png"}},
    // Embedded colour profiles are not applied, so this one keeps its swapped channels.
    {"q/rgb24prof2.bmp", {TOutcome::Loads, ""}},
    {"q/pal1huffmsb.bmp", {TOutcome::IsRefused, ""}},
    {"q/rgb24jpeg.bmp", {TOutcome::IsRefused, ""}},
    {"q/rgb24png.bmp", {TOutcome::IsRefused, ""}},
    {"q/rgba64.bmp", {TOutcome::IsRefused, ""}},
    // Lying size, density and palette fields that the pixels do not need are ignored.
    {"b/badbitssize.bmp", {TOutcome::Loads, ""}},
    {"b/baddens1.bmp", {TOutcome::Loads, ""}},
    {"b/baddens2.bmp", {TOutcome::Loads, ""}},
    {"b/badfilesize.bmp", {TOutcome::Loads, ""}},
    {"b/badpalettesize.bmp", {TOutcome::Loads, ""}},
    {"b/pal8badindex.bmp", {TOutcome::Loads, ""}},
    // Runs that overshoot the picture are clipped.
    {"b/badrle.bmp", {TOutcome::Loads, ""}},
    {"b/badrlebis.bmp", {TOutcome::Loads, ""}},
    {"b/badrleter.bmp", {TOutcome::Loads, ""}},
    {"b/badrle4.bmp", {TOutcome::Loads, ""}},
    {"b/badrle4bis.bmp", {TOutcome::Loads, ""}},
    {"b/badrle4ter.bmp", {TOutcome::Loads, ""}},
    // A missing channel reads as 0, which is what the reference shows.
    {"b/rgb16-880.bmp", {TOutcome::Matches, "html/rgb16-880.png"}},
    {"b/badbitcount.bmp", {TOutcome::IsRefused, ""}},
    {"b/badheadersize.bmp", {TOutcome::IsRefused, ""}},
    {"b/badplanes.bmp", {TOutcome::IsRefused, ""}},
    {"b/badwidth.bmp", {TOutcome::IsRefused, ""}},
    {"b/reallybig.bmp", {TOutcome::IsRefused, ""}},
    {"b/rletopdown.bmp", {TOutcome::IsRefused, ""}},
    {"b/shortfile.bmp", {TOutcome::IsRefused, ""}},
};

struct TIndexRow {
    std::string file;
    std::string reference; // "" when the index names none
};

std::vector<TIndexRow> ReadIndex()
{
    std::ifstream in(kSuiteDir + "INDEX.tsv");
    std::vector<TIndexRow> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string file, version, reference;
        std::getline(fields, file, '\t');
        std::getline(fields, version, '\t');
        std::getline(fields, reference, '\t');
        reference = reference.substr(0, reference.find(' '));
        rows.push_back({file, reference.starts_with("html/") ? reference : ""});
    }
    return rows;
}

TExpectation ExpectationFor(const TIndexRow& row)
{
    auto decided = kDecided.find(row.file);
    if (decided != kDecided.end()) {
        TExpectation e = decided->second;
        if (e.outcome == TOutcome::Matches && e.reference.empty()) e.reference = row.reference;
        return e;
    }
    // Files of q/ that are not listed above match their reference.
    EXPECT_FALSE(row.file.starts_with("b/")) << "no expectation decided for " << row.file;
    return {TOutcome::Matches, row.reference};
}

// Alpha is ignored by the reader, so pixels the reference makes fully transparent are not
// compared: their colour there is the renderer's choice.
bool Close(TColor a, TColor b)
{
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(int((a >> shift) & 255) - int((b >> shift) & 255)) > 1) return false;
    return true;
}

void ExpectMatchesReference(const TBitmap& bitmap, const std::string& reference, bool exact)
{
    test::TPngPicture png = test::ReadPngFile(kSuiteDir + reference);
    ASSERT_EQ(bitmap.Width(), png.width);
    ASSERT_EQ(bitmap.Height(), png.height);
    TBitmap picture = bitmap.ToPictureBuffer();
    int mismatches = 0, compared = 0;
    for (int y = 0; y < png.height; ++y)
        for (int x = 0; x < png.width; ++x) {
            TColor color = picture.GetPixel(x, y);
            if (png.AlphaAt(x, y) == 0) continue;
            ++compared;
            if (color == png.At(x, y) || (!exact && Close(color, png.At(x, y)))) continue;
            if (++mismatches <= 3)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex << color
                              << ", reference " << png.At(x, y);
        }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(compared, png.width * png.height / 2);
}

void ExpectSound(const TBitmap& bitmap)
{
    EXPECT_GT(bitmap.Width(), 0);
    EXPECT_GT(bitmap.Height(), 0);
    EXPECT_EQ(bitmap.SizeBytes(), bitmap.RowBytes() * size_t(bitmap.Height()));
    EXPECT_EQ(bitmap.RowBytes(), TBitmap::RowBytesFor(bitmap.Width(), bitmap.PixelFormat()));
}

} // namespace

TEST(BmpSuite, EveryFileMeetsItsExpectation)
{
    std::vector<TIndexRow> rows = ReadIndex();
    ASSERT_GE(rows.size(), 90u);
    for (const TIndexRow& row : rows) {
        SCOPED_TRACE(row.file);
        TExpectation expected = ExpectationFor(row);
        try {
            TBitmap bitmap = ReadBmpFile(kSuiteDir + row.file);
            EXPECT_NE(expected.outcome, TOutcome::IsRefused) << "was expected to be refused";
            ExpectSound(bitmap);
            if (expected.outcome == TOutcome::Matches || expected.outcome == TOutcome::IsClose)
                ExpectMatchesReference(bitmap, expected.reference, expected.outcome == TOutcome::Matches);
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(expected.outcome, TOutcome::IsRefused) << e.what();
            EXPECT_FALSE(std::string(e.what()).empty());
        }
    }
}

TEST(BmpSuite, IndexListsEveryFile)
{
    std::vector<TIndexRow> rows = ReadIndex();
    std::set<std::string> indexed;
    for (const TIndexRow& row : rows) indexed.insert(row.file);
    for (const char* folder : {"g", "q", "b", "x"})
        for (const auto& entry : std::filesystem::directory_iterator(kSuiteDir + folder)) {
            std::string file = std::string(folder) + "/" + entry.path().filename().string();
            EXPECT_TRUE(indexed.count(file)) << file;
        }
}

TEST(BmpSuite, PalettedFilesKeepDepthAndPalette)
{
    struct TCase {
        const char* file;
        TPixelFormat format;
        size_t paletteSize;
    };
    const TCase cases[] = {
        {"g/pal1.bmp", TPixelFormat::pf1bit, 2},     {"q/pal1p1.bmp", TPixelFormat::pf1bit, 1},
        {"q/pal2.bmp", TPixelFormat::pf4bit, 4},     {"g/pal4.bmp", TPixelFormat::pf4bit, 12},
        {"g/pal4rle.bmp", TPixelFormat::pf4bit, 12}, {"g/pal8.bmp", TPixelFormat::pf8bit, 252},
        {"g/pal8-0.bmp", TPixelFormat::pf8bit, 256}, {"q/pal8os2sp.bmp", TPixelFormat::pf8bit, 252},
        {"g/pal8os2.bmp", TPixelFormat::pf8bit, 256}, {"q/pal8oversizepal.bmp", TPixelFormat::pf8bit, 256},
        {"b/badpalettesize.bmp", TPixelFormat::pf8bit, 252}, {"g/rgb24pal.bmp", TPixelFormat::pf24bit, 0},
        {"g/rgb16-565pal.bmp", TPixelFormat::pf24bit, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.file);
        TBitmap bitmap = ReadBmpFile(kSuiteDir + c.file);
        EXPECT_EQ(bitmap.PixelFormat(), c.format);
        EXPECT_EQ(bitmap.Palette().size(), c.paletteSize);
    }
    TBitmap wb = ReadBmpFile(kSuiteDir + "g/pal1wb.bmp");
    EXPECT_EQ(wb.Palette()[0], QuadFromColor(clWhite));
}

TEST(BmpSuite, RefusalsExplainThemselves)
{
    struct TCase {
        const char* file;
        const char* words;
    };
    const TCase cases[] = {
        {"b/reallybig.bmp", "limited to 1 GiB"},
        {"b/shortfile.bmp", "The bitmap file is damaged"},
        {"b/badplanes.bmp", "The bitmap file is damaged"},
        {"b/rletopdown.bmp", "top-down"},
        {"q/rgb24jpeg.bmp", "JPEG picture are not supported"},
        {"q/rgb24png.bmp", "PNG picture are not supported"},
        {"q/rgba64.bmp", "64 bits per pixel are not supported"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.file);
        try {
            ReadBmpFile(kSuiteDir + c.file);
            ADD_FAILURE() << "loaded";
        } catch (const EInvalidGraphic& e) {
            EXPECT_NE(std::string(e.what()).find(c.words), std::string::npos) << e.what();
        }
    }
}
