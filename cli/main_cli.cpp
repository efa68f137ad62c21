// The command-line tool's entry point.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "platform/temporanei.hpp"

int main(int argc, char** argv) {
    compattatore::installa_gestori_segnali();
    std::vector<std::string> argomenti(argv + 1, argv + argc);
    return compattatore::cli::esegui(argomenti, std::cout, std::cerr);
}
