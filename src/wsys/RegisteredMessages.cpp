#include "wsys/WinApi.h"

#include <map>
#include <mutex>
#include <string>

namespace tavrik {

UINT RegisterWindowMessage(std::string_view name)
{
    // Numbers stay with their names for the program's life, past window systems coming and
    // going (tests make many), so a component may keep one in a static.
    static std::mutex mutex;
    static std::map<std::string, UINT, std::less<>> numbers;
    if (name.empty()) return 0;
    std::lock_guard lock(mutex);
    if (auto it = numbers.find(name); it != numbers.end()) return it->second;
    constexpr UINT kFirst = 0xC000, kLast = 0xFFFF;
    if (numbers.size() > kLast - kFirst) return 0;
    UINT number = kFirst + UINT(numbers.size());
    numbers.emplace(std::string(name), number);
    return number;
}

} // namespace tavrik
