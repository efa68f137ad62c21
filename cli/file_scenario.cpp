#include "cli/file_scenario.hpp"

#include <system_error>

#include "cli/carica.hpp"
#include "formato/file_percorso.hpp"
#include "formato/file_planimetria.hpp"
#include "formato/file_voci.hpp"

namespace compattatore::cli {

namespace fs = std::filesystem;

namespace {

template <class T>
T o_errore(const fs::path& p, Decodifica<T> d) {
    if (!d) throw FileIllegibile(p.string() + ": " + d.errore().messaggio);
    return std::move(d.tabella());
}

}  // namespace

std::string leggi_binario(const fs::path& p) { return leggi_ingresso(p, massimo_file_compilato); }

Planimetria carica_planimetria(const fs::path& p) { return o_errore(p, decodifica_planimetria(leggi_binario(p))); }

Voci carica_voci(const fs::path& p) { return o_errore(p, decodifica_voci(leggi_binario(p))); }

std::vector<Cella> carica_percorso(const fs::path& p, const std::optional<NomiGara>& nomi) {
    return o_errore(p, decodifica_percorso(leggi_binario(p), nomi));
}

}  // namespace compattatore::cli
