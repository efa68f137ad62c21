#include "model/messaggio.hpp"

#include <ostream>

#include "model/windows_1252.hpp"

namespace compattatore {

Messaggio Messaggio::letterale(std::string testo) {
    Messaggio m;
    m.testo_ = std::move(testo);
    return m;
}

Messaggio Messaggio::citato(std::string_view testo_1252) { return letterale(utf8_da_1252(testo_1252)); }

void Messaggio::componi(std::string& out, Lingua l) const {
    if (modello_ == nullptr) {
        out += testo_;
        return;
    }
    const std::string_view m = modello_->in(l);
    for (std::size_t i = 0; i < m.size(); ++i) {
        // "{N}" is argument N; any other brace is itself.
        if (m[i] == '{' && i + 2 < m.size() && m[i + 1] >= '0' && m[i + 1] <= '9' && m[i + 2] == '}') {
            const auto n = static_cast<std::size_t>(m[i + 1] - '0');
            if (n < argomenti_.size()) argomenti_[n].componi(out, l);
            i += 2;
        } else {
            out += m[i];
        }
    }
}

std::string Messaggio::in(Lingua l) const {
    std::string out;
    componi(out, l);
    return out;
}

bool Messaggio::operator==(const Messaggio& o) const {
    return modello_ == o.modello_ && testo_ == o.testo_ && argomenti_ == o.argomenti_;
}

void PrintTo(const Messaggio& m, std::ostream* os) { *os << '"' << m.en() << '"'; }

std::ostream& operator<<(std::ostream& os, const Messaggio& m) { return os << m.en(); }

Messaggio messaggio_di(const std::exception& e) {
    if (const auto* x = dynamic_cast<const Errore*>(&e)) return x->messaggio();
    return Messaggio::letterale(e.what());
}

}  // namespace compattatore
