// Writes the seed inputs of the decoder targets into DIR/decodifica_planimetria,
// DIR/decodifica_voci and DIR/decodifica_percorso: the three files of the
// embedded scenario (its plan is far beyond the targets' input size, so only
// the plans of short generated lines), of generated scenarios, small tables
// in every shape the writer produces, and damaged copies of them.
// Every build uses the embedded identity, which fuzz_decodifica_percorso
// checks the plain competition code against.
// Usage: fuzz_semi_decodifica DIR
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include "bench/genera_scenario.hpp"
#include "describe/dati_linea.hpp"
#include "describe/dati_treno.hpp"
#include "describe/identita.hpp"
#include "driver/base/stampa.hpp"
#include "formato/codici_gara.hpp"
#include "formato/segni.hpp"
#include "output/compila.hpp"
#include "formato/file_percorso.hpp"
#include "formato/file_planimetria.hpp"
#include "formato/file_voci.hpp"

namespace {

namespace fs = std::filesystem;
using namespace compattatore;

// Larger plan files are left out: the targets run with inputs of at most this.
constexpr std::size_t planimetria_massima = 300000;

struct File {
    std::string planimetria, voci, percorso;
};

template <class Scrivi>
std::string byte_di(Scrivi&& scrivi) {
    UscitaMemoria u;
    scrivi(u);
    return std::move(u.byte);
}

File compilato(const std::string& linea, const std::string& treno, std::int32_t j) {
    Scenario s;
    s.nome_percorso = std::string(nome_percorso_incorporato);
    s.numero_treno = std::string(numero_treno_incorporato);
    const EsitoCompilazione esito = compila(s, j, Descrizioni{linea, treno});
    if (esito.percorso_assente || esito.arresto != Stato::nessuno || s.codice_errore != Stato::nessuno) {
        std::fprintf(stderr, "fuzz_semi_decodifica: a seed scenario did not compile (status %d)\n",
                     static_cast<int>(s.codice_errore));
        std::exit(2);
    }
    File f;
    if (j != 0) f.planimetria = byte_di([&](Uscita& u) { scrivi_planimetria(s.planimetria, u); });
    f.voci = byte_di([&](Uscita& u) { scrivi_voci(s.voci, u); });
    f.percorso = byte_di([&](Uscita& u) { scrivi_percorso(s.percorso, u); });
    return f;
}

std::string stampato(std::span<const std::string_view> righe) {
    UscitaMemoria u;
    stampa(righe, u);
    return u.byte;
}

// Small plans in each shape the line reader can leave.
std::vector<std::string> planimetrie_piccole() {
    std::vector<std::string> r;
    const auto aggiungi = [&](std::int32_t ultimo, int doppi) {
        Planimetria p;
        p.dimensiona(ultimo);
        if (doppi >= 0) p.semina();
        for (int i = 0; i < doppi; ++i) p.aggiungi(0.5 * i * i, 1.0 + i - 1e-9 * i);
        r.push_back(byte_di([&](Uscita& u) { scrivi_planimetria(p, u); }));
    };
    aggiungi(1, 0);   // two points only
    aggiungi(5, -1);  // sized but never seeded
    aggiungi(5, 0);   // seeded, nothing computed
    aggiungi(5, 4);   // computed to the very last point
    aggiungi(9, 6);   // computed, then Empty
    return r;
}

// Damaged copies: cut short, one byte more, one byte changed in the middle.
void danneggiate(std::vector<std::string>& semi, std::string buono) {  // a copy: it may be one of semi
    if (buono.empty()) return;
    semi.push_back(buono.substr(0, buono.size() - 1));
    semi.push_back(buono + '\x05');
    std::string cambiato = buono;
    cambiato[cambiato.size() / 2] = static_cast<char>(cambiato[cambiato.size() / 2] ^ 0x40);
    semi.push_back(cambiato);
}

void scrivi(const fs::path& p, const std::string& byte) {
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f << byte;
    if (!f) {
        std::fprintf(stderr, "fuzz_semi_decodifica: cannot write %s\n", p.string().c_str());
        std::exit(2);
    }
}

void scrivi_tutti(const fs::path& dir, const std::vector<std::string>& semi) {
    fs::create_directories(dir);
    int k = 0;
    for (const std::string& b : semi) scrivi(dir / ("seme_" + std::to_string(k++)), b);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_semi_decodifica DIR\n");
        return 2;
    }
    const fs::path dir = argv[1];

    std::vector<File> file;
    file.push_back(compilato(stampato(contenuto_linea()), stampato(contenuto_treno()), 1));
    for (const std::int32_t lunghezza : {1000, 2000, 3000}) {
        const banco::ScenarioGenerato g = banco::genera_scenario(lunghezza);
        file.push_back(compilato(g.linea, g.treno, 1));
    }

    std::vector<std::string> planimetrie = planimetrie_piccole();
    std::vector<std::string> voci;
    std::vector<std::string> percorsi;
    for (const File& f : file) {
        if (!f.planimetria.empty() && f.planimetria.size() <= planimetria_massima) planimetrie.push_back(f.planimetria);
        voci.push_back(f.voci);
        percorsi.push_back(f.percorso);
    }
    // Damage only the small and the first ones: each kind of refusal once.
    for (const std::string& b : std::vector<std::string>(planimetrie.begin(), planimetrie.begin() + 5)) {
        danneggiate(planimetrie, b);
    }
    danneggiate(voci, voci[1]);
    danneggiate(percorsi, percorsi[1]);
    percorsi.push_back(std::string(percorsi[1].substr(0, 2 * byte_cella)));  // cells 0 and 1 only

    scrivi_tutti(dir / "decodifica_planimetria", planimetrie);
    scrivi_tutti(dir / "decodifica_voci", voci);
    scrivi_tutti(dir / "decodifica_percorso", percorsi);
    return 0;
}
