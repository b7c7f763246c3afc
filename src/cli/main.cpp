#include <csignal>
#include <iostream>

#include "cli/CommandLine.h"

int main(int argc, char** argv) {
    // A write beyond the user's file-size limit must fail with a message, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    quintara::cli::CommandLine commandLine;
    return commandLine.Run(argc, argv, std::cout, std::cerr);
}
