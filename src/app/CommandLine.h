#pragma once

#include <string>
#include <vector>

namespace tavrik {

// What the workbench's command line asks for: tavrik [--help | --version] [--] [FILE...],
// FILE being what a desktop's menu entry passes for the pictures it was opened with.
struct TCommandLine {
    bool help = false;
    bool version = false;
    std::vector<std::string> files;
    std::string error; // an unknown option; empty when the line is good
};

TCommandLine ParseCommandLine(const std::vector<std::string>& args);
// The text --help prints.
std::string CommandLineHelp();

} // namespace tavrik
