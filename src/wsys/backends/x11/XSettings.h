#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tavrik {

// Reads an integer setting ("Net/DoubleClickTime") from the block a desktop publishes in the
// _XSETTINGS_SETTINGS property: byte order, serial, count, then per setting its type (0
// integer, 1 string, 2 colour), name, serial and value, each padded to 4 bytes. Nothing when
// the setting is absent, not an integer, or the block is damaged.
std::optional<int32_t> FindXSettingsInteger(std::span<const uint8_t> block, std::string_view name);

} // namespace tavrik
