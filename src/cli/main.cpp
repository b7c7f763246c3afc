#include <iostream>

#include "cli/CommandLine.h"

int main(int argc, char** argv) {
    quintara::cli::CommandLine commandLine;
    return commandLine.Run(argc, argv, std::cout, std::cerr);
}
