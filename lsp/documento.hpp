// An open document: the editor's text and its Windows-1252 form, what kind
// of description it is and which route it belongs to.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "lsp/campi.hpp"
#include "lsp/testo.hpp"

namespace compattatore::lsp {

struct Documento {
    std::string uri;
    std::optional<std::filesystem::path> percorso;  // nullopt: not a file
    std::optional<Descrizione> genere;              // nullopt: neither description
    std::string nome_percorso;                      // the route, from the file name
    std::string numero_treno;                       // a train's number, from the file name
    std::int64_t versione = 0;
    std::string utf8;
    std::vector<std::size_t> righe;  // line starts of utf8
    Testo1252 testo;
    std::vector<std::size_t> righe_1252;
    bool da_controllare = true;

    // Takes a new text and everything derived from it.
    void imposta(std::string t);
};

// Kind, route and number of a document from its file name (ROUTE_linea.txt,
// ROUTE_NUMBER-.txt) or, failing that, from the editor's language id.
void identifica(Documento& d, std::string_view id_linguaggio);

}  // namespace compattatore::lsp
