#pragma once

#include <cstdint>

// Declarations only, for headers that pass window-system types around.
namespace tavrik {

struct HWND__;
using HWND = HWND__*;
using UINT = uint32_t;
using WPARAM = uint64_t;
using LPARAM = int64_t;
using LRESULT = int64_t;
struct MSG;
struct TBackendEvent;
class IBackend;
class TWindowSystem;
class THeadlessBackend;
class TWindowSubclass;

} // namespace tavrik
