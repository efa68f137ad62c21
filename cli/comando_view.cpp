// view: a scenario as one self-contained, interactive HTML page, from its
// descriptions (compiled in memory as compile does) or its compiled files.
#include "cli/cli.hpp"
#include "cli/carica.hpp"
#include "cli/comandi.hpp"
#include "cli/lingua.hpp"
#include "cli/messaggi.hpp"
#include "cli/testo.hpp"
#include "cli/vista_dati.hpp"
#include "cli/vista_json.hpp"
#include "cli/vista_pagina.hpp"
#include "platform/ambiente_file.hpp"

namespace compattatore::cli {

namespace {

constexpr Opzione opzioni_view[] = {
    {"", "-o", "FILE", messaggi::aiuto_opz_html},
    {opzione_percorso.nome, "", opzione_percorso.valore, messaggi::aiuto_opz_percorso_da_linea},
    {opzione_treno.nome, "", opzione_treno.valore, messaggi::aiuto_opz_treno_da_nome},
    {"--from-files", "", "", messaggi::aiuto_opz_da_file_view},
    {opzione_da.nome, "", opzione_da.valore, messaggi::aiuto_opz_da_view},
    {opzione_a.nome, "", opzione_a.valore, messaggi::aiuto_opz_a_view},
    opzione_lingua,
};

int esegui_view(const Argomenti& a, std::ostream&, std::ostream& err) {
    int esito = esito_pulito;
    const std::optional<Disegnabile> d = carica_disegnabile("view", a, err, esito);
    if (!d) return esito;
    const std::string titolo = utf8_da_1252(d->voci[indice_voce::linea].nome) + ", train " +
                               utf8_da_1252(d->voci[indice_voce::treno].nome);
    const std::string pagina = pagina_vista(titolo, dati_vista(*d));
    sostituisci_file(*a.valore("-o"), [&](Uscita& u) { u.scrivi(pagina.data(), pagina.size()); });
    return d->esito;
}

}  // namespace

const Comando comando_view{
    "view",
    "view LINE TRAIN",
    messaggi::aiuto_view_sintesi,
    opzioni_view,
    messaggi::aiuto_view_testa,
    messaggi::aiuto_view_coda,
    esegui_view,
};

}  // namespace compattatore::cli
