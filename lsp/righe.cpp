#include "lsp/righe.hpp"

namespace compattatore::lsp {

namespace {

bool blanco(char c) { return c == ' ' || c == '\t'; }

class Scorri {
public:
    explicit Scorri(std::string_view r) : r_(r) {}
    bool fine() const { return i_ >= r_.size(); }

    CampoLetto testo() {
        salta();
        CampoLetto c{{}, static_cast<std::int64_t>(i_), 0};
        const std::size_t da = i_;
        while (i_ < r_.size() && r_[i_] != ',') ++i_;
        c.testo = r_.substr(da, i_ - da);
        c.fine = static_cast<std::int64_t>(i_);
        if (i_ < r_.size()) ++i_;  // the comma
        return c;
    }

    CampoLetto numero() {
        salta();
        CampoLetto c{{}, static_cast<std::int64_t>(i_), 0};
        const std::size_t da = i_;
        while (i_ < r_.size() && r_[i_] != ',' && !blanco(r_[i_])) ++i_;
        c.testo = r_.substr(da, i_ - da);
        c.fine = static_cast<std::int64_t>(i_);
        salta();
        if (i_ < r_.size() && r_[i_] == ',') ++i_;
        return c;
    }

private:
    void salta() {
        while (i_ < r_.size() && blanco(r_[i_])) ++i_;
    }
    std::string_view r_;
    std::size_t i_ = 0;
};

bool intestazione(std::string_view campo) {
    return campo.find('[') != std::string_view::npos && campo.find(']') != std::string_view::npos &&
           (campo.empty() || campo.front() != '-');
}

}  // namespace

std::string_view riga_di(std::string_view testo, const std::vector<std::size_t>& righe, std::int64_t riga) {
    if (riga < 0 || static_cast<std::size_t>(riga) >= righe.size()) return {};
    const std::size_t da = righe[static_cast<std::size_t>(riga)];
    std::size_t a = da;
    while (a < testo.size() && testo[a] != '\r' && testo[a] != '\n') ++a;
    return testo.substr(da, a - da);
}

std::optional<VoceRiga> leggi_riga(std::string_view riga, guida::Parte parte) {
    Scorri s(riga);
    VoceRiga v;
    v.parola = s.testo();
    for (int k = 0; k < 2 && v.parola.testo.find('-') != std::string_view::npos && !s.fine(); ++k) v.parola = s.testo();
    if (v.parola.testo.empty() && s.fine()) return std::nullopt;
    v.intestazione = intestazione(v.parola.testo);
    if (v.intestazione) return v;
    v.tipo = guida::tipo_per_parola(v.parola.testo, parte);
    if (!v.tipo) return v;
    for (std::size_t i = 0; i < v.tipo->campi.size() && !s.fine(); ++i) {
        v.valori.push_back(campo_testo(*v.tipo, i) ? s.testo() : s.numero());
    }
    return v;
}

guida::Parte parte_iniziale(Descrizione d) {
    return d == Descrizione::linea ? guida::Parte::linea_generale : guida::Parte::treno_elementi;
}

guida::Parte parte_dopo(std::string_view intestazione, Descrizione d) {
    if (d == Descrizione::treno) return guida::Parte::treno_elementi;
    return intestazione.find("[generale]") != std::string_view::npos ? guida::Parte::linea_generale
                                                                      : guida::Parte::linea_elementi;
}

guida::Parte parte_della_riga(std::string_view testo, const std::vector<std::size_t>& righe, std::int64_t riga,
                              Descrizione d) {
    for (std::int64_t r = riga - 1; r >= 0; --r) {
        const std::optional<VoceRiga> v = leggi_riga(riga_di(testo, righe, r), parte_iniziale(d));
        if (v && v->intestazione) return parte_dopo(v->parola.testo, d);
    }
    return parte_iniziale(d);
}

std::optional<std::int64_t> numero(std::string_view campo) {
    if (campo.empty()) return 0;
    bool meno = false;
    if (campo.front() == '-') {
        meno = true;
        campo.remove_prefix(1);
    }
    if (campo.empty() || campo.size() > 12) return std::nullopt;
    std::int64_t v = 0;
    for (const char c : campo) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return meno ? -v : v;
}

}  // namespace compattatore::lsp
