#include "cli/argomenti.hpp"

#include "cli/messaggi.hpp"

namespace compattatore::cli {

namespace {

// The column where an option's help text starts, after two blanks of indent.
constexpr std::size_t colonna_aiuto = 17;

std::string_view chiave(const Opzione& o) { return o.nome.empty() ? o.breve : o.nome; }

const Opzione* trova(std::span<const Opzione> opzioni, std::string_view parola) {
    for (const Opzione& o : opzioni) {
        if (parola == o.nome || (!o.breve.empty() && parola == o.breve)) return &o;
    }
    return nullptr;
}

bool e_aiuto(std::string_view x) { return x == "--help" || x == "-h"; }

}  // namespace

std::optional<std::string> Argomenti::valore(std::string_view nome) const {
    const auto it = valori.find(nome);
    if (it == valori.end()) return std::nullopt;
    return it->second;
}

Argomenti analizza_argomenti(std::string_view comando, std::span<const Opzione> opzioni,
                             const std::vector<std::string>& a, std::size_t da) {
    Argomenti r;
    bool solo_posizionali = false;
    for (std::size_t i = da; i < a.size(); ++i) {
        const std::string& x = a[i];
        if (solo_posizionali || x.size() < 2 || x[0] != '-') {
            r.posizionali.push_back(x);
            continue;
        }
        if (x == "--") {
            solo_posizionali = true;
            continue;
        }
        if (e_aiuto(x)) {
            r.aiuto = true;
            continue;
        }
        const std::size_t uguale = x.rfind("--", 0) == 0 ? x.find('=') : std::string::npos;
        const std::string parola = x.substr(0, uguale);
        const Opzione* o = trova(opzioni, parola);
        // A short option's value may follow it in the same word.
        const Opzione* breve = o == nullptr && x[1] != '-' ? trova(opzioni, x.substr(0, 2)) : nullptr;
        if (breve != nullptr && !breve->valore.empty()) {
            const std::string k(chiave(*breve));
            r.valori[k] = x.substr(2);
            r.elenchi[k].push_back(x.substr(2));
            continue;
        }
        if (o == nullptr) throw ErroreUso(std::string(comando), Messaggio(messaggi::uso_opzione_sconosciuta, parola));
        const std::string k(chiave(*o));
        if (o->valore.empty()) {
            if (uguale != std::string::npos) throw ErroreUso(std::string(comando), Messaggio(messaggi::uso_opzione_senza_valore, parola));
            r.flag.insert(k);
            continue;
        }
        if (uguale != std::string::npos) {
            r.valori[k] = x.substr(uguale + 1);
        } else if (i + 1 < a.size()) {
            r.valori[k] = a[++i];
        } else {
            throw ErroreUso(std::string(comando), Messaggio(messaggi::uso_opzione_vuole_valore, parola));
        }
        r.elenchi[k].push_back(r.valori[k]);
    }
    return r;
}

std::string aiuto_opzioni(std::span<const Opzione> opzioni, Lingua l) {
    std::string r;
    for (const Opzione& o : opzioni) {
        std::string forma(o.breve.empty() ? o.nome : o.breve);
        if (!o.breve.empty() && !o.nome.empty()) forma += ", " + std::string(o.nome);
        if (!o.valore.empty()) (forma += ' ') += o.valore;
        r += "  " + forma;
        r += std::string(forma.size() < colonna_aiuto ? colonna_aiuto - forma.size() : 1, ' ');
        for (const char c : o.aiuto.in(l)) {
            r += c;
            if (c == '\n') r += std::string(2 + colonna_aiuto, ' ');
        }
        r += '\n';
    }
    return r;
}

}  // namespace compattatore::cli
