// Writes the seed inputs of the fuzz targets into DIR/campi, DIR/lettura and
// DIR/compila: the embedded scenario's two descriptions as the program prints
// them, and small descriptions that reach each kind of entry and each refusal.
// Usage: fuzz_semi DIR
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "describe/dati_linea.hpp"
#include "describe/dati_treno.hpp"
#include "driver/base/stampa.hpp"

namespace {

namespace fs = std::filesystem;
using compattatore::UscitaMemoria;

std::string stampato(std::span<const std::string_view> righe) {
    UscitaMemoria u;
    compattatore::stampa(righe, u);
    return u.byte;
}

const char* const linea_piccola =
    "[generale]\r\n"
    "lunghezza percorso, 10000\r\n"
    "progressiva chilometrica uno, 0, 0, 0\r\n"
    "sfondo uno, 1\r\n"
    "ripetizione segnali 4 codici, 1300, 2600\r\n"
    "[curve]\r\n"
    "curvas3, 500, 300\r\n"
    "curvad6, 1200, 100\r\n"
    "[pendenze]\r\n"
    "pendenza, 0, 0\r\n"
    "pendenza, 2000, 5\r\n"
    "- a comment -, pendenza, 2575, -3\r\n"
    "[montagne]\r\n"
    "montagna, 1800, 3800, 11\r\n"
    "[cartelli]\r\n"
    "indicatori_vmax, 500, 60, 70, 75, 0, 60, 70, 75, 0\r\n"
    "indicatori_vmax, 3500, 80, 85, 85, 0, , , , 0\r\n"
    "[indicazioni]\r\n"
    "cartello_indicatore, 4000, (Cippo Km.)( 4+000 )\r\n"
    "[fine]\r\n";

const char* const treno_piccolo =
    "[generale]\r\n"
    "numero vetture, 3\r\n"
    "percentuale massa frenata, 135\r\n"
    "sabbia, 0\r\n"
    "orologio,    13              40            45 \r\n"
    "[aderenze]\r\n"
    "aderenza, 0, 90\r\n"
    "[vel_limite]\r\n"
    "velocita, 0, 100\r\n"
    "velocita, 6000, 62\r\n"
    "[stazioni]\r\n"
    "stazione, 5000, 1, 300, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, A\r\n"
    "stazione, 7000, 4, 400, 1, 0, 1, 1, 1, 0, 2, 1, 1, 0, 13, 46, 0, B\r\n"
    "[rallentamenti]\r\n"
    "rallentamento, 3000, 30, 500, 1, 0, 0\r\n"
    "[segnali]\r\n"
    "segnale, 6600, 2, 2, 3, 0, 0, 0, 0, 0, 0, 238\r\n"
    "[codici]\r\n"
    "abbattimento, 2000, 180\r\n"
    "abbattimento, 2100, 0\r\n"
    "[fine]\r\n";

const char* const treno_minimo = "[generale]\r\nnumero vetture, 3\r\nvelocita, 0, 100\r\naderenza, 0, 90\r\n[fine]\r\n";

void scrivi(const fs::path& p, const std::string& byte) {
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f << byte;
    if (!f) {
        std::fprintf(stderr, "fuzz_semi: cannot write %s\n", p.string().c_str());
        std::exit(2);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_semi DIR\n");
        return 2;
    }
    const fs::path dir = argv[1];
    for (const char* t : {"campi", "lettura", "compila"}) fs::create_directories(dir / t);

    std::vector<std::pair<std::string, std::string>> coppie = {
        {stampato(compattatore::contenuto_linea()), stampato(compattatore::contenuto_treno())},
        {linea_piccola, treno_piccolo},
        {linea_piccola, treno_minimo},
        {"[generale]\r\nlunghezza percorso, 2000000\r\n[fine]\r\n", treno_minimo},
        {"[generale]\r\nlunghezza percorso, 10000\r\nripetizione segnali 4 codici, 1325, 2000\r\n[fine]\r\n",
         treno_minimo},
        {"[generale]\r\nlunghezza percorso, 10000\r\n[fine]\r\ncartello_indicatore, 500, (A)\r\n"
         "cartello_indicatore, 510, (B)\r\n[fine]\r\n",
         treno_minimo},
        {"[generale]\r\nlunghezza percorso, 10000\r\n[fine]\r\ncurvas, 100, 100\r\n[fine]\r\n", treno_minimo},
        {"lunghezza percorso, 10000\r\n", treno_minimo},
        {"[generale]\r\nlunghezza percorso, 10000\r\n[fine]\r\n",
         "[generale]\r\nvelocita, 0, 100\r\nstazione, 5025, 1, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, A\r\n"},
        {"[generale]\r\nlunghezza percorso, 10000\r\n[fine]\r\n",
         "[generale]\r\nstazione, 5000, 1, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, A\r\n"
         "  segnale, 5050, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0\r\n[fine]\r\n"},
        {"[generale]\r\nlunghezza percorso, 10000\r\n[fine]\r\n",
         "[generale]\r\nrallentamento, 9900, 30, 500, 1, 0, 0\r\nvelocita, 0, 1300\r\n"},
    };

    int k = 0;
    for (const auto& [linea, treno] : coppie) {
        const std::string nome = "seme_" + std::to_string(k++);
        scrivi(dir / "campi" / (nome + "_linea"), std::string(1, '\x55') + linea);
        scrivi(dir / "campi" / (nome + "_treno"), std::string(1, '\x54') + treno);
        const std::string insieme = linea + std::string(1, '\0') + treno;
        scrivi(dir / "lettura" / nome, insieme);
        scrivi(dir / "compila" / nome, insieme);
    }
    return 0;
}
