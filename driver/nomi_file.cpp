#include "driver/nomi_file.hpp"

namespace compattatore {

std::string nome_file(File f, std::string_view nome_percorso, std::string_view numero_treno) {
    std::string linea(nome_percorso);
    std::string treno = linea + "_" + std::string(numero_treno);
    switch (f) {
        case File::descrizione_linea: return linea + "_linea.txt";
        case File::descrizione_treno: return treno + "-.txt";
        case File::note: return treno + "_note.txt";
        case File::rallentamenti: return treno + "_rallentamenti.txt";
        case File::scheda_treno: return treno + "_scheda_treno.txt";
        case File::planimetria: return linea + "_linea.dat";
        case File::voci: return treno + ".sim";
        case File::percorso: return treno + ".dat";
    }
    return {};
}

}  // namespace compattatore
