#pragma once

// libjpeg reports fatal errors by calling error_exit, which must not return. We long-jump out
// of it back into RunJpegStep, the only function that calls setjmp. Everything a step touches
// is plain data (no destructors), so the jump never skips a C++ object's clean-up; callers turn
// a failed step into an exception after RunJpegStep has returned.

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <jpeglib.h>
#include <string>

namespace tavrik::jpeg {

struct TJpegErrorState {
    jpeg_error_mgr manager; // first member: libjpeg hands us a pointer to it
    jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    int code;  // libjpeg's message code of the fatal error
    int parm;  // its first integer parameter (the precision, the marker, ...)
    long warnings;
};

// Resets state and returns the error manager to put into cinfo.err before the codec object is
// created: fatal errors long-jump, warnings are only counted (a damaged file still gives a
// picture, as libjpeg's own tools do), nothing is printed.
jpeg_error_mgr* InitErrorState(TJpegErrorState& state);

// Runs step(context) and returns true, or false when libjpeg raised a fatal error inside it;
// the error is then described in state.
bool RunJpegStep(TJpegErrorState& state, void (*step)(void*), void* context);

// The reason of a fatal error for the user: libjpeg's own text, explained where it names a
// kind of JPEG file that we do not decode (12-bit, lossless, JPEG-LS).
std::string DescribeJpegError(const TJpegErrorState& state);

} // namespace tavrik::jpeg
