// The canonical layout of a description text, conservatively: only the
// blanks between the fields of plain entries and the line ends change. Every
// entry keeps its place and its fields their bytes; a comment line, a line
// of no known entry and a section header stand as they were.
//
// Where the layout could change what the text means, the text is left as
// it stands from that line on, with a note: an entry whose fields run on to
// the next line, a line with more fields than its entry takes, a keyword
// field of more than one kind. A keyword recognised only by a substring
// ("xpendenzay") is formatted, with a note.
//
// The result is proven: the original and the formatted text are compiled
// (with a fixed partner description) and must give the same bytes and the
// same status, or the original is given back unchanged, with a note.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/messaggio.hpp"

namespace compattatore::decompila {

enum class TipoDescrizione { linea, treno };

// What was left as it stands, and from which line of the text (1-based).
struct Nota {
    std::size_t riga = 0;
    Messaggio testo;
};

struct Formattato {
    std::string testo;
    std::vector<Nota> note;
};

Formattato formatta(std::string_view testo, TipoDescrizione tipo);

// The same, without the compile that proves it (for the proof itself and
// the tests).
Formattato formatta_senza_prova(std::string_view testo, TipoDescrizione tipo);

}  // namespace compattatore::decompila
