#include "readers/lettore_campi.hpp"

#include <algorithm>

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

void LettoreCampi::registra(std::size_t inizio, std::size_t fine, bool numero, std::int32_t valore) {
    CampoLetto c;
    c.sorgente = registro_->sorgente;
    c.parte = registro_->parte;
    c.numero = numero;
    c.riga = ultimo_.riga;
    c.colonna = ultimo_.colonna;
    c.colonna_fine = ultimo_.colonna + static_cast<std::int32_t>(fine - inizio);
    c.valore = valore;
    c.testo = testo_.substr(inizio, fine - inizio);
    registro_->aggiungi(c);
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
