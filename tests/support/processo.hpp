// Runs a program as a process in a given folder and collects its exit status,
// standard output and standard error.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/wait.h>

#include "tests/support/cartella_temporanea.hpp"

namespace compattatore::prova {

struct Esecuzione {
    int stato = -1;
    std::string out;
    std::string err;
};

inline std::string tra_apici(const std::string& s) {
    std::string r = "'";
    for (char c : s) {
        if (c == '\'') r += "'\\''";
        else r += c;
    }
    return r + "'";
}

inline Esecuzione esegui(const std::string& programma, const std::vector<std::string>& argomenti,
                         const std::filesystem::path& cartella) {
    CartellaTemporanea uscite;
    std::string comando = "cd " + tra_apici(cartella.string()) + " && " + tra_apici(programma);
    for (const auto& a : argomenti) comando += " " + tra_apici(a);
    comando += " >" + tra_apici((uscite / "out").string()) + " 2>" + tra_apici((uscite / "err").string()) +
               " </dev/null";
    const int grezzo = std::system(comando.c_str());
    Esecuzione e;
    e.stato = WIFEXITED(grezzo) ? WEXITSTATUS(grezzo) : -1;
    e.out = leggi_tutto(uscite / "out");
    e.err = leggi_tutto(uscite / "err");
    return e;
}

}  // namespace compattatore::prova
