// The canonical layout of a description text, the one the decompiler writes
// and the formatter produces: the section headers in their order, one entry
// per line, the fields of consecutive entries aligned in columns, and every
// line that is not a plain entry kept as it stands.
//
// An entry line is the keyword field and a comma, then its value fields,
// each right-aligned in its column after two blanks and separated by commas;
// a closing text field (a board text, a station name) follows the last
// value after ", " and runs to the end of the line, so it keeps its bytes,
// trailing blanks included. Padding only ever adds blanks in front of a
// field, which the field input skips: the fields read back are the same.
// Lines end with CR LF.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace compattatore::decompila {

struct Riga {
    // A plain entry: keyword and values. Otherwise `grezza` is the line as
    // it stands (a comment, an entry spanning lines, anything unusual).
    bool voce = true;
    std::string chiave;
    std::vector<std::string> valori;
    std::optional<std::string> testo;  // the closing text field, when the entry has one
    std::string grezza;

    static Riga di_voce(std::string chiave, std::vector<std::string> valori,
                        std::optional<std::string> testo = std::nullopt) {
        Riga r;
        r.chiave = std::move(chiave);
        r.valori = std::move(valori);
        r.testo = std::move(testo);
        return r;
    }
    static Riga come_sta(std::string testo) {
        Riga r;
        r.voce = false;
        r.grezza = std::move(testo);
        return r;
    }
};

// A header line ("[curve]") and the lines under it; an empty header is the
// text before the first header.
struct Sezione {
    std::string intestazione;
    std::vector<Riga> righe;
};

struct Descrizione {
    std::vector<Sezione> sezioni;
};

// The text, CR LF after every line.
std::string scrivi_descrizione(const Descrizione& d);

}  // namespace compattatore::decompila
