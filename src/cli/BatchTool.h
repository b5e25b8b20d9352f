#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace tavrik {

// tavrik-batch [-q QUALITY] [-j JOBS] -o FOLDER FILE...: the batch page of the main window as
// a command. Every file is converted as the page converts it; a failing file does not stop
// the run. JOBS files are converted at once (default: one per usable processor), and the
// outputs are written and reported in the order of the files, exactly as with one job.
//
// Progress goes to out, usage errors and the closing failure report to err. stopRequested is
// asked while the run waits for its workers: once it answers true no further file is begun,
// the files in work are finished and written, and the run reports what it did.
//
// Returns the exit status: 0 all converted, 1 some failed, 2 bad arguments, 130 stopped.
int RunBatchTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const std::function<bool()>& stopRequested = {});

} // namespace tavrik
