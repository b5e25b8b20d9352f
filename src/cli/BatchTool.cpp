#include "cli/BatchTool.h"

#include "core/FileIO.h"
#include "imaging/BatchPipeline.h"

#include <chrono>
#include <cstdint>
#include <exception>
#include <optional>
#include <ostream>
#include <utility>

namespace tavrik {

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitStopped = 130; // as a shell reports a command ended by Ctrl+C
constexpr unsigned kMaxJobs = 256;

constexpr const char* kUsage = "Usage: tavrik-batch [-q QUALITY] [-j JOBS] -o FOLDER FILE...\n";

constexpr const char* kHelp =
    "Recompresses pictures into one folder, exactly as the batch page of Tavrik does.\n"
    "\n"
    "Each FILE becomes FOLDER/Yarro_NAME.jpg, where NAME is the file's name with its\n"
    "extension (from its last dot on) removed. A file whose extension is .bmp, in any\n"
    "case, is read as a Windows bitmap; every other file is decoded as JPEG. An existing\n"
    "output file is replaced. Files that map to the same output name overwrite each\n"
    "other; the one listed last wins.\n"
    "\n"
    "Options:\n"
    "  -q QUALITY   JPEG quality, 0 to 100 (default 75; 0 gives the same file as 1)\n"
    "  -o FOLDER    the output folder, which must exist\n"
    "  -j JOBS      files converted at once, 1 to 256 (default: one per processor the\n"
    "               program may use); the outputs do not depend on it\n"
    "  -h, --help   show this help and exit\n"
    "  --version    show the version and exit\n"
    "  --           treat every following argument as a file\n"
    "\n"
    "One line is printed per file, in the order of the files. A file that cannot be\n"
    "read, decoded or written is reported and the run goes on with the next one; all\n"
    "failures are listed at the end. Every output file appears complete or not at all.\n"
    "\n"
    "Ctrl+C (SIGINT) or SIGTERM stops the run: no further file is begun, the files in\n"
    "work are finished and written, and the number converted is reported.\n"
    "\n"
    "Exit status: 0 when every file was converted, 1 when any file failed, 2 for bad\n"
    "arguments or a missing output folder. A stopped run ends by its signal (a shell\n"
    "shows 130 for Ctrl+C).\n";

struct TBatchRequest {
    uint8_t quality = 75;
    unsigned jobs = 0; // 0: one per usable processor
    std::string outputFolder;
    std::vector<std::string> files;
    bool help = false;
    bool version = false;
};

// A whole number from 0 to max, digits only.
std::optional<unsigned> ParseNumber(const std::string& text, unsigned max)
{
    if (text.empty() || text.size() > 4) return std::nullopt;
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + unsigned(c - '0');
    }
    if (value > max) return std::nullopt;
    return value;
}

// Takes the value of a short option: "-q50" or "-q 50". Returns an error text, empty on success.
std::string SetOption(char option, const std::string& value, TBatchRequest& request)
{
    switch (option) {
    case 'o':
        request.outputFolder = value;
        return {};
    case 'q':
        if (auto quality = ParseNumber(value, 100)) {
            request.quality = uint8_t(*quality);
            return {};
        }
        return "the quality must be a whole number from 0 to 100, not \"" + value + "\"";
    default:
        if (auto jobs = ParseNumber(value, kMaxJobs); jobs && *jobs > 0) {
            request.jobs = *jobs;
            return {};
        }
        return "the number of jobs must be a whole number from 1 to " + std::to_string(kMaxJobs) + ", not \"" +
               value + "\"";
    }
}

// Fills request from args; returns an error text, empty when the arguments are good.
std::string ParseArguments(const std::vector<std::string>& args, TBatchRequest& request)
{
    bool outputGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-h" || arg == "--help") {
            request.help = true;
            return {};
        }
        if (arg == "--version") {
            request.version = true;
            return {};
        }
        if (arg == "--") {
            request.files.insert(request.files.end(), args.begin() + long(i) + 1, args.end());
            break;
        }
        if (arg.size() < 2 || arg[0] != '-') {
            request.files.push_back(arg);
            continue;
        }
        const char option = arg[1];
        if (option != 'q' && option != 'o' && option != 'j') return "unknown option " + arg;
        std::string value;
        if (arg.size() > 2) {
            value = arg.substr(2);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return std::string("option -") + option + " needs a value";
        }
        if (std::string problem = SetOption(option, value, request); !problem.empty()) return problem;
        outputGiven = outputGiven || option == 'o';
    }
    if (!outputGiven) return "no output folder given (-o FOLDER)";
    if (request.files.empty()) return "no files given";
    return {};
}

std::string ErrorText(const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "unknown error";
    }
}

const char* Files(size_t count) { return count == 1 ? " file" : " files"; }

// Converts the files on request.jobs workers and writes and reports each result in list
// order, so that the output files and the lines printed are those of a run on one core.
class TBatchRun {
public:
    TBatchRun(const TBatchRequest& request, std::ostream& out, std::ostream& err)
        : request_(request), out_(out), err_(err), pipeline_(request.jobs ? request.jobs : UsableProcessorCount())
    {
    }

    int Run(const std::function<bool()>& stopRequested)
    {
        const size_t count = request_.files.size();
        while (reported_ < count) {
            if (!stopped_ && stopRequested && stopRequested()) Stop();
            if (stopped_ && pipeline_.Pending() == 0) break;
            while (!stopped_ && next_ < count && pipeline_.HasRoom())
                pipeline_.Submit({request_.files[next_++], request_.outputFolder, request_.quality});
            // A short wait, so that a stop request is seen soon.
            if (std::optional<TBatchResult> result = pipeline_.WaitNext(std::chrono::milliseconds(100)))
                Report(*result);
        }
        return Summarize();
    }

private:
    void Stop()
    {
        stopped_ = true;
        pipeline_.DropWaiting();
        if (size_t inWork = pipeline_.Pending())
            err_ << "tavrik-batch: stopping; finishing the " << inWork << Files(inWork) << " in work\n" << std::flush;
    }

    void Report(TBatchResult& result)
    {
        const std::string& file = request_.files[reported_];
        out_ << "[" << reported_ + 1 << "/" << request_.files.size() << "] " << file;
        ++reported_;
        try {
            if (result.error) std::rethrow_exception(result.error);
            WriteBatchOutput(result.output);
            out_ << " -> " << result.output.fileName << std::endl;
        } catch (...) {
            std::string reason = ErrorText(std::current_exception());
            out_ << ": FAILED: " << reason << std::endl;
            failures_.emplace_back(file, reason);
        }
    }

    int Summarize()
    {
        const size_t count = request_.files.size();
        const size_t converted = reported_ - failures_.size();
        if (stopped_) out_ << "Stopped: ";
        out_ << converted << " of " << count << Files(count) << " converted, " << failures_.size() << " failed";
        if (stopped_) out_ << ", " << count - reported_ << " not begun";
        out_ << "." << std::endl;
        if (!failures_.empty()) {
            err_ << "tavrik-batch: " << failures_.size() << Files(failures_.size()) << " could not be converted:\n";
            for (const auto& [file, reason] : failures_) err_ << "  " << file << ": " << reason << "\n";
            err_.flush();
        }
        if (stopped_) return kExitStopped;
        return failures_.empty() ? 0 : kExitFailed;
    }

    const TBatchRequest& request_;
    std::ostream& out_;
    std::ostream& err_;
    TBatchPipeline pipeline_;
    size_t next_ = 0;     // the next file to hand to the workers
    size_t reported_ = 0; // files written or reported as failed, in list order
    bool stopped_ = false;
    std::vector<std::pair<std::string, std::string>> failures_;
};

} // namespace

int RunBatchTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const std::function<bool()>& stopRequested)
{
    TBatchRequest request;
    const std::string problem = ParseArguments(args, request);
    if (request.help) {
        out << kUsage << kHelp;
        return 0;
    }
    if (request.version) {
        out << "tavrik-batch (Tavrik) " << TAVRIK_VERSION << "\n";
        return 0;
    }
    if (!problem.empty()) {
        err << "tavrik-batch: " << problem << "\n" << kUsage << "Try 'tavrik-batch --help' for more information.\n";
        return kExitUsage;
    }
    if (!DirectoryExists(request.outputFolder)) {
        err << "tavrik-batch: \"" << request.outputFolder << "\" is not an existing folder\n";
        return kExitUsage;
    }
    return TBatchRun(request, out, err).Run(stopRequested);
}

} // namespace tavrik
