// The whole compile in memory: reading, finishing rules, marks and codes, and
// the three serialisations, on a line and a train description split from one
// input as in fuzz_lettura (options after a second 0x00: first byte odd = no
// plan).
//
// Properties checked besides survival:
//   - the status is a documented one and a stop is 0, 1250 or 1251;
//   - the same input compiled twice gives the same bytes in all three files;
//   - with status 0 the track file is 15 x (ultima_cella + 1) bytes, the
//     plan file holds 2 x (lunghezza_estesa + 1) tagged elements and nothing
//     else, and the entry file holds exactly 87 entries.
#include <cstdint>
#include <string>
#include <string_view>

#include "formato/file_percorso.hpp"
#include "formato/file_planimetria.hpp"
#include "formato/file_voci.hpp"
#include "formato/segni.hpp"
#include "fuzz/comune.hpp"
#include "output/compila.hpp"

namespace {

using namespace compattatore;
using compattatore::fuzz::verifica;

struct Risultato {
    Stato codice_errore = Stato::nessuno;
    std::int32_t posizione_errore = 0;
    EsitoCompilazione esito;
    std::int32_t ultima_cella = 0;
    std::int32_t lunghezza_estesa = 0;
    std::string planimetria, voci, percorso;
};

Risultato compila_in_memoria(const fuzz::Parti& p, std::int32_t j) {
    Scenario s;
    s.nome_percorso = "Prova";
    s.numero_treno = "1";
    Descrizioni d;
    d.linea = p.linea;
    d.treno = p.treno;
    Risultato r;
    r.esito = compila(s, j, d);
    r.codice_errore = s.codice_errore;
    r.posizione_errore = s.posizione_errore;
    r.ultima_cella = s.ultima_cella;
    r.lunghezza_estesa = s.lunghezza_estesa;
    if (r.esito.percorso_assente) return r;
    UscitaMemoria u;
    if (s.scrivi_linea != 0) {
        scrivi_planimetria(s.planimetria, u);
        r.planimetria = std::move(u.byte);
    }
    UscitaMemoria v;
    scrivi_voci(s.voci, v);
    r.voci = std::move(v.byte);
    UscitaMemoria c;
    scrivi_percorso(s.percorso, c);
    r.percorso = std::move(c.byte);
    return r;
}

std::uint16_t parola(std::string_view b, std::size_t i) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[i]) | (static_cast<unsigned char>(b[i + 1]) << 8));
}

// Number of tagged elements in a plan file; -1 when the bytes are not a
// sequence of whole elements with known tags.
std::int64_t elementi_planimetria(std::string_view b) {
    std::int64_t elementi = 0;
    std::size_t i = 0;
    while (i < b.size()) {
        if (b.size() - i < 2) return -1;
        const std::uint16_t tag = parola(b, i);
        i += 2;
        if (tag == 2) {
            i += 2;
        } else if (tag == 5) {
            i += 8;
        } else if (tag != 0) {
            return -1;
        }
        if (i > b.size()) return -1;
        ++elementi;
    }
    return elementi;
}

// Number of whole entries in an entry file; -1 when the bytes end inside one.
std::int64_t voci_nel_file(std::string_view b) {
    std::int64_t voci = 0;
    std::size_t i = 0;
    while (i < b.size()) {
        if (b.size() - i < byte_voce_senza_nome) return -1;
        const std::size_t nome = parola(b, i + 14);
        if (b.size() - i < byte_voce_senza_nome + nome) return -1;
        i += byte_voce_senza_nome + nome;
        ++voci;
    }
    return voci;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const fuzz::Parti p = fuzz::dividi(dati, n);
    const std::int32_t j = (!p.opzioni.empty() && (static_cast<unsigned char>(p.opzioni[0]) & 1) != 0) ? 0 : 1;

    const Risultato a = compila_in_memoria(p, j);
    verifica(fuzz::stato_documentato(a.codice_errore), "the status is a documented one");
    verifica(a.esito.arresto == Stato::nessuno || gravita(a.esito.arresto) == Gravita::arresto,
             "a stop is a numbered error stop");

    if (!a.esito.percorso_assente) {
        verifica(a.voci.empty() || voci_nel_file(a.voci) == numero_voci, "the entry file holds the 87 entries");
        if (a.codice_errore == Stato::nessuno && a.esito.arresto == Stato::nessuno) {
            verifica(a.percorso.size() == 15u * (static_cast<std::size_t>(a.ultima_cella) + 1u),
                     "the track file is 15 bytes per cell");
            verifica(voci_nel_file(a.voci) == numero_voci, "the entry file holds the 87 entries");
            if (j != 0) {
                verifica(elementi_planimetria(a.planimetria) == 2 * (static_cast<std::int64_t>(a.lunghezza_estesa) + 1),
                         "the plan file holds two elements per metre");
            }
        }
    }

    const Risultato b = compila_in_memoria(p, j);
    verifica(b.codice_errore == a.codice_errore && b.posizione_errore == a.posizione_errore &&
                 b.esito.arresto == a.esito.arresto,
             "the same input gives the same status");
    verifica(b.planimetria == a.planimetria && b.voci == a.voci && b.percorso == a.percorso,
             "the same input gives the same bytes");
    return 0;
}
