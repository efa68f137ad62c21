#include "lsp/trama.hpp"

#include <cctype>

namespace compattatore::lsp {

namespace {

bool uguale_senza_maiuscole(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    }
    return true;
}

std::string_view spoglia(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The Content-Length of a header part, or a reason why there is none.
std::optional<std::size_t> lunghezza(std::string_view intestazione, std::string& perche) {
    std::optional<std::size_t> n;
    while (!intestazione.empty()) {
        const std::size_t fine = intestazione.find("\r\n");
        const std::string_view riga = intestazione.substr(0, fine);
        intestazione = fine == std::string_view::npos ? std::string_view{} : intestazione.substr(fine + 2);
        const std::size_t due_punti = riga.find(':');
        if (due_punti == std::string_view::npos) {
            perche = "a header line without a colon";
            return std::nullopt;
        }
        if (!uguale_senza_maiuscole(spoglia(riga.substr(0, due_punti)), "Content-Length")) continue;
        const std::string_view valore = spoglia(riga.substr(due_punti + 1));
        if (valore.empty() || valore.size() > 12) {
            perche = "a Content-Length that is not a number";
            return std::nullopt;
        }
        std::size_t v = 0;
        for (const char c : valore) {
            if (c < '0' || c > '9') {
                perche = "a Content-Length that is not a number";
                return std::nullopt;
            }
            v = v * 10 + static_cast<std::size_t>(c - '0');
        }
        if (v > massimo_messaggio) {
            perche = "a message larger than the server takes";
            return std::nullopt;
        }
        n = v;
    }
    if (!n) perche = "a header without Content-Length";
    return n;
}

}  // namespace

void Trama::aggiungi(std::string_view byte) {
    if (inizio_ > 0 && inizio_ >= dati_.size() / 2) {
        dati_.erase(0, inizio_);
        inizio_ = 0;
    }
    dati_.append(byte);
}

std::optional<Pezzo> Trama::prossimo() {
    const std::string_view resto = std::string_view(dati_).substr(inizio_);
    const std::size_t vuota = resto.find("\r\n\r\n");
    if (vuota == std::string_view::npos) {
        // A header part never gets this long: give up what is there.
        if (resto.size() > std::size_t{64} * 1024) {
            inizio_ = dati_.size();
            return Pezzo{Pezzo::Genere::intestazione_guasta, "a header part without an end"};
        }
        return std::nullopt;
    }
    std::string perche;
    const std::optional<std::size_t> n = lunghezza(resto.substr(0, vuota), perche);
    if (!n) {
        inizio_ += vuota + 4;
        return Pezzo{Pezzo::Genere::intestazione_guasta, perche};
    }
    if (resto.size() - (vuota + 4) < *n) return std::nullopt;
    Pezzo p{Pezzo::Genere::messaggio, std::string(resto.substr(vuota + 4, *n))};
    inizio_ += vuota + 4 + *n;
    return p;
}

std::string incornicia(std::string_view json) {
    std::string r = "Content-Length: " + std::to_string(json.size()) + "\r\n\r\n";
    r.append(json);
    return r;
}

}  // namespace compattatore::lsp
