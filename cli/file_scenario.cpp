#include "cli/file_scenario.hpp"

#include <system_error>

#include "cli/carica.hpp"

namespace compattatore::cli {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view suffisso_planimetria = "_linea.dat";

template <class T>
T o_errore(const fs::path& p, Decodifica<T> d) {
    if (!d) throw FileIllegibile(p.string() + ": " + d.errore().messaggio);
    return std::move(d.tabella());
}

}  // namespace

std::optional<TipoFile> tipo_da_nome(const fs::path& p) {
    const std::string nome = p.filename().string();
    if (nome.size() > suffisso_planimetria.size() && nome.ends_with(suffisso_planimetria)) return TipoFile::planimetria;
    if (nome.size() > 4 && nome.ends_with(".sim")) return TipoFile::voci;
    if (nome.size() > 4 && nome.ends_with(".dat")) return TipoFile::percorso;
    return std::nullopt;
}

std::string leggi_binario(const fs::path& p) { return leggi_ingresso(p, massimo_file_compilato); }

Planimetria carica_planimetria(const fs::path& p) { return o_errore(p, decodifica_planimetria(leggi_binario(p))); }

Voci carica_voci(const fs::path& p) { return o_errore(p, decodifica_voci(leggi_binario(p))); }

std::vector<Cella> carica_percorso(const fs::path& p, const std::optional<NomiGara>& nomi) {
    return o_errore(p, decodifica_percorso(leggi_binario(p), nomi));
}

fs::path voci_accanto(const fs::path& percorso) {
    fs::path v = percorso;
    v.replace_extension(".sim");
    return v;
}

std::optional<NomiGara> nomi_da_nome_file(const fs::path& percorso) {
    const std::string radice = percorso.stem().string();
    const std::size_t u = radice.rfind('_');
    if (u == std::string::npos || u == 0 || u + 1 == radice.size()) return std::nullopt;
    return NomiGara{radice.substr(0, u), radice.substr(u + 1)};
}

}  // namespace compattatore::cli
