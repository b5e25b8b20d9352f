#pragma once

#include <string>
#include <string_view>

namespace tavrik {

// The user's well-known folders as the XDG user-dirs.dirs file names them, e.g.
//     XDG_DESKTOP_DIR="$HOME/Desktop"
// Values are either "$HOME" followed by a path or an absolute path, in double quotes, with
// backslash escapes; other lines and comments are ignored.

// The folder that key ("DESKTOP", "TEMPLATES", ...) names in the file's text, or fallback
// when the text has no valid line for it. "$HOME" and "$HOME/" name the home folder itself.
std::string UserDirFromText(std::string_view text, std::string_view key, const std::string& homeDir,
                            const std::string& fallback);
// As above from configHome + "/user-dirs.dirs"; a missing or unreadable file gives fallback.
std::string ReadUserDir(const std::string& configHome, std::string_view key, const std::string& homeDir,
                        const std::string& fallback);

} // namespace tavrik
