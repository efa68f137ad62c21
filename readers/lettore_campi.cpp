#include "readers/lettore_campi.hpp"

#include <algorithm>

#include "model/scenario.hpp"

namespace compattatore {

namespace {
bool blanco(char c) { return c == ' ' || c == '\t'; }
char minuscola(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

void LettoreCampi::salta_blanchi() {
    while (pos_ < testo_.size() && blanco(testo_[pos_])) ++pos_;
}

bool LettoreCampi::a_fine_riga() const {
    return pos_ < testo_.size() && (testo_[pos_] == '\r' || testo_[pos_] == '\n');
}

void LettoreCampi::consuma_fine_riga() {
    if (testo_[pos_] == '\r') {
        ++pos_;
        if (pos_ < testo_.size() && testo_[pos_] == '\n') ++pos_;
    } else {
        ++pos_;
    }
    ++riga_;
    inizio_riga_ = pos_;
}

void LettoreCampi::consuma_separatore() {
    if (pos_ >= testo_.size()) return;
    if (testo_[pos_] == ',') {
        ++pos_;
    } else if (a_fine_riga()) {
        consuma_fine_riga();
    }
}

void LettoreCampi::fallisce(const std::string& cosa) const {
    throw ErroreLettura(cosa + " at line " + std::to_string(ultimo_.riga) + ", column " +
                        std::to_string(ultimo_.colonna));
}

void LettoreCampi::inizia_campo() {
    if (fine()) {
        ultimo_ = Luogo{riga_, static_cast<std::int32_t>(pos_ - inizio_riga_) + 1};
        fallisce("reading past the end of the text");
    }
    salta_blanchi();
    ultimo_ = Luogo{riga_, static_cast<std::int32_t>(pos_ - inizio_riga_) + 1};
    inizio_ultimo_ = pos_;
    fine_ultimo_ = campo_fino(pos_);
    ++valori_letti_;
    if (valori_letti_ <= static_cast<std::int32_t>(valori_.size())) valori_[static_cast<std::size_t>(valori_letti_ - 1)] = ultimo_;
    if (riga_ == chiave_.riga) ++sulla_riga_;
}

// One past the last byte of the field that starts at da: up to the next comma
// or line end, without trailing blanks.
std::size_t LettoreCampi::campo_fino(std::size_t da) const {
    std::size_t f = da;
    while (f < testo_.size() && testo_[f] != ',' && testo_[f] != '\r' && testo_[f] != '\n') ++f;
    while (f > da && blanco(testo_[f - 1])) --f;
    return f;
}

std::string_view LettoreCampi::campo_testo() {
    inizia_campo();
    const std::size_t inizio = pos_;
    while (pos_ < testo_.size()) {
        const char c = testo_[pos_];
        if (c == ',' || c == '\r' || c == '\n') break;
        ++pos_;
    }
    const std::string_view campo = testo_.substr(inizio, pos_ - inizio);
    if (registro_) registra(inizio, pos_, false, 0);
    consuma_separatore();
    return campo;
}

std::int32_t LettoreCampi::campo_numero() {
    inizia_campo();
    if (fine() || testo_[pos_] == ',' || a_fine_riga()) {
        if (registro_) registra(pos_, pos_, true, 0);
        consuma_separatore();
        return 0;  // an empty number field
    }
    bool negativo = false;
    if (testo_[pos_] == '-') {
        negativo = true;
        ++pos_;
    }
    std::int64_t valore = 0;
    std::size_t cifre = 0;
    while (pos_ < testo_.size() && testo_[pos_] >= '0' && testo_[pos_] <= '9') {
        valore = valore * 10 + (testo_[pos_] - '0');
        if (valore > 2147483648LL) fallisce("number out of range");
        ++cifre;
        ++pos_;
    }
    if (cifre == 0) fallisce("malformed number");
    if (pos_ < testo_.size()) {
        const char c = testo_[pos_];
        if (!(blanco(c) || c == ',' || c == '\r' || c == '\n')) fallisce("malformed number");
    }
    if (negativo) valore = -valore;
    if (valore > 2147483647LL) fallisce("number out of range");
    if (registro_) registra(pos_ - cifre - (negativo ? 1 : 0), pos_, true, static_cast<std::int32_t>(valore));
    fine_ultimo_ = pos_;  // a number ends at its last digit
    salta_blanchi();
    consuma_separatore();
    return static_cast<std::int32_t>(valore);
}

std::int32_t LettoreCampi::campo_numero_tra(std::int32_t minimo, std::int32_t massimo) {
    const std::int32_t v = campo_numero();
    if (v < minimo || v > massimo) {
        fallisce("number " + std::to_string(v) + " outside " + std::to_string(minimo) + " to " +
                 std::to_string(massimo));
    }
    return v;
}

// Called for every field of a checked reading: built in place, with the
// bounds the callers hold (inizio <= fine <= the text's size).
void LettoreCampi::registra(std::size_t inizio, std::size_t fine, bool numero, std::int32_t valore) {
    Registro& r = *registro_;
    r.campi.push_back(CampoLetto{.sorgente = r.sorgente,
                                 .parte = r.parte,
                                 .numero = numero,
                                 .riga = ultimo_.riga,
                                 .colonna = ultimo_.colonna,
                                 .colonna_fine = ultimo_.colonna + static_cast<std::int32_t>(fine - inizio),
                                 .valore = valore,
                                 .testo = std::string_view(testo_.data() + inizio, fine - inizio)});
}

void LettoreCampi::segna_ruolo(Ruolo r) {
    if (registro_->campi.empty()) return;
    if (r == Ruolo::intestazione) {
        if (registro_->chiave < registro_->campi.size()) registro_->campi[registro_->chiave].ruolo = r;
        return;
    }
    registro_->campi.back().ruolo = r;
    if (r == Ruolo::chiave) registro_->chiave = registro_->campi.size() - 1;
}

void LettoreCampi::segna_genere(Genere g) {
    if (registro_->chiave >= registro_->campi.size()) return;
    CampoLetto& c = registro_->campi[registro_->chiave];
    if (c.genere == Genere::nessuno) {
        c.genere = g;
    } else if (c.secondo == Genere::nessuno) {
        c.secondo = g;
    }
}

void controlla_lunghezza_testo(Scenario& s, Sorgente sorgente, const LettoreCampi& campi, std::string_view testo,
                               const char* cosa) {
    if (testo.size() <= nome_massimo) return;
    s.annota(Stato::testo_troppo_lungo, sorgente, campi.luogo(), campi.colonna_fine(),
             Messaggio::citato(std::string(cosa) + " of " + std::to_string(testo.size()) +
                               " bytes: the entry file holds at most " + std::to_string(nome_massimo) +
                               " bytes of text in an entry"));
}

std::string ordinale(std::int32_t n) {
    const std::int32_t d = n % 100;
    const char* suffisso = (d >= 11 && d <= 13) ? "th" : n % 10 == 1 ? "st" : n % 10 == 2 ? "nd" : n % 10 == 3 ? "rd" : "th";
    return std::to_string(n) + suffisso;
}

void controlla_testo_sulla_riga(Scenario& s, Sorgente sorgente, const LettoreCampi& campi) {
    const Luogo chiave = campi.luogo_voce();
    if (chiave.riga <= 0 || campi.luogo().riga <= chiave.riga) return;
    const std::string_view parola = campi.chiave_voce();
    const std::int32_t n = campi.valori_letti();
    const std::int32_t k = campi.valori_sulla_riga();
    s.annota(Stato::testo_dalla_riga_dopo, sorgente, chiave, chiave.colonna + static_cast<std::int32_t>(parola.size()),
             Messaggio::citato(std::string(1, '"')
                 .append(parola)
                 .append("\" on line ")
                 .append(std::to_string(chiave.riga))
                 .append(" has ")
                 .append(std::to_string(k))
                 .append(k == 1 ? " value" : " values")
                 .append(" on its line; its ")
                 .append(ordinale(n))
                 .append(" value was read from line ")
                 .append(std::to_string(campi.luogo().riga))
                 .append(": `")
                 .append(campi.ultimo_campo())
                 .append("`")));
}

bool contiene_esatto(std::string_view campo, std::string_view parola) {
    return campo.find(parola) != std::string_view::npos;
}

bool contiene(std::string_view campo, std::string_view parola) {
    if (parola.empty()) return true;
    if (campo.size() < parola.size()) return false;
    const auto it = std::search(campo.begin(), campo.end(), parola.begin(), parola.end(),
                                [](char a, char b) { return minuscola(a) == minuscola(b); });
    return it != campo.end();
}

}  // namespace compattatore
