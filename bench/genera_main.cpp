// compattatore-genera LENGTH DIR [ROUTE] [TRAIN]: writes a generated scenario
// of LENGTH metres as ROUTE_linea.txt and ROUTE_TRAIN-.txt into DIR, for the
// end-to-end benchmark.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "bench/genera_scenario.hpp"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: compattatore-genera LENGTH DIR [ROUTE] [TRAIN]\n";
        return 2;
    }
    const long lunghezza = std::strtol(argv[1], nullptr, 10);
    if (lunghezza < 1000 || lunghezza > 1000000) {
        std::cerr << "compattatore-genera: LENGTH must be 1000 to 1000000\n";
        return 2;
    }
    const std::filesystem::path cartella = argv[2];
    const std::string percorso = argc > 3 ? argv[3] : "Banco";
    const std::string treno = argc > 4 ? argv[4] : "1";
    const auto g = compattatore::banco::genera_scenario(static_cast<std::int32_t>(lunghezza));
    std::filesystem::create_directories(cartella);
    std::ofstream(cartella / (percorso + "_linea.txt"), std::ios::binary) << g.linea;
    std::ofstream(cartella / (percorso + "_" + treno + "-.txt"), std::ios::binary) << g.treno;
    return 0;
}
