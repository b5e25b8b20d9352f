#pragma once

#include "core/Exception.h"

namespace tavrik {

// A stream ended before the data it announced.
class EReadError : public Exception {
public:
    EReadError() : Exception("Stream read error") {}
};

// Compressed skin data that zlib cannot inflate, or that inflates beyond what any skin needs.
class EZDecompressionError : public Exception {
public:
    EZDecompressionError() : Exception("compression error") {}
};

// zlib refused to compress a skin.
class EZCompressionError : public Exception {
public:
    EZCompressionError() : Exception("error") {}
};

} // namespace tavrik
