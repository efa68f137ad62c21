#include "readers/lettore_campi.hpp"

#include <algorithm>
#include <utility>

#include "model/scenario.hpp"
#include "readers/messaggi.hpp"

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

void LettoreCampi::fallisce(const Modello& cosa) const { fallisce(Messaggio(cosa)); }

void LettoreCampi::fallisce(Messaggio cosa) const {
    throw ErroreLettura(Messaggio(messaggi::lettura_alla_riga, std::move(cosa), ultimo_.riga, ultimo_.colonna));
}

void LettoreCampi::inizia_campo() {
    if (fine()) {
        ultimo_ = Luogo{riga_, static_cast<std::int32_t>(pos_ - inizio_riga_) + 1};
        fallisce(messaggi::lettura_oltre_fine_testo);
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
        if (valore > 2147483648LL) fallisce(messaggi::lettura_numero_fuori_limiti);
        ++cifre;
        ++pos_;
    }
    if (cifre == 0) fallisce(messaggi::lettura_numero_malformato);
    if (pos_ < testo_.size()) {
        const char c = testo_[pos_];
        if (!(blanco(c) || c == ',' || c == '\r' || c == '\n')) fallisce(messaggi::lettura_numero_malformato);
    }
    if (negativo) valore = -valore;
    if (valore > 2147483647LL) fallisce(messaggi::lettura_numero_fuori_limiti);
    if (registro_) registra(pos_ - cifre - (negativo ? 1 : 0), pos_, true, static_cast<std::int32_t>(valore));
    fine_ultimo_ = pos_;  // a number ends at its last digit
    salta_blanchi();
    consuma_separatore();
    return static_cast<std::int32_t>(valore);
}

std::int32_t LettoreCampi::campo_numero_tra(std::int32_t minimo, std::int32_t massimo) {
    const std::int32_t v = campo_numero();
    if (v < minimo || v > massimo) {
        fallisce(Messaggio(messaggi::lettura_numero_fuori_intervallo, v, minimo, massimo));
    }
    return v;
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
                               const Modello& cosa) {
    if (testo.size() <= nome_massimo) return;
    s.annota(Stato::testo_troppo_lungo, sorgente, campi.luogo(), campi.colonna_fine(),
             Messaggio(messaggi::lettura_testo_troppo_lungo, Messaggio(cosa), testo.size(), nome_massimo));
}

Messaggio ordinale(std::int32_t n) {
    const std::int32_t d = n % 100;
    const Modello& m = (d >= 11 && d <= 13) ? messaggi::lettura_ordinale_th
                       : n % 10 == 1        ? messaggi::lettura_ordinale_st
                       : n % 10 == 2        ? messaggi::lettura_ordinale_nd
                       : n % 10 == 3        ? messaggi::lettura_ordinale_rd
                                            : messaggi::lettura_ordinale_th;
    return Messaggio(m, n);
}

Messaggio valori_dalla_riga_dopo(const LettoreCampi& campi, std::string_view parola) {
    const std::int32_t k = campi.valori_sulla_riga();
    return Messaggio(messaggi::lettura_voce_incompleta, Messaggio::citato(parola), campi.luogo_voce().riga,
                     Messaggio(k == 1 ? messaggi::lettura_valore : messaggi::lettura_valori, k),
                     ordinale(campi.valori_letti()), campi.luogo().riga, Messaggio::citato(campi.ultimo_campo()));
}

void controlla_testo_sulla_riga(Scenario& s, Sorgente sorgente, const LettoreCampi& campi) {
    const Luogo chiave = campi.luogo_voce();
    if (chiave.riga <= 0 || campi.luogo().riga <= chiave.riga) return;
    const std::string_view parola = campi.chiave_voce();
    s.annota(Stato::testo_dalla_riga_dopo, sorgente, chiave, chiave.colonna + static_cast<std::int32_t>(parola.size()),
             valori_dalla_riga_dopo(campi, parola));
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
