#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

// Starts argv[0] with the given arguments fully detached: in a new session, not a child of
// ours (so nothing is left to reap and it outlives us), stdin, stdout and stderr on
// /dev/null, no other descriptor of ours inherited. argv[0] without a '/' is looked up in
// searchPath (PATH form). Returns whether the program was found and started; what it does
// afterwards is not waited for.
bool LaunchDetached(const std::vector<std::string>& argv, const std::string& searchPath);

// Opens an address (a web address or a path) with the desktop's handler: openCommand with
// the address appended, launched detached. Refuses an empty address, one holding a NUL and
// one starting with "-", which the handler would take for an option. Callers ignore the result; it tells tests
// whether a launch happened.
bool ShellOpen(std::string_view address, const std::vector<std::string>& openCommand, const std::string& searchPath);

// The full path of an executable program: name itself when it holds a '/', else the first
// match in the ':'-separated folders of searchPath; empty when there is none.
std::string FindExecutable(const std::string& name, const std::string& searchPath);

} // namespace tavrik
