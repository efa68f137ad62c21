// The names of every file of a scenario, composed from the route name and the
// train number. All files live in the application folder.
#pragma once

#include <string>
#include <string_view>

namespace compattatore {

enum class File {
    descrizione_linea,  // route + "_linea.txt" (transient)
    descrizione_treno,  // route + "_" + train + "-.txt" (transient)
    note,               // route + "_" + train + "_note.txt"
    rallentamenti,      // route + "_" + train + "_rallentamenti.txt"
    scheda_treno,       // route + "_" + train + "_scheda_treno.txt"
    planimetria,        // route + "_linea.dat"
    voci,               // route + "_" + train + ".sim"
    percorso,           // route + "_" + train + ".dat"
};

std::string nome_file(File f, std::string_view nome_percorso, std::string_view numero_treno);

}  // namespace compattatore
