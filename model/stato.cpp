#include "model/stato.hpp"

#include <array>
#include <ostream>

namespace compattatore {

namespace {

using enum Stato;
constexpr Gravita E = Gravita::errore;
constexpr Gravita A = Gravita::avviso;
constexpr Gravita F = Gravita::arresto;

constexpr VoceCatalogo voce(Stato s, std::string_view nome, Gravita g, std::string_view significato) {
    return {s, numero(s), nome, g, significato};
}

constexpr std::array voci_catalogo{
    voce(lunghezza_fuori_limiti, "line_length_out_of_range", E, "the line length lies outside 0 to 1000000 m"),
    voce(progressiva_non_multipla, "progressive_not_multiple_of_50", E,
         "a first or second value of a kilometric progressive is not a multiple of 50 m"),
    voce(ripetizione_inizio_non_multiplo, "cab_signal_start_not_multiple_of_50", E,
         "the start of the cab-signal section is not a multiple of 50 m"),
    voce(ripetizione_fine_non_multipla, "cab_signal_end_not_multiple_of_50", E,
         "the end of the cab-signal section is not a multiple of 50 m"),
    voce(ripetizione_senza_sistema, "cab_signal_system_unnamed", E,
         "the cab-signal section names neither the 4-code nor the 9-code system"),
    voce(cartello_su_cella_occupata, "indication_board_cell_taken", E, "an indication board's cell is not free"),
    voce(abbattimento_su_cella_occupata, "code_point_cell_taken", E, "a code point's cell is not free"),
    voce(stazione_non_multipla, "station_position_not_multiple_of_50", E,
         "a station position is not a multiple of 50 m"),
    voce(lunghezza_stazione_non_multipla, "station_length_not_multiple_of_100", E,
         "a station length is not a multiple of 100 m"),
    voce(stazioni_sui_cartelli, "stations_reach_board_texts", E,
         "the stations reach the entries that hold the board texts"),
    voce(rifinitura_prima_del_segnale, "no_code_point_before_signal", A,
         "no free cell for the code point before a signal ahead of a slowdown warning board"),
    voce(rifinitura_prima_del_rallentamento, "no_code_point_before_slowdown", A,
         "no free cell for a code point before a slowdown start"),
    voce(rifinitura_nel_rallentamento, "no_code_point_inside_or_after_slowdown", A,
         "no free cell for a code point inside a slowdown or before the signal after it"),
    voce(oltre_il_percorso, "position_beyond_track", E, "a position lies beyond the end of the track"),
    voce(segnale_su_cella_occupata, "signal_cell_taken", E, "a signal's cell is not free"),
    voce(avviso_rallentamento_occupato, "slowdown_warning_cell_taken", E,
         "a slowdown's warning-board cell is not free"),
    voce(inizio_rallentamento_occupato, "slowdown_start_cell_taken", E, "a slowdown's start cell is not free"),
    voce(fine_rallentamento_occupata, "slowdown_end_cell_taken", E, "a slowdown's end cell is not free"),
    voce(prima_avviso_occupata, "cells_before_warning_taken", E,
         "one of the four cells before a slowdown warning board is not free"),
    voce(indicatore_su_cella_occupata, "speed_board_cell_taken", E, "a speed board's cell is not free"),
    voce(stazioni_troppo_vicine, "station_zones_too_close", E,
         "a station zone starts less than 350 m after the previous zone ends"),
    voce(stazione_senza_fermata, "station_without_stop_cell", E, "a station's zone leaves no room for its stop cell"),
    voce(guasto_lettura, "reading_failure", E,
         "a description could not be read: a malformed or oversize value, or a table overflow"),
    voce(linea_assente, "line_description_missing", E, "the line description does not exist"),
    voce(generale_assente, "general_heading_missing", E, "the line description has no \"[generale]\" heading"),
    voce(curva_inutilizzabile, "curve_unusable", E, "a curve cannot be drawn into the plan"),
    voce(marchio_occupato, "file_mark_slot_taken", F, "a file-mark slot (cell 1 or entry 85) is already taken"),
    voce(codice_gara_occupato, "competition_code_slot_taken", F,
         "a competition-code slot (cell 1 or entry 85) is already taken"),
    voce(avviso_voce_sconosciuta, "unknown-entry", A, "a keyword field or section header that names no entry kind"),
    voce(avviso_maiuscole, "case", A, "a general-section keyword that would match only if case were ignored"),
    voce(avviso_commento, "comment", A,
         "a field taken as a comment that holds a keyword or looks like another comment convention, or the comment limit reached"),
    voce(avviso_campi, "fields", A,
         "an entry took values from the next line, a line has more fields than its entry, or a field was handled twice"),
    voce(avviso_posto, "place", A, "an entry in the wrong part of its description, or text before \"[generale]\""),
    voce(avviso_ordine, "order", A, "entries out of increasing position or time where the order changes the result"),
    voce(avviso_griglia, "grid", A, "a position moved to its 50 m cell: the feature lands at another metre"),
    voce(avviso_oltre_linea, "beyond-line", A, "a feature past the line's length, in the 7000 m the track runs on"),
    voce(avviso_sovrapposizione, "overlap", A, "entries that overlap, or an entry that loses to another on the same cell"),
    voce(avviso_due_volte, "twice", A, "a general entry given twice: the later wins"),
    voce(avviso_valori, "values", A, "a value outside what a railway of this kind has"),
    voce(avviso_codifica, "encoding", A, "a text holds UTF-8 sequences or a byte-order mark, while the format is Windows-1252"),
    voce(carattere_senza_1252, "encoding-unmappable", E, "a character of a UTF-8 input has no Windows-1252 byte"),
    VoceCatalogo{treno_senza_generale, 0, "train-without-general", E,
     "the train description is empty or has no \"[generale]\" heading: it would give a train with no entry"},
    VoceCatalogo{testo_troppo_lungo, 0, "text-too-long", E,
     "a station name or board text is longer than the 32767 bytes an entry of the entry file can hold"},
    VoceCatalogo{testo_dalla_riga_dopo, 0, "text-from-next-line", A,
                 "a station or board line ends before its text, which is then taken from the next line"},
};

constexpr std::array classi{avviso_voce_sconosciuta, avviso_maiuscole,    avviso_commento,        avviso_campi,
                            avviso_posto,           avviso_ordine,       avviso_griglia,         avviso_oltre_linea,
                            avviso_sovrapposizione, avviso_due_volte,    avviso_valori,          avviso_codifica,
                            testo_dalla_riga_dopo};

}  // namespace

std::span<const VoceCatalogo> catalogo() { return voci_catalogo; }

std::span<const Stato> classi_avviso() { return classi; }

const VoceCatalogo* cerca(Stato s) {
    for (const VoceCatalogo& v : voci_catalogo) {
        if (v.stato == s) return &v;
    }
    return nullptr;
}

std::optional<Stato> stato_di(std::int32_t n) {
    if (n == 0) return std::nullopt;
    for (const VoceCatalogo& v : voci_catalogo) {
        if (v.numero == n) return v.stato;
    }
    return std::nullopt;
}

Gravita gravita(Stato s) {
    const VoceCatalogo* v = cerca(s);
    return v ? v->gravita : Gravita::errore;
}

std::string_view nome(Stato s) {
    const VoceCatalogo* v = cerca(s);
    return v ? v->nome : (s == nessuno ? "none" : "unknown");
}

std::string_view nome(Gravita g) {
    switch (g) {
        case Gravita::errore: return "error";
        case Gravita::avviso: return "warning";
        case Gravita::arresto: return "stop";
    }
    return "error";
}

void PrintTo(Stato s, std::ostream* os) { *os << numero(s) << " (" << nome(s) << ')'; }

}  // namespace compattatore
