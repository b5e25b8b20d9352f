#include "app/CommandLine.h"

namespace tavrik {

TCommandLine ParseCommandLine(const std::vector<std::string>& args)
{
    TCommandLine line;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            line.files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "-h" || arg == "--help") {
            line.help = true;
        } else if (arg == "--version") {
            line.version = true;
        } else if (line.error.empty()) {
            line.error = "unknown option " + arg;
        }
    }
    return line;
}

std::string CommandLineHelp()
{
    return "Usage: tavrik [FILE...]\n"
           "Compresses pictures as JPEG, one at a time or many at once, in a window on the X\n"
           "display named by DISPLAY.\n"
           "\n"
           "One FILE opens as the picture to work on. With several, the first opens and all of\n"
           "them go to the batch list (names ending in .jpg, .jpeg or .bmp), whose page is shown.\n"
           "\n"
           "Options:\n"
           "  -h, --help   show this help and exit\n"
           "  --version    show the version and exit\n"
           "  --           treat every following argument as a file\n"
           "\n"
           "tavrik-batch recompresses a list of pictures without a window.\n";
}

} // namespace tavrik
