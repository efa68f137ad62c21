// The status catalogue: every status the build records in `codice_errore`,
// and the two numbered error stops, each named once with its severity and a
// one-line meaning.
//
// An enumerator's value is the status number itself. A class of diagnostic
// that has no status number (one the tool adds of its own) takes a value from
// `primo_senza_numero` upward and has numero 0 in the table.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>
#include <string_view>

namespace compattatore {

enum class Stato : std::int32_t {
    nessuno = 0,  // nothing recorded

    lunghezza_fuori_limiti = 1,
    progressiva_non_multipla = 2,
    ripetizione_inizio_non_multiplo = 3,
    ripetizione_fine_non_multipla = 4,
    ripetizione_senza_sistema = 5,
    cartello_su_cella_occupata = 6,
    abbattimento_su_cella_occupata = 7,
    stazione_non_multipla = 8,
    lunghezza_stazione_non_multipla = 9,
    stazioni_sui_cartelli = 10,
    rifinitura_prima_del_segnale = 11,
    rifinitura_prima_del_rallentamento = 12,
    rifinitura_nel_rallentamento = 13,
    oltre_il_percorso = 15,
    segnale_su_cella_occupata = 16,
    avviso_rallentamento_occupato = 17,
    inizio_rallentamento_occupato = 18,
    fine_rallentamento_occupata = 19,
    prima_avviso_occupata = 20,
    indicatore_su_cella_occupata = 21,
    stazioni_troppo_vicine = 22,
    stazione_senza_fermata = 24,
    guasto_lettura = 25,
    linea_assente = 101,
    generale_assente = 102,
    curva_inutilizzabile = 103,
    marchio_occupato = 1250,
    codice_gara_occupato = 1251,

    // The checks on meaning: warnings about what the format skips or accepts
    // but an author almost never means. They record no status.
    avviso_voce_sconosciuta = 100000,  // primo_senza_numero
    avviso_maiuscole,
    avviso_commento,
    avviso_campi,
    avviso_posto,
    avviso_ordine,
    avviso_griglia,
    avviso_oltre_linea,
    avviso_sovrapposizione,
    avviso_due_volte,
    avviso_valori,
    avviso_codifica,
    // A character of a UTF-8 input that has no Windows-1252 byte.
    carattere_senza_1252,
    // The tool's own refusals: what the format accepts in silence and no
    // author means. The program's status never carries them.
    treno_senza_generale = 100900,  // the train description is empty or has no "[generale]"
    testo_troppo_lungo = 100901,    // a station name or board text the entry file cannot hold
    testo_dalla_riga_dopo = 100902, // a station name or board text taken from the next line
};

// Values from here upward name diagnostic classes without a status number.
inline constexpr std::int32_t primo_senza_numero = 100000;

enum class Gravita {
    errore,   // the description is refused
    avviso,   // a finishing rule could not place a code point: the build goes on
    arresto,  // the numbered error stop: the run ends with a message
};

struct VoceCatalogo {
    Stato stato;
    std::int32_t numero;      // the status number; 0 for a class without one
    std::string_view nome;    // stable identifier for tools, snake_case English
    Gravita gravita;
    std::string_view significato;  // one line, English
};

// Every entry of the catalogue, in the order of the numbers.
std::span<const VoceCatalogo> catalogo();

// The entry of a status; Stato::nessuno and values outside the catalogue have none.
const VoceCatalogo* cerca(Stato s);
// The status of a recorded number, when it is one.
std::optional<Stato> stato_di(std::int32_t numero);

// The status number (0 for Stato::nessuno and for a class without one).
constexpr std::int32_t numero(Stato s) {
    const auto v = static_cast<std::int32_t>(s);
    return v >= primo_senza_numero ? 0 : v;
}
// The classes of the checks on meaning, in the order of the catalogue.
std::span<const Stato> classi_avviso();
Gravita gravita(Stato s);
std::string_view nome(Stato s);
std::string_view nome(Gravita g);  // "error", "warning", "stop"

// Test output: "15 (position_beyond_track)".
void PrintTo(Stato s, std::ostream* os);

}  // namespace compattatore
