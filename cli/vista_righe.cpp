#include "cli/vista_righe.hpp"

#include <cmath>
#include <cstdlib>

namespace compattatore::cli {

namespace {

std::string_view senza_spazi(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

}  // namespace

RigheVoci::RigheVoci(std::string nome, std::string_view testo) : nome_(std::move(nome)) {
    int numero = 0;
    std::size_t i = 0;
    while (i < testo.size()) {
        std::size_t fine = testo.find('\n', i);
        if (fine == std::string_view::npos) fine = testo.size();
        const std::string_view riga = testo.substr(i, fine - i);
        i = fine + 1;
        ++numero;
        const std::size_t virgola = riga.find(',');
        if (virgola == std::string_view::npos) continue;
        std::string parola(senza_spazi(riga.substr(0, virgola)));
        for (char& c : parola) {
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        }
        const std::string campo(senza_spazi(riga.substr(virgola + 1, riga.find(',', virgola + 1) - virgola - 1)));
        char* dopo = nullptr;
        const double v = std::strtod(campo.c_str(), &dopo);
        per_parola_[parola].push_back(Riga{dopo == campo.c_str() || !std::isfinite(v) ? 0.0 : v, numero});
    }
}

std::string RigheVoci::dove(std::string_view parola, double metro, double tolleranza) const {
    const Riga* migliore = nullptr;
    double distanza = tolleranza;
    for (const auto& [chiave, righe] : per_parola_) {
        if (chiave.find(parola) == std::string::npos) continue;
        for (const Riga& r : righe) {
            const double dd = std::abs(r.valore - metro);
            if (dd <= distanza) {
                distanza = dd;
                migliore = &r;
            }
        }
    }
    return migliore ? nome_ + ":" + std::to_string(migliore->numero) : "";
}

std::string RigheVoci::ennesima(std::string_view parola, std::size_t n) const {
    for (const auto& [chiave, righe] : per_parola_) {
        if (chiave.find(parola) == std::string::npos) continue;
        if (n >= 1 && n <= righe.size()) return nome_ + ":" + std::to_string(righe[n - 1].numero);
    }
    return "";
}

}  // namespace compattatore::cli
