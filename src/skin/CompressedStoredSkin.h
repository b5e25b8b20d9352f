#pragma once

#include "skin/SkinPictureSet.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

// A whole skin as one zlib block (level 9), kept by the form that owns it as the binary
// property "CompressedData". Decompressed, the block holds:
//
//   format    4 bytes  signed little-endian, 1
//   pictures           the pictures layout (see SkinPicturesStream.h)
//   text               the rest: the skin file's lines, each followed by CR LF
//
// A compressed skin file holds the format number 1 (4 bytes), the block's length n
// (4 bytes, signed) and the n bytes of the block.
//
// A plain class; the component framework wraps it in a component when a form owns one.
class TbsCompressedStoredSkin {
public:
    // Decompressing stops with EZDecompressionError beyond this size: no skin comes near it,
    // and a small corrupt or hostile block must not take unbounded memory.
    static constexpr size_t kMaxDecompressedBytes = size_t(64) << 20;

    const std::string& Description() const { return description_; }
    void SetDescription(std::string_view text) { description_ = text; }
    // Names, without folder, of the files the content came from; setting them only stores
    // them.
    const std::string& FileName() const { return fileName_; }
    void SetFileName(std::string_view name) { fileName_ = name; }
    const std::string& CompressedFileName() const { return compressedFileName_; }
    void SetCompressedFileName(std::string_view name) { compressedFileName_ = name; }

    bool IsEmptySkin() const { return compressed_.empty(); }
    const std::vector<uint8_t>& CompressedData() const { return compressed_; }
    void SetCompressedData(std::vector<uint8_t> bytes) { compressed_ = std::move(bytes); }

    // Appends the decompressed layout to stream. Corrupt, truncated or oversized data throws
    // EZDecompressionError ("compression error").
    void DecompressTo(std::vector<uint8_t>& stream) const;

    // Compresses a skin file and its bitmaps. A text that is no skin definition changes
    // nothing; a bitmap that cannot be read throws and also changes nothing.
    void BuildFromSkinFile(const std::string& path);
    // Takes the block of a compressed skin file. A format number other than 1 leaves the
    // content empty; a file shorter than it says throws EReadError and changes nothing.
    void LoadCompressedSkinFile(const std::string& path);

    // The compressed block of a skin given as text lines and pictures. EZCompressionError
    // when zlib fails.
    static std::vector<uint8_t> CompressSkin(const std::vector<std::string>& lines,
                                             const TbsSkinPictureSet& pictures);

private:
    std::string description_;
    std::string fileName_;
    std::string compressedFileName_;
    std::vector<uint8_t> compressed_;
};

} // namespace tavrik
