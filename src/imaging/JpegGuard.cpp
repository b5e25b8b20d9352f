#include "imaging/JpegGuard.h"

#include <cstring>
#include <jerror.h>

namespace tavrik::jpeg {

namespace {

TJpegErrorState& StateOf(j_common_ptr cinfo)
{
    static_assert(offsetof(TJpegErrorState, manager) == 0);
    return *reinterpret_cast<TJpegErrorState*>(cinfo->err);
}

[[noreturn]] void ErrorExit(j_common_ptr cinfo)
{
    TJpegErrorState& state = StateOf(cinfo);
    state.code = cinfo->err->msg_code;
    state.parm = cinfo->err->msg_parm.i[0];
    cinfo->err->format_message(cinfo, state.message);
    std::longjmp(state.jump, 1);
}

void EmitMessage(j_common_ptr cinfo, int level)
{
    if (level < 0) ++StateOf(cinfo).warnings;
}

void OutputMessage(j_common_ptr) {}

} // namespace

jpeg_error_mgr* InitErrorState(TJpegErrorState& state)
{
    std::memset(&state, 0, sizeof state);
    jpeg_std_error(&state.manager);
    state.manager.error_exit = ErrorExit;
    state.manager.emit_message = EmitMessage;
    state.manager.output_message = OutputMessage;
    return &state.manager;
}

std::string DescribeJpegError(const TJpegErrorState& state)
{
    std::string library(state.message);
    auto explained = [&](const char* reason) { return std::string(reason) + " (" + library + ")"; };
    switch (state.code) {
    case JERR_BAD_PRECISION:
        return explained("only JPEG pictures with 8 bits per sample are supported");
    case JERR_SOF_UNSUPPORTED:
        // SOF3, SOF7, SOF11 and SOF15 are the lossless processes.
        if ((state.parm & 0xF3) == 0xC3) return explained("lossless JPEG pictures are not supported");
        break;
    case JERR_UNKNOWN_MARKER:
        if (state.parm == 0xF7 || state.parm == 0xF8) return explained("JPEG-LS pictures are not supported");
        break;
    case JERR_NO_SOI:
    case JERR_INPUT_EMPTY:
        return explained("this is not a JPEG file");
    case JERR_OUT_OF_MEMORY:
    case JERR_NO_BACKING_STORE:
        return explained("not enough memory for the picture");
    default:
        break;
    }
    return library;
}

bool RunJpegStep(TJpegErrorState& state, void (*step)(void*), void* context)
{
    if (setjmp(state.jump) != 0) return false;
    step(context);
    return true;
}

} // namespace tavrik::jpeg
