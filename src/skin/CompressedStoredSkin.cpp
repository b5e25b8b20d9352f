#include "skin/CompressedStoredSkin.h"

#include "core/FileIO.h"
#include "core/FileName.h"
#include "skin/SkinErrors.h"
#include "skin/SkinFile.h"
#include "skin/SkinIni.h"
#include "skin/SkinPicturesStream.h"
#include "skin/SkinStream.h"

#include <zlib.h>

#include <array>

namespace tavrik {

namespace {

constexpr int32_t kFormatNumber = 1;
constexpr size_t kPieceBytes = 4096;

// zlib's own format (2-byte header, Adler-32 trailer) with a 15-bit window, memory level 8
// and the default strategy.
std::vector<uint8_t> Deflate(const std::vector<uint8_t>& input)
{
    z_stream z{};
    if (deflateInit2(&z, 9, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) != Z_OK) throw EZCompressionError();
    std::vector<uint8_t> output(deflateBound(&z, uLong(input.size())));
    z.next_in = const_cast<Bytef*>(input.data());
    z.avail_in = uInt(input.size());
    z.next_out = output.data();
    z.avail_out = uInt(output.size());
    int result = deflate(&z, Z_FINISH);
    output.resize(z.total_out);
    deflateEnd(&z);
    if (result != Z_STREAM_END) throw EZCompressionError();
    return output;
}

class TInflater {
public:
    TInflater()
    {
        if (inflateInit(&z_) != Z_OK) throw EZDecompressionError();
    }
    ~TInflater() { inflateEnd(&z_); }
    TInflater(const TInflater&) = delete;
    TInflater& operator=(const TInflater&) = delete;

    // Appends everything the block inflates to, one piece at a time.
    void InflateAll(const std::vector<uint8_t>& input, std::vector<uint8_t>& out)
    {
        z_.next_in = const_cast<Bytef*>(input.data());
        z_.avail_in = uInt(input.size());
        std::array<uint8_t, kPieceBytes> piece;
        size_t produced = 0;
        for (;;) {
            z_.next_out = piece.data();
            z_.avail_out = uInt(piece.size());
            int result = inflate(&z_, Z_NO_FLUSH);
            if (result != Z_OK && result != Z_STREAM_END) throw EZDecompressionError();
            size_t got = piece.size() - z_.avail_out;
            produced += got;
            if (produced > TbsCompressedStoredSkin::kMaxDecompressedBytes) throw EZDecompressionError();
            out.insert(out.end(), piece.begin(), piece.begin() + std::ptrdiff_t(got));
            if (result == Z_STREAM_END) return;
            // No progress with all input consumed: the block was cut short.
            if (got == 0 && z_.avail_in == 0) throw EZDecompressionError();
        }
    }

private:
    z_stream z_{};
};

} // namespace

void TbsCompressedStoredSkin::DecompressTo(std::vector<uint8_t>& stream) const
{
    TInflater inflater;
    inflater.InflateAll(compressed_, stream);
}

std::vector<uint8_t> TbsCompressedStoredSkin::CompressSkin(const std::vector<std::string>& lines,
                                                           const TbsSkinPictureSet& pictures)
{
    std::vector<uint8_t> layout;
    AppendInt32(layout, kFormatNumber);
    WriteSkinPictures(pictures, layout);
    for (const std::string& line : lines) {
        layout.insert(layout.end(), line.begin(), line.end());
        layout.push_back('\r');
        layout.push_back('\n');
    }
    return Deflate(layout);
}

void TbsCompressedStoredSkin::BuildFromSkinFile(const std::string& path)
{
    std::vector<std::string> lines = ReadSkinFileLines(path);
    TbsSkinIni ini(lines);
    if (!IsSkinDefinition(ini)) return;
    compressed_ = CompressSkin(lines, LoadSkinFilePictures(ini, ExtractFileDir(path)));
}

void TbsCompressedStoredSkin::LoadCompressedSkinFile(const std::string& path)
{
    std::vector<uint8_t> file = ReadFileBytes(path, kMaxSkinFileBytes);
    TbsByteReader in(file);
    if (in.ReadInt32() != kFormatNumber) {
        compressed_.clear();
        return;
    }
    int32_t length = in.ReadInt32();
    if (length < 0) throw EReadError();
    std::span<const uint8_t> block = in.ReadBytes(size_t(length));
    compressed_.assign(block.begin(), block.end());
}

} // namespace tavrik
