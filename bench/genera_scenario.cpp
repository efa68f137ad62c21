#include "bench/genera_scenario.hpp"

#include <string>

namespace compattatore::banco {

namespace {

void riga(std::string& t, const std::string& s) {
    t += s;
    t += "\r\n";
}

std::string n(std::int64_t v) { return std::to_string(v); }

}  // namespace

ScenarioGenerato genera_scenario(std::int32_t lunghezza) {
    ScenarioGenerato g;
    const std::int64_t l = lunghezza;
    const std::int64_t limite = l - 1000;  // features stay clear of the end

    std::string& a = g.linea;
    riga(a, "[generale]");
    riga(a, "lunghezza percorso,    " + n(l));
    riga(a, "progressiva chilometrica uno,    0,    0,    0");
    riga(a, "progressiva chilometrica due,    0,    0,    0");
    riga(a, "progressiva chilometrica tre,    0,    0,    0");
    riga(a, "sfondo uno,    1");
    riga(a, "sfondo due,    0");
    riga(a, "sfondo tre,    0");
    riga(a, "ripetizione segnali 4 codici,    1000,    " + n((l / 2) / 50 * 50));
    riga(a, "[curve]");
    for (std::int64_t p = 700, i = 0; p < limite; p += 1500, ++i) {
        riga(a, std::string(i % 2 ? "curvad" : "curvas") + n(1 + i % 6) + ",  " + n(p) + ",  300");
    }
    riga(a, "[pendenze]");
    riga(a, "pendenza,   0,    0");
    for (std::int64_t p = 1000, i = 0; p < limite; p += 1000, ++i) {
        riga(a, "pendenza,  " + n(p) + ",   " + n(static_cast<int>(i * 7 % 31) - 15));
    }
    riga(a, "[montagne]");
    for (std::int64_t p = 3000; p + 2000 < limite; p += 20000) {
        riga(a, "montagna,   " + n(p) + ",  " + n(p + 2000) + ",  11");
    }
    riga(a, "[cartelli]");
    for (std::int64_t p = 1000; p < limite; p += 5000) {
        riga(a, "indicatori_vmax,  " + n(p) + ",  80,  85,  90,  0,  80,  85,  90,  0");
    }
    riga(a, "[indicazioni]");
    for (std::int64_t p = 12550, km = 12; p < limite; p += 25000, km += 25) {
        riga(a, "cartello_indicatore,  " + n(p) + ",   (Cippo Km.)( " + n(km) + "+550  )");
    }
    riga(a, "[fine]");

    std::string& t = g.treno;
    riga(t, "[generale]");
    riga(t, "numero vetture,    4");
    riga(t, "percentuale massa frenata,    120");
    riga(t, "sabbia,    0");
    riga(t, "orologio,    8              0            0 ");
    riga(t, "[aderenze]");
    riga(t, "aderenza,   0,    100");
    riga(t, "[vel_limite]");
    riga(t, "velocita,       0,   120");
    for (std::int64_t p = 7000, i = 0; p < limite; p += 7000, ++i) {
        riga(t, "velocita,   " + n(p) + ",    " + (i % 2 ? "120" : "100"));
    }
    riga(t, "[stazioni]");
    for (std::int64_t p = 15000, i = 0; p + 800 < limite; p += 30000, ++i) {
        const std::int64_t minuti = 8 * 60 + 20 * i;
        riga(t, "stazione,   " + n(p) + ", 1,  400,  0, 0, 0,  1,1,0,  2,1,1,    1,  " + n(minuti / 60 % 24) + "," +
                    n(minuti % 60) + ", 0, STAZIONE " + n(i + 1));
    }
    riga(t, "[rallentamenti]");
    for (std::int64_t x = 9000; x + 500 < limite; x += 20000) {
        riga(t, "rallentamento,   " + n(x) + ",   60,  500,  1, 1, 0");
    }
    riga(t, "[segnali]");
    for (std::int64_t p = 2600; p < limite; p += 4000) {
        riga(t, "segnale,   " + n(p) + ",   1, 1, 2,  0, 0,    0,  0,0,0, 0");
    }
    riga(t, "[codici]");
    riga(t, "[fine]");
    return g;
}

}  // namespace compattatore::banco
