// A small compiled scenario built by hand, for the tools that read compiled
// tables: a 10 km line (cells 0 to 340) with two stations, two signals, a
// slowdown, code points, a speed board, a text board, a mountain zone, three
// gradients, two speed limits and a plan with one right-hand curve; marks
// and codes stamped as a build stamps them.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "formato/file_percorso.hpp"
#include "formato/file_planimetria.hpp"
#include "formato/file_voci.hpp"
#include "model/scenario.hpp"
#include "output/compila.hpp"
#include "tests/support/cartella_temporanea.hpp"

namespace compattatore::prova {

inline Scenario scenario_piccolo() {
    Scenario s;
    s.nome_percorso = "Prova";
    s.numero_treno = "42";
    dimensiona_percorso(s, 10000);
    for (std::size_t i = 0; i <= 337; ++i) {
        Cella& c = s.percorso[i];
        c.pendenza = static_cast<std::uint8_t>(i < 40 ? 100 : i < 80 ? 110 : 95);  // 0, +10, -5 per mille
        c.velocita_limite = static_cast<std::uint8_t>(i < 200 ? 26 : 16);           // 130, 80 km/h
        c.aderenza = 100;
    }
    for (std::size_t i = 250; i <= 260; ++i) s.percorso[i].montagna = 3;
    auto cella = [&](std::size_t i) -> Cella& { return s.percorso[i]; };
    cella(11) = Cella{tipo_cella::cartello, 80, 0, 0, 0, 0, 0, 0, 26, 100, 100};
    cella(21) = Cella{tipo_cella::indicatore_v_max, 1212, 1414, 1515, 0, 0, 0, 0, 26, 100, 100};
    cella(62) = Cella{tipo_cella::fermata, 1, 0, 0, 0, 0, 0, 0, 26, 110, 100};
    cella(101) = Cella{tipo_cella::segnale, 20, 30, 0, 6, 238, 0, 0, 26, 95, 100};
    cella(99).preavviso = 61;
    cella(117) = Cella{tipo_cella::avviso_rallentamento, 30, 0, 0, 0, 0, 0, 0, 26, 95, 100};
    cella(120) = Cella{tipo_cella::punto_codice, 180, 0, 0, 0, 0, 0, 0, 26, 95, 100};
    cella(130) = Cella{tipo_cella::abbattimento_zero, 0, 0, 0, 0, 0, 0, 0, 26, 95, 100};
    cella(141) = Cella{tipo_cella::inizio_rallentamento, 30, 0, 1, 0, 0, 0, 0, 26, 95, 100};
    cella(151) = Cella{tipo_cella::fine_rallentamento, 30, 0, 1, 0, 0, 0, 0, 26, 95, 100};
    cella(163) = Cella{tipo_cella::fermata, 2, 0, 0, 0, 0, 0, 0, 26, 95, 100};
    cella(181) = Cella{tipo_cella::segnale, 10, 0, 0, 3, 0, 0, 0, 26, 95, 100};

    Voce& a = s.voci[1];
    a.tipo = 12;
    a.inizio = 2850;
    a.fine = 3150;
    a.posizione = 3000;
    a.nome = "STAZIONE UNO";
    a.orario = 49260;  // 13:41:00
    Voce& b = s.voci[2];
    b.tipo = 4;
    b.inizio = 7800;
    b.fine = 8200;
    b.posizione = 8000;
    b.nome = "STAZIONE DUE";
    b.orario = 49560;  // 13:46:00
    s.voci[80].nome = "(Cippo Km.)( 0+500 )";
    s.voci[84].inizio = 135;
    s.voci[84].fine = 10000;
    s.voci[84].posizione = 2;
    s.voci[85].nome = s.nome_percorso;
    s.voci[85].inizio = 1;
    s.voci[86].nome = s.numero_treno;
    s.voci[86].inizio = 1300;
    s.voci[86].fine = 6200;
    s.voci[86].posizione = 4;
    s.voci[86].dato_c = 13;
    s.voci[86].dato_d = 40;
    s.voci[86].dato_e = 45;

    // Straight to metre 3000, a right-hand curve of 1000 m (0.001 rad/m), then
    // straight to metre 16998, as the line reader computes it.
    s.scrivi_linea = 1;
    s.planimetria.dimensiona(s.lunghezza_estesa);
    s.planimetria.semina();
    s.planimetria.dritto_fino(3000);
    s.planimetria.curva_fino(4000, 0.001);
    s.planimetria.dritto_fino(s.lunghezza_estesa - 2);
    marchia(s);
    return s;
}

// Writes the three files of s into cartella under the names a build uses.
inline void scrivi_file_scenario(const Scenario& s, const std::filesystem::path& cartella) {
    auto scrivi = [](const std::filesystem::path& p, const std::function<void(Uscita&)>& f) {
        UscitaMemoria u;
        f(u);
        scrivi_tutto(p, u.byte);
    };
    scrivi(cartella / (s.nome_percorso + "_linea.dat"), [&](Uscita& u) { scrivi_planimetria(s.planimetria, u); });
    scrivi(cartella / (s.nome_percorso + "_" + s.numero_treno + ".sim"), [&](Uscita& u) { scrivi_voci(s.voci, u); });
    scrivi(cartella / (s.nome_percorso + "_" + s.numero_treno + ".dat"), [&](Uscita& u) { scrivi_percorso(s.percorso, u); });
}

}  // namespace compattatore::prova
