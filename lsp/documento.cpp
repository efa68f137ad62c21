#include "lsp/documento.hpp"

namespace compattatore::lsp {

namespace {

bool finisce(std::string_view s, std::string_view coda) {
    return s.size() >= coda.size() && s.substr(s.size() - coda.size()) == coda;
}

}  // namespace

void Documento::imposta(std::string t) {
    utf8 = std::move(t);
    righe = inizi_righe(utf8);
    testo = in_1252(utf8);
    righe_1252 = inizi_righe(testo.byte);
}

void identifica(Documento& d, std::string_view id_linguaggio) {
    const std::string nome = d.percorso ? d.percorso->filename().string() : std::string();
    if (finisce(nome, "_linea.txt") && nome.size() > 10) {
        d.genere = Descrizione::linea;
        d.nome_percorso = nome.substr(0, nome.size() - 10);
        return;
    }
    if (finisce(nome, "-.txt")) {
        const std::string base = nome.substr(0, nome.size() - 5);
        const std::size_t sotto = base.rfind('_');
        if (sotto != std::string::npos && sotto > 0 && sotto + 1 < base.size()) {
            d.genere = Descrizione::treno;
            d.nome_percorso = base.substr(0, sotto);
            d.numero_treno = base.substr(sotto + 1);
            return;
        }
    }
    if (id_linguaggio == "compattatore-linea") d.genere = Descrizione::linea;
    if (id_linguaggio == "compattatore-treno") d.genere = Descrizione::treno;
}

}  // namespace compattatore::lsp
