// The record of a reading: every field the readers took from a description,
// with its place and what the reader made of it. Nobody needs it to compile;
// the checks on meaning read it afterwards.
//
// The field reader appends one CampoLetto per field when a record listens
// (a null pointer otherwise: no cost but one test per field). The readers
// then say what the field was: a keyword field of an entry kind (`segna`),
// a comment, a section header, the part of the text it lies in. A field in
// keyword position that no kind took is an ignored field. The fields' bytes
// are read from the descriptions, which outlive the record.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "model/diagnostica.hpp"

namespace compattatore {

// The entry kinds, as the readers recognise them.
enum class Genere : std::uint8_t {
    nessuno,
    // line description, general section
    lunghezza,
    progressiva_uno,
    progressiva_due,
    progressiva_tre,
    sfondo_uno,
    sfondo_due,
    sfondo_tre,
    ripetizione,
    // line description, feature part
    pendenza,
    curva,
    montagna,
    indicatori,
    cartello,
    // train description
    massa_frenata,
    vetture,
    velocita,
    aderenza,
    orologio,
    sabbia,
    segnale,
    rallentamento,
    abbattimento,
    stazione,
};
inline constexpr std::size_t numero_generi = static_cast<std::size_t>(Genere::stazione) + 1;

// Where in its text a field lies.
enum class Parte : std::uint8_t {
    prima,     // before "[generale]"
    generale,  // the line's general section, or the train description after "[generale]"
    elementi,  // the line's feature part
};

enum class Ruolo : std::uint8_t {
    valore,        // a value of the entry before it
    chiave,        // in keyword position: an entry kind's keyword, or ignored when no kind took it
    commento,      // skipped as a comment (it holds "-")
    intestazione,  // a section header that ended the general section
};

// One field, in 28 bytes: a long line records tens of thousands, and the
// memory they touch is most of what recording costs. The bytes are an
// offset and a length into the text (Registro::testo gives them).
struct CampoLetto {
    std::uint32_t inizio = 0;     // offset of the field in its text (blanks in front skipped)
    std::uint32_t lunghezza = 0;  // its bytes
    std::int32_t riga = 0;
    std::int32_t colonna = 0;
    std::int32_t valore = 0;  // the number read, when numero
    Sorgente sorgente = Sorgente::linea;
    Parte parte = Parte::prima;
    Ruolo ruolo = Ruolo::valore;
    Genere genere = Genere::nessuno;   // the kind that took a keyword field
    Genere secondo = Genere::nessuno;  // a second kind that took the same field
    bool numero = false;               // read as a number

    // One past the field's last byte.
    std::int32_t colonna_fine() const { return colonna + static_cast<std::int32_t>(lunghezza); }
};

struct Registro {
    std::vector<CampoLetto> campi;
    Sorgente sorgente = Sorgente::linea;  // the text being read now
    Parte parte = Parte::prima;
    std::size_t chiave = 0;  // index of the keyword field read last
    // The texts the fields lie in, by source: set by the field reader that
    // records them; they outlive the record.
    std::array<std::string_view, 2> testi{};

    // A field's bytes: empty for a field of no recorded text.
    std::string_view testo(const CampoLetto& c) const {
        const auto i = static_cast<std::size_t>(c.sorgente);
        if (i >= testi.size() || c.inizio > testi[i].size()) return {};
        return testi[i].substr(c.inizio, c.lunghezza);
    }
};

}  // namespace compattatore
