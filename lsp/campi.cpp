#include "lsp/campi.hpp"

namespace compattatore::lsp {

namespace {

// Entries with at least this many values have them named inline.
constexpr std::size_t valori_lunghi = 6;

}  // namespace

bool della_descrizione(const guida::TipoVoce& t, Descrizione d) {
    const bool linea = t.parte == guida::Parte::linea_generale || t.parte == guida::Parte::linea_elementi;
    return linea == (d == Descrizione::linea);
}

bool campo_testo(const guida::TipoVoce& t, std::size_t i) {
    if (i >= t.campi.size()) return false;
    const std::string_view n = t.campi[i].nome;
    return n == "nome" || n == "testo";
}

bool nomina_campi(const guida::TipoVoce& t) { return t.campi.size() >= valori_lunghi; }

std::string_view parola_da_scrivere(const guida::TipoVoce& t) {
    const std::string_view e = t.esempio;
    const std::size_t virgola = e.find(',');
    return virgola == std::string_view::npos ? t.parola_chiave : e.substr(0, virgola);
}

std::vector<const guida::Intestazione*> intestazioni(Descrizione d) {
    std::vector<const guida::Intestazione*> r;
    for (const guida::Intestazione& h : guida::intestazioni()) {
        if (h.linea == (d == Descrizione::linea)) r.push_back(&h);
    }
    return r;
}

}  // namespace compattatore::lsp
