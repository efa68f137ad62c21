#include "decompila/ritorno.hpp"

#include <bit>
#include <functional>
#include <sstream>

#include "decompila/messaggi.hpp"
#include "output/compila.hpp"
#include "formato/file_percorso.hpp"
#include "formato/file_planimetria.hpp"
#include "formato/file_voci.hpp"

namespace compattatore::decompila {

bool Compilato::stesso_esito(const Compilato& altro) const {
    return arresto == altro.arresto && percorso_assente == altro.percorso_assente && rifiutato == altro.rifiutato &&
           scenario.codice_errore == altro.scenario.codice_errore &&
           scenario.posizione_errore == altro.scenario.posizione_errore;
}

Compilato compila_testi(std::string_view linea, std::string_view treno, const std::string& nome_percorso,
                        const std::string& numero_treno, std::int32_t j) {
    Compilato c;
    c.scenario.nome_percorso = nome_percorso;
    c.scenario.numero_treno = numero_treno;
    const EsitoCompilazione esito = compila(c.scenario, j, Descrizioni{linea, treno});
    c.arresto = esito.arresto;
    c.percorso_assente = esito.percorso_assente;
    for (const Diagnostica& d : c.scenario.diagnostiche) c.rifiutato = c.rifiutato || !d.avviso();
    return c;
}

Byte serializza(const Scenario& s) {
    Byte b;
    if (!s.percorso_dimensionato()) return b;
    if (s.scrivi_linea != 0) {
        UscitaMemoria u;
        scrivi_planimetria(s.planimetria, u);
        b.planimetria = std::move(u.byte);
    }
    UscitaMemoria v;
    scrivi_voci(s.voci, v);
    b.voci = std::move(v.byte);
    UscitaMemoria p;
    scrivi_percorso(s.percorso, p);
    b.percorso = std::move(p.byte);
    return b;
}

namespace {

struct MembroCella {
    const char* nome;
    std::function<std::int32_t(const Cella&)> valore;
};

const std::vector<MembroCella>& membri_cella() {
    static const std::vector<MembroCella> m{
        {"tipo", [](const Cella& c) { return c.tipo; }},
        {"valore_1", [](const Cella& c) { return c.valore_1; }},
        {"valore_2", [](const Cella& c) { return c.valore_2; }},
        {"valore_3", [](const Cella& c) { return c.valore_3; }},
        {"valore_4", [](const Cella& c) { return c.valore_4; }},
        {"tempo_segnale", [](const Cella& c) { return c.tempo_segnale; }},
        {"preavviso", [](const Cella& c) { return c.preavviso; }},
        {"montagna", [](const Cella& c) { return c.montagna; }},
        {"velocita_limite", [](const Cella& c) { return c.velocita_limite; }},
        {"pendenza", [](const Cella& c) { return c.pendenza; }},
        {"aderenza", [](const Cella& c) { return c.aderenza; }},
    };
    return m;
}

struct MembroVoce {
    const char* nome;
    std::function<std::int64_t(const Voce&)> valore;
};

const std::vector<MembroVoce>& membri_voce() {
    static const std::vector<MembroVoce> m{
        {"tipo", [](const Voce& v) { return v.tipo; }},
        {"inizio", [](const Voce& v) { return v.inizio; }},
        {"fine", [](const Voce& v) { return v.fine; }},
        {"posizione", [](const Voce& v) { return v.posizione; }},
        {"prolunga", [](const Voce& v) { return v.prolunga; }},
        {"dato_a", [](const Voce& v) { return v.dato_a; }},
        {"dato_b", [](const Voce& v) { return v.dato_b; }},
        {"dato_c", [](const Voce& v) { return v.dato_c; }},
        {"dato_d", [](const Voce& v) { return v.dato_d; }},
        {"dato_e", [](const Voce& v) { return v.dato_e; }},
        {"opzione_a", [](const Voce& v) { return v.opzione_a; }},
        {"opzione_b", [](const Voce& v) { return v.opzione_b; }},
        {"opzione_c", [](const Voce& v) { return v.opzione_c; }},
        {"opzione_d", [](const Voce& v) { return v.opzione_d; }},
        {"orario", [](const Voce& v) { return v.orario; }},
    };
    return m;
}

std::string doppio(double v) {
    std::ostringstream o;
    o.precision(17);
    o << v;
    return o.str();
}

void differenze_percorso(const std::vector<Cella>& ottenuto, const std::vector<Cella>& atteso,
                         std::vector<Messaggio>& out, std::size_t massimo) {
    if (ottenuto.size() != atteso.size()) {
        out.push_back(Messaggio(messaggi::decompila_differenza_celle, atteso.size(), ottenuto.size()));
        return;
    }
    for (std::size_t c = 0; c < atteso.size() && out.size() < massimo; ++c) {
        for (const MembroCella& m : membri_cella()) {
            const std::int32_t a = m.valore(atteso[c]);
            const std::int32_t o = m.valore(ottenuto[c]);
            if (a == o) continue;
            out.push_back(Messaggio(messaggi::decompila_differenza_cella, Messaggio(messaggi::decompila_dove, 50 * c, c),
                                    m.nome, a, o));
            if (out.size() >= massimo) return;
        }
    }
}

void differenze_voci(const Voci& ottenute, const Voci& attese, std::vector<Messaggio>& out, std::size_t massimo) {
    for (std::size_t i = 0; i < attese.size() && out.size() < massimo; ++i) {
        const Voce& a = attese[i];
        const Voce& o = ottenute[i];
        if (a.nome != o.nome) {
            out.push_back(Messaggio(messaggi::decompila_differenza_nome, i, Messaggio::citato(a.nome),
                                    Messaggio::citato(o.nome)));
        }
        for (const MembroVoce& m : membri_voce()) {
            if (out.size() >= massimo) return;
            if (m.valore(a) == m.valore(o)) continue;
            out.push_back(Messaggio(messaggi::decompila_differenza_voce, i, m.nome, m.valore(a), m.valore(o)));
        }
    }
}

void differenze_planimetria(const Planimetria& ottenuta, const Planimetria& attesa, std::vector<Messaggio>& out,
                            std::size_t massimo) {
    if (ottenuta.ultimo() != attesa.ultimo()) {
        out.push_back(Messaggio(messaggi::decompila_differenza_metri, attesa.ultimo(), ottenuta.ultimo()));
        return;
    }
    const PuntiPlanimetria a = attesa.punti();
    const PuntiPlanimetria o = ottenuta.punti();
    const std::int32_t n = std::max(a.calcolati(), o.calcolati());
    for (std::int32_t m = 0; m < n && out.size() < massimo; ++m) {
        if (m >= a.calcolati() || m >= o.calcolati()) {
            out.push_back(Messaggio(messaggi::decompila_differenza_calcolati, a.calcolati() - 1, o.calcolati() - 1));
            return;
        }
        const bool x = std::bit_cast<std::uint64_t>(a.x(m)) == std::bit_cast<std::uint64_t>(o.x(m));
        const bool y = std::bit_cast<std::uint64_t>(a.y(m)) == std::bit_cast<std::uint64_t>(o.y(m));
        if (x && y) continue;
        out.push_back(Messaggio(messaggi::decompila_differenza_punto, m, doppio(a.x(m)), doppio(a.y(m)), doppio(o.x(m)),
                                doppio(o.y(m))));
    }
}

}  // namespace

std::vector<Messaggio> differenze(const Scenario& ottenuto, const Tabelle& attese, std::size_t massimo) {
    std::vector<Messaggio> out;
    differenze_percorso(ottenuto.percorso, attese.percorso, out, massimo);
    differenze_voci(ottenuto.voci, attese.voci, out, massimo);
    if (attese.planimetria) differenze_planimetria(ottenuto.planimetria, *attese.planimetria, out, massimo);
    return out;
}

std::string descrivi_cella(const Cella& c) {
    std::string s;
    for (const MembroCella& m : membri_cella()) {
        const std::int32_t v = m.valore(c);
        if (v == 0) continue;
        if (!s.empty()) s += ", ";
        s += std::string(m.nome) + " " + std::to_string(v);
    }
    return s.empty() ? "nothing" : s;
}

}  // namespace compattatore::decompila
