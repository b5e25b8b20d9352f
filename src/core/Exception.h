#pragma once

#include <stdexcept>
#include <string>

namespace tavrik {

// Every failure a user may be told about derives from Exception; its message is shown as is
// (UTF-8) by the application's default handler.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// A file could not be opened, created, read or written. The message names the path.
class EFileError : public Exception {
public:
    using Exception::Exception;
};

// A picture file is damaged, truncated, of an unsupported kind or too large to decode.
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

// The JPEG codec refused to decode or encode.
class EJpegError : public EInvalidGraphic {
public:
    using EInvalidGraphic::EInvalidGraphic;
};

// A text could not be read as the value it should hold (a number, a rectangle).
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

} // namespace tavrik
