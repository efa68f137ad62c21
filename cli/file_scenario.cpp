#include "cli/file_scenario.hpp"

#include <fstream>
#include <iterator>
#include <system_error>

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

std::string leggi_binario(const fs::path& p) {
    std::error_code ec;
    if (!fs::is_regular_file(p, ec)) throw FileIllegibile(p.string() + ": no such file");
    std::ifstream f(p, std::ios::binary);
    if (!f) throw FileIllegibile(p.string() + ": cannot be opened");
    std::string b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (f.bad()) throw FileIllegibile(p.string() + ": read error");
    return b;
}

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
