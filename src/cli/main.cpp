#include "cli/BatchTool.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    return tavrik::RunBatchTool(args, std::cout, std::cerr);
}
