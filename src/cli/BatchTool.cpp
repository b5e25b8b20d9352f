#include "cli/BatchTool.h"

#include "core/Exception.h"
#include "core/FileIO.h"
#include "imaging/BatchConversion.h"

#include <cstdint>
#include <exception>
#include <optional>
#include <ostream>
#include <utility>

namespace tavrik {

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

constexpr const char* kUsage = "Usage: tavrik-batch [-q QUALITY] -o FOLDER FILE...\n";

constexpr const char* kHelp =
    "Recompresses pictures into one folder, exactly as the batch page of Tavrik does.\n"
    "\n"
    "Each FILE becomes FOLDER/Yarro_NAME.jpg, where NAME is the file's name with its\n"
    "extension (from its last dot on) removed. A file whose extension is .bmp, in any\n"
    "case, is read as a Windows bitmap; every other file is decoded as JPEG. An existing\n"
    "output file is replaced. Files that map to the same output name overwrite each\n"
    "other; the one converted last wins.\n"
    "\n"
    "Options:\n"
    "  -q QUALITY   JPEG quality, 0 to 100 (default 75; 0 gives the same file as 1)\n"
    "  -o FOLDER    the output folder, which must exist\n"
    "  -h, --help   show this help and exit\n"
    "  --           treat every following argument as a file\n"
    "\n"
    "One line is printed per file. A file that cannot be read, decoded or written is\n"
    "reported and the run goes on with the next one; all failures are listed at the end.\n"
    "\n"
    "Exit status: 0 when every file was converted, 1 when any file failed, 2 for bad\n"
    "arguments or a missing output folder.\n";

struct TBatchRequest {
    uint8_t quality = 75;
    std::string outputFolder;
    std::vector<std::string> files;
    bool help = false;
};

std::optional<uint8_t> ParseQuality(const std::string& text)
{
    if (text.empty() || text.size() > 3) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > 100) return std::nullopt;
    return uint8_t(value);
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
        if (arg == "--") {
            request.files.insert(request.files.end(), args.begin() + long(i) + 1, args.end());
            break;
        }
        if (arg.size() < 2 || arg[0] != '-') {
            request.files.push_back(arg);
            continue;
        }
        const char option = arg[1];
        if (option != 'q' && option != 'o') return "unknown option " + arg;
        std::string value;
        if (arg.size() > 2) {
            value = arg.substr(2);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return std::string("option -") + option + " needs a value";
        }
        if (option == 'o') {
            request.outputFolder = value;
            outputGiven = true;
        } else if (auto quality = ParseQuality(value)) {
            request.quality = *quality;
        } else {
            return "the quality must be a whole number from 0 to 100, not \"" + value + "\"";
        }
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

int ConvertAll(const TBatchRequest& request, std::ostream& out, std::ostream& err)
{
    std::vector<std::pair<std::string, std::string>> failures;
    const size_t count = request.files.size();
    for (size_t i = 0; i < count; ++i) {
        const std::string& file = request.files[i];
        out << "[" << i + 1 << "/" << count << "] " << file;
        try {
            const std::string written = ConvertBatchFile(file, request.outputFolder, request.quality);
            out << " -> " << written << std::endl;
        } catch (...) {
            std::string reason = ErrorText(std::current_exception());
            out << ": FAILED: " << reason << std::endl;
            failures.emplace_back(file, reason);
        }
    }
    out << count - failures.size() << " of " << count << (count == 1 ? " file" : " files") << " converted, "
        << failures.size() << " failed." << std::endl;
    if (failures.empty()) return 0;
    err << "tavrik-batch: " << failures.size() << (failures.size() == 1 ? " file" : " files")
        << " could not be converted:\n";
    for (const auto& [file, reason] : failures) err << "  " << file << ": " << reason << "\n";
    err.flush();
    return kExitFailed;
}

} // namespace

int RunBatchTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    TBatchRequest request;
    const std::string problem = ParseArguments(args, request);
    if (request.help) {
        out << kUsage << kHelp;
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
    return ConvertAll(request, out, err);
}

} // namespace tavrik
