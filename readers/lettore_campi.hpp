// The field input of the description texts.
//
// A description is read as one stream of fields, not of lines:
//   - a field ends at a comma or at a line end (CR LF, or a lone LF or CR);
//     blanks (spaces, tabs) in front of a field are skipped;
//   - a text field runs to the next comma or line end and keeps its trailing
//     blanks; the comma or line end that ends it is consumed;
//   - a number field is an optional minus sign followed by decimal digits; it
//     also ends at a blank, and then consumes the blanks after it and one comma
//     or one line end, so "0 , 100" reads 0 and 100 and "13    40    45 "
//     reads three numbers; an empty number field reads as 0;
//   - anything else where a number is expected, a number outside the range of
//     its target, or a read when the text is already at its end is a failure
//     of the reading step (ErroreLettura).
// The reader works on text in memory and never copies it.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "model/luogo.hpp"
#include "readers/registro.hpp"

namespace compattatore {

// A run-time failure of the reading step: malformed or out-of-range number,
// reading past the end of the text, an index outside a table.
class ErroreLettura : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class LettoreCampi {
public:
    explicit LettoreCampi(std::string_view testo) : testo_(testo) {}

    // The end-of-text test: true when nothing is left to read.
    bool fine() const { return pos_ >= testo_.size(); }

    // Reads a text field (a keyword, a board text, a station name).
    std::string_view campo_testo();

    // Reads a number field into a signed 32-bit value.
    std::int32_t campo_numero();

    // Reads a number field whose target holds min..max (an 8-bit or 16-bit
    // member); a value outside is a failure of the reading step.
    std::int32_t campo_numero_tra(std::int32_t minimo, std::int32_t massimo);

    // Where the field read last started.
    Luogo luogo() const { return ultimo_; }

    // The record that hears every field from now on (none: nullptr), and
    // what the readers say of a field: a role of the field read last (a
    // section header: of the keyword field read last), a kind of the keyword
    // field read last, the part of the text the next fields lie in. Each is
    // a no-op when no record listens.
    void ascolta(Registro* r) { registro_ = r; }
    void segna_parte(Parte p) {
        if (registro_) registro_->parte = p;
    }
    void segna(Ruolo r) {
        if (registro_) segna_ruolo(r);
    }
    void segna(Genere g) {
        if (registro_) segna_genere(g);
    }

private:
    void registra(std::size_t inizio, std::size_t fine, bool numero, std::int32_t valore);
    void segna_ruolo(Ruolo r);
    void segna_genere(Genere g);

    void salta_blanchi();
    bool a_fine_riga() const;
    void consuma_fine_riga();
    void consuma_separatore();  // one comma or one line end, if present
    void inizia_campo();        // past-the-end test, blanks, position of the field
    [[noreturn]] void fallisce(const std::string& cosa) const;

    std::string_view testo_;
    std::size_t pos_ = 0;
    std::int32_t riga_ = 1;
    std::size_t inizio_riga_ = 0;
    Luogo ultimo_{};
    Registro* registro_ = nullptr;
};

// Substring tests of the keyword fields: exact case, and case-free (ASCII
// letters folded).
bool contiene(std::string_view campo, std::string_view parola);
bool contiene_esatto(std::string_view campo, std::string_view parola);

}  // namespace compattatore
