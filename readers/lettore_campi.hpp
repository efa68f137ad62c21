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

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "model/diagnostica.hpp"
#include "model/luogo.hpp"
#include "model/messaggio.hpp"
#include "readers/registro.hpp"

namespace compattatore {

// A run-time failure of the reading step: malformed or out-of-range number,
// reading past the end of the text, an index outside a table.
class ErroreLettura : public Errore {
public:
    using Errore::Errore;
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
    // One past the last byte of the field read last, as a 1-based column.
    std::int32_t colonna_fine() const {
        return ultimo_.colonna + static_cast<std::int32_t>(fine_ultimo_ - inizio_ultimo_);
    }
    // The text of the field read last, without the blanks that follow it.
    std::string_view ultimo_campo() const { return testo_.substr(inizio_ultimo_, fine_ultimo_ - inizio_ultimo_); }

    // The entry being read: the reader marks its keyword field (the field
    // read last) when it recognises it; every field read after it is one of
    // the entry's values.
    void segna_voce() {
        chiave_ = ultimo_;
        testo_chiave_ = ultimo_campo();
        valori_letti_ = 0;
        sulla_riga_ = 0;
    }
    // No entry is being read: the fields in keyword position come next.
    void nuova_voce() { chiave_ = Luogo{}; }
    Luogo luogo_voce() const { return chiave_; }
    std::string_view chiave_voce() const { return testo_chiave_; }
    // Values of the entry read so far, the one read last included.
    std::int32_t valori_letti() const { return valori_letti_; }
    // Where the entry's k-th value (1-based) started; the keyword's place for
    // a value not read yet or beyond the first few.
    Luogo luogo_valore(std::int32_t k) const {
        if (k < 1 || k > valori_letti_ || k > static_cast<std::int32_t>(valori_.size())) return chiave_;
        return valori_[static_cast<std::size_t>(k - 1)];
    }
    // Of them, those that stood on the keyword's line.
    std::int32_t valori_sulla_riga() const { return sulla_riga_; }

    // The record that hears every field from now on (none: nullptr), and
    // what the readers say of a field: a role of the field read last (a
    // section header: of the keyword field read last), a kind of the keyword
    // field read last, the part of the text the next fields lie in. Each is
    // a no-op when no record listens.
    // A text too long for the record's 32-bit offsets (4 GiB) is not recorded.
    void ascolta(Registro* r) {
        const auto i = r ? static_cast<std::size_t>(r->sorgente) : 0;
        if (r && (i >= r->testi.size() || testo_.size() > UINT32_MAX)) r = nullptr;
        if (r) r->testi[i] = testo_;
        registro_ = r;
    }
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
    // Called for every field of a checked reading, so inline: built in
    // place, with the bounds the callers hold (inizio <= fine <= the text's size).
    void registra(std::size_t inizio, std::size_t fine, bool numero, std::int32_t valore) {
        Registro& r = *registro_;
        r.campi.push_back(CampoLetto{.inizio = static_cast<std::uint32_t>(inizio),
                                     .lunghezza = static_cast<std::uint32_t>(fine - inizio),
                                     .riga = ultimo_.riga,
                                     .colonna = ultimo_.colonna,
                                     .valore = valore,
                                     .sorgente = r.sorgente,
                                     .parte = r.parte,
                                     .numero = numero});
    }
    void segna_ruolo(Ruolo r);
    void segna_genere(Genere g);

    void salta_blanchi();
    bool a_fine_riga() const;
    void consuma_fine_riga();
    void consuma_separatore();  // one comma or one line end, if present
    void inizia_campo();        // past-the-end test, blanks, position of the field
    std::size_t campo_fino(std::size_t da) const;
    // Throws ErroreLettura: what failed, at the place of the field read last.
    [[noreturn]] void fallisce(const Modello& cosa) const;
    [[noreturn]] void fallisce(Messaggio cosa) const;

    std::string_view testo_;
    std::size_t pos_ = 0;
    std::int32_t riga_ = 1;
    std::size_t inizio_riga_ = 0;
    Luogo ultimo_{};
    Registro* registro_ = nullptr;
    std::size_t inizio_ultimo_ = 0;
    std::size_t fine_ultimo_ = 0;
    Luogo chiave_{};
    std::string_view testo_chiave_;
    std::int32_t valori_letti_ = 0;
    std::int32_t sulla_riga_ = 0;
    std::array<Luogo, 20> valori_{};
};

struct Scenario;

// A text value (board text, station name) that the entry file cannot hold:
// recorded as the tool's own refusal at the field read last.
// `cosa` says what the text is (lettura_testo_cartello, lettura_nome_stazione).
void controlla_lunghezza_testo(Scenario& s, Sorgente sorgente, const LettoreCampi& campi, std::string_view testo,
                               const Modello& cosa);

// "1st", "2nd", "11th": the place of a value in its entry, in words.
Messaggio ordinale(std::int32_t n);

// The entry being read is short of values on its line (`parola` is its
// keyword as it is to be shown): how many stand there, and which value the
// field read last, from a later line, was taken for.
Messaggio valori_dalla_riga_dopo(const LettoreCampi& campi, std::string_view parola);

// A text value (board text, station name) read from a later line than its
// entry's keyword: the line was short of it and the reader took the next
// line's first field. Recorded as the tool's own refusal at the keyword.
void controlla_testo_sulla_riga(Scenario& s, Sorgente sorgente, const LettoreCampi& campi);

// Substring tests of the keyword fields: exact case, and case-free (ASCII
// letters folded).
bool contiene(std::string_view campo, std::string_view parola);
bool contiene_esatto(std::string_view campo, std::string_view parola);

}  // namespace compattatore
