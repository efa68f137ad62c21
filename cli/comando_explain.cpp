// compattatore-cli explain N | CLASS [--lang it|en] | --list: what a status
// or diagnostic class means, a small scenario that produces it, and how to
// fix it.
#include <charconv>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.hpp"
#include "cli/comandi.hpp"
#include "cli/lingua.hpp"
#include "cli/messaggi.hpp"
#include "guida/spiegazioni.hpp"
#include "model/stato.hpp"

namespace compattatore::cli {

namespace {

constexpr Opzione opzioni_explain[] = {
    {"--list", "", "", messaggi::aiuto_opz_elenco},
    opzione_lingua,
};

constexpr std::size_t larghezza = 78;
// An example longer than this shows its first and last lines only.
constexpr std::size_t righe_esempio = 14;
// The widest example line shown whole.
constexpr std::size_t larghezza_esempio = 100;

// Characters, not bytes: the Italian texts are UTF-8.
std::size_t caratteri(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

void a_capo(std::ostream& out, std::string_view testo, std::string_view rientro) {
    std::size_t colonna = 0;
    while (!testo.empty()) {
        const std::size_t spazio = testo.find(' ');
        const std::string_view parola = testo.substr(0, spazio);
        testo = spazio == std::string_view::npos ? std::string_view{} : testo.substr(spazio + 1);
        if (parola.empty()) continue;
        if (colonna > 0 && colonna + 1 + caratteri(parola) > larghezza) {
            out << '\n';
            colonna = 0;
        }
        if (colonna == 0) {
            out << rientro;
            colonna = rientro.size();
        } else {
            out << ' ';
            ++colonna;
        }
        out << parola;
        colonna += caratteri(parola);
    }
    out << '\n';
}

void stampa_testo(std::ostream& out, std::string_view testo, Lingua l) {
    std::vector<std::string_view> righe;
    while (!testo.empty()) {
        const std::size_t fine = testo.find('\n');
        righe.push_back(testo.substr(0, fine));
        testo = fine == std::string_view::npos ? std::string_view{} : testo.substr(fine + 1);
    }
    for (std::size_t i = 0; i < righe.size(); ++i) {
        if (righe.size() > righe_esempio && i == righe_esempio - 3) {
            const std::size_t saltate = righe.size() - righe_esempio + 1;
            out << Messaggio(messaggi::cli_spiega_altre_righe, saltate).in(l) << '\n';
            i += saltate - 1;
            continue;
        }
        // A line of thousands of bytes (a text too long for the entry file)
        // is shown by its start and its length.
        if (righe[i].size() > larghezza_esempio) {
            out << Messaggio(messaggi::cli_spiega_riga_lunga, righe[i].substr(0, larghezza_esempio), righe[i].size())
                       .in(l)
                << '\n';
            continue;
        }
        out << "      " << righe[i] << '\n';
    }
}

const VoceCatalogo* voce_di(std::string_view richiesta) {
    std::int32_t n = 0;
    const auto [fine, errore] = std::from_chars(richiesta.data(), richiesta.data() + richiesta.size(), n);
    if (errore == std::errc{} && fine == richiesta.data() + richiesta.size()) {
        const std::optional<Stato> s = stato_di(n);
        return s ? cerca(*s) : nullptr;
    }
    for (const VoceCatalogo& v : catalogo()) {
        if (v.nome == richiesta) return &v;
    }
    return nullptr;
}

std::string intestazione(const VoceCatalogo& v, Lingua l) {
    std::string r = v.numero != 0 ? std::to_string(v.numero) + " " : std::string();
    return r + std::string(v.nome) + " (" + std::string(guida::nome_gravita(nome(v.gravita), l)) + ")";
}

void spiega(std::ostream& out, const VoceCatalogo& v, const guida::Spiegazione& s, Lingua l) {
    a_capo(out, intestazione(v, l) + ": " + std::string(s.titolo.in(l)), "");
    out << '\n';
    a_capo(out, s.significato.in(l), "");
    out << '\n';
    const std::string cosa = v.numero != 0 ? std::to_string(v.numero) : std::string(v.nome);
    const Modello& esempio =
        v.gravita == Gravita::avviso ? messaggi::cli_spiega_esempio_avviso : messaggi::cli_spiega_esempio_stato;
    a_capo(out, Messaggio(esempio, cosa).in(l), "");
    out << '\n' << Messaggio(messaggi::cli_spiega_linea).in(l) << '\n';
    if (s.linea) {
        stampa_testo(out, *s.linea, l);
    } else {
        out << Messaggio(messaggi::cli_spiega_senza_linea).in(l) << '\n';
    }
    out << Messaggio(messaggi::cli_spiega_treno).in(l) << '\n';
    stampa_testo(out, s.treno, l);
    out << '\n';
    a_capo(out, Messaggio(messaggi::cli_spiega_rimedio, s.rimedio.in(l)).in(l), "");
}

void elenca(std::ostream& out, Lingua l) {
    for (const VoceCatalogo& v : catalogo()) {
        const guida::Spiegazione* s = guida::spiegazione(v.nome);
        std::string riga = v.numero != 0 ? std::to_string(v.numero) : std::string("-");
        riga.insert(0, riga.size() < 6 ? 6 - riga.size() : 0, ' ');
        riga += "  " + std::string(v.nome);
        riga += std::string(riga.size() < 48 ? 48 - riga.size() : 1, ' ');
        out << riga << (s ? s->titolo.in(l) : v.significato) << '\n';
    }
}

int esegui_explain(const Argomenti& a, std::ostream& out, std::ostream&) {
    const Lingua l = lingua_scelta("explain", a);
    if (a.ha("--list")) {
        if (!a.posizionali.empty()) throw ErroreUso("explain", Messaggio(messaggi::uso_explain_lista));
        elenca(out, l);
        return esito_pulito;
    }
    if (a.posizionali.size() != 1) throw ErroreUso("explain", Messaggio(messaggi::uso_explain_uno));
    const VoceCatalogo* v = voce_di(a.posizionali[0]);
    if (v == nullptr) {
        throw ErroreUso("explain", Messaggio(messaggi::uso_explain_ignoto, a.posizionali[0]));
    }
    const guida::Spiegazione* s = guida::spiegazione(v->nome);
    if (s == nullptr) throw ErroreUso("explain", Messaggio(messaggi::uso_explain_manca, v->nome));
    spiega(out, *v, *s, l);
    return esito_pulito;
}

}  // namespace

const Comando comando_explain{
    "explain",
    "explain STATUS",
    messaggi::aiuto_explain_sintesi,
    opzioni_explain,
    messaggi::aiuto_explain_testa,
    messaggi::aiuto_coda_lingua,
    esegui_explain,
};

}  // namespace compattatore::cli
