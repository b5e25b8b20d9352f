#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tavrik {

// tavrik-batch [-q QUALITY] -o FOLDER FILE...: the batch page of the main window as a command.
// Every file is converted as the page converts it (ConvertBatchFile); a failing file does not
// stop the run. Progress goes to out, usage errors and the closing failure report to err.
// Returns the exit status: 0 all converted, 1 some failed, 2 bad arguments.
int RunBatchTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace tavrik
