// The decoders of the three binary files: tables -> bytes -> tables gives the
// same tables back, and every kind of damaged file gives an error with the
// byte where the damage lies.
#include "formato/decodifica.hpp"
#include "formato/file_percorso.hpp"
#include "formato/file_planimetria.hpp"
#include "formato/file_voci.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "describe/dati_linea.hpp"
#include "describe/dati_treno.hpp"
#include "describe/identita.hpp"
#include "driver/base/stampa.hpp"
#include "formato/codici_gara.hpp"
#include "formato/codifica.hpp"
#include "formato/segni.hpp"
#include "output/compila.hpp"

namespace compattatore {
namespace {

// ---- small hand-built tables ----------------------------------------------

// Ten cells with one feature of each common kind, the marks and codes stamped
// as a build stamps them.
std::vector<Cella> percorso_piccolo(const std::string& percorso_nome, const std::string& treno) {
    std::vector<Cella> p(10);
    for (std::size_t i = 0; i < 7; ++i) {
        p[i].velocita_limite = 26;
        p[i].pendenza = static_cast<std::uint8_t>(i < 4 ? 100 : 93);
        p[i].aderenza = 100;
    }
    p[1].valore_1 = marchio_percorso;
    p[1].valore_2 = codice_gara_og(treno, percorso_nome);
    p[3] = Cella{1, 20, 30, -1, 6, 238, 0, 3, 16, 93, 100};  // negative Integer on purpose
    p[2].preavviso = 61;
    p[5].tipo = tipo_cella::fermata;
    p[5].valore_1 = 1;
    p[6].tipo = tipo_cella::cartello;
    p[6].valore_1 = 80;
    p[8].tipo = tipo_cella::punto_codice;
    p[8].valore_1 = 180;
    return p;
}

Voci voci_piccole(const std::string& percorso_nome, const std::string& treno) {
    Voci v{};
    Voce& s = v[1];
    s.tipo = 12;
    s.inizio = 85800;
    s.fine = 86100;
    s.posizione = 85950;
    s.nome = "VALMORA P.R.";
    s.dato_a = 1;
    s.dato_b = -2;
    s.dato_c = 3;
    s.opzione_a = 255;
    s.orario = 49260;
    v[80].nome = "(Cippo Km.)( 20+000  )";
    v[79].nome = "caf\xE9";  // a Windows-1252 byte above 127
    v[84].inizio = 135;
    v[84].fine = 93000;
    v[84].posizione = 2;
    v[85].nome = percorso_nome;
    v[85].dato_a = marchio_voci;
    v[85].orario = codice_gara_st(treno, percorso_nome);
    v[86].nome = treno;
    v[86].dato_c = 13;
    v[86].dato_d = 40;
    v[86].dato_e = 45;
    return v;
}

Planimetria planimetria_piccola() {
    Planimetria p;
    p.dimensiona(9);  // 10 points; 2 to 7 computed, 8 and 9 Empty
    p.semina();
    for (int m = 2; m <= 7; ++m) p.aggiungi(0.25 * m * m, m - 1e-9 * m);
    return p;
}

std::string byte_di(const std::function<void(Uscita&)>& scrivi) {
    UscitaMemoria u;
    scrivi(u);
    return u.byte;
}

std::string byte_percorso(const std::vector<Cella>& p) {
    return byte_di([&](Uscita& u) { scrivi_percorso(p, u); });
}
std::string byte_voci(const Voci& v) {
    return byte_di([&](Uscita& u) { scrivi_voci(v, u); });
}
std::string byte_planimetria(const Planimetria& p) {
    return byte_di([&](Uscita& u) { scrivi_planimetria(p, u); });
}

void attendi_stessa_planimetria(const Planimetria& a, const Planimetria& b) {
    ASSERT_EQ(a.ultimo(), b.ultimo());
    ASSERT_EQ(a.calcolati(), b.calcolati());
    const PuntiPlanimetria pa = a.punti();
    const PuntiPlanimetria pb = b.punti();
    for (std::int32_t m = 0; m <= a.ultimo(); ++m) {
        for (int c = 0; c < 2; ++c) {
            ASSERT_EQ(pa.elemento(m, c), pb.elemento(m, c)) << "point " << m << " column " << c;
        }
    }
}

const std::string percorso_nome = "Prova";
const std::string treno = "42";

// ---- round trips -----------------------------------------------------------

TEST(DecodificaRitorno, SmallTablesComeBackUnchanged) {
    const std::vector<Cella> p = percorso_piccolo(percorso_nome, treno);
    const auto dp = decodifica_percorso(byte_percorso(p), NomiGara{percorso_nome, treno});
    ASSERT_TRUE(dp) << dp.errore().messaggio;
    EXPECT_EQ(dp.tabella(), p);

    const Voci v = voci_piccole(percorso_nome, treno);
    const auto dv = decodifica_voci(byte_voci(v));
    ASSERT_TRUE(dv) << dv.errore().messaggio;
    EXPECT_EQ(dv.tabella(), v);

    const Planimetria pl = planimetria_piccola();
    const auto dpl = decodifica_planimetria(byte_planimetria(pl));
    ASSERT_TRUE(dpl) << dpl.errore().messaggio;
    attendi_stessa_planimetria(dpl.tabella(), pl);
}

TEST(DecodificaRitorno, PlanShapesTheReaderCanLeave) {
    struct Caso {
        const char* nome;
        std::int32_t ultimo;
        int doppi;  // -1: never seeded
    };
    const Caso casi[] = {
        {"sized but never seeded", 5, -1},
        {"seeded, nothing computed", 5, 0},
        {"computed to the very last point", 5, 4},
        {"two points only", 1, 0},
    };
    for (const Caso& c : casi) {
        Planimetria p;
        p.dimensiona(c.ultimo);
        if (c.doppi >= 0) p.semina();
        for (int i = 0; i < c.doppi; ++i) p.aggiungi(i, -i);
        const auto d = decodifica_planimetria(byte_planimetria(p));
        ASSERT_TRUE(d) << c.nome << ": " << d.errore().messaggio;
        attendi_stessa_planimetria(d.tabella(), p);
    }
}

TEST(DecodificaRitorno, EmbeddedScenarioComesBackUnchanged) {
    UscitaMemoria linea;
    UscitaMemoria treno_testo;
    stampa(contenuto_linea(), linea);
    stampa(contenuto_treno(), treno_testo);
    Scenario s;
    s.nome_percorso = nome_percorso_incorporato;
    s.numero_treno = numero_treno_incorporato;
    const EsitoCompilazione esito = compila(s, 1, Descrizioni{linea.byte, treno_testo.byte});
    ASSERT_FALSE(esito.percorso_assente);
    ASSERT_EQ(esito.arresto, Stato::nessuno);

    const auto dp = decodifica_percorso(byte_percorso(s.percorso), NomiGara{s.nome_percorso, s.numero_treno});
    ASSERT_TRUE(dp) << dp.errore().messaggio;
    EXPECT_EQ(dp.tabella(), s.percorso);
    EXPECT_EQ(dp.tabella().size(), 2001u);

    const auto dv = decodifica_voci(byte_voci(s.voci));
    ASSERT_TRUE(dv) << dv.errore().messaggio;
    EXPECT_EQ(dv.tabella(), s.voci);

    const auto dpl = decodifica_planimetria(byte_planimetria(s.planimetria));
    ASSERT_TRUE(dpl) << dpl.errore().messaggio;
    attendi_stessa_planimetria(dpl.tabella(), s.planimetria);
    EXPECT_EQ(dpl.tabella().calcolati(), 99999);
}

// ---- damaged files ---------------------------------------------------------

struct Danno {
    const char* nome;
    std::function<void(std::string&)> modifica;
    std::int64_t offset;
    const char* frase;  // a phrase the message must hold
};

void poni_intero(std::string& b, std::size_t at, std::int16_t v) {
    b[at] = static_cast<char>(static_cast<std::uint16_t>(v) & 0xFF);
    b[at + 1] = static_cast<char>(static_cast<std::uint16_t>(v) >> 8);
}

TEST(DecodificaDanni, TrackFile) {
    const std::string buono = byte_percorso(percorso_piccolo(percorso_nome, treno));
    ASSERT_EQ(buono.size(), 150u);
    const Danno danni[] = {
        {"truncated", [](std::string& b) { b.pop_back(); }, 135, "149 bytes is not a multiple of 15"},
        {"padded", [](std::string& b) { b += '\0'; }, 150, "151 bytes is not a multiple of 15"},
        {"one cell only", [](std::string& b) { b.resize(15); }, 15, "at least cells 0 and 1"},
        {"more cells than the longest line has", [](std::string& b) { b.resize(15 * 20142); }, 0, "20142 cells, more than the 20141"},
        {"empty", [](std::string& b) { b.clear(); }, 0, "at least cells 0 and 1"},
        {"mark missing", [](std::string& b) { poni_intero(b, 16, 0); }, 16, "file mark at byte 16 (cell 1) is 0, expected 5121"},
        {"wrong code", [](std::string& b) { poni_intero(b, 18, 1); }, 18, "plain competition code at byte 18 (cell 1) is 1"},
    };
    for (const Danno& d : danni) {
        std::string b = buono;
        d.modifica(b);
        const auto r = decodifica_percorso(b, NomiGara{percorso_nome, treno});
        ASSERT_FALSE(r) << d.nome;
        EXPECT_EQ(r.errore().offset, d.offset) << d.nome;
        EXPECT_NE(r.errore().messaggio.en().find(d.frase), std::string::npos) << d.nome << ": " << r.errore().messaggio;
        EXPECT_EQ(r.errore().messaggio.en().rfind("track file: ", 0), 0u) << d.nome;
    }
}

TEST(DecodificaDanni, TrackCodeIsCheckedOnlyAgainstGivenNames) {
    const std::string b = byte_percorso(percorso_piccolo(percorso_nome, treno));
    EXPECT_TRUE(decodifica_percorso(b));
    EXPECT_FALSE(decodifica_percorso(b, NomiGara{percorso_nome, "43"}));
}

TEST(DecodificaDanni, EntryFile) {
    const Voci v = voci_piccole(percorso_nome, treno);
    const std::string buono = byte_voci(v);
    // Entry 0 is 34 bytes; entry 1 starts at 34, its name length at 48.
    std::size_t inizio_85 = 0;
    for (int i = 0; i < 85; ++i) inizio_85 += 34 + v[static_cast<std::size_t>(i)].nome.size();
    const std::size_t marchio_85 = inizio_85 + 16 + v[85].nome.size();
    const std::size_t fine_86 = buono.size();
    const Danno danni[] = {
        {"truncated in the first entry", [](std::string& b) { b.resize(10); }, 0, "10 bytes left for entry 0 at byte 0"},
        {"truncated in the last entry", [](std::string& b) { b.pop_back(); }, static_cast<std::int64_t>(fine_86 - 34 - 2 + 14), "runs past the end"},
        {"padded", [](std::string& b) { b += "xy"; }, static_cast<std::int64_t>(fine_86), "2 extra bytes after the last entry (86)"},
        {"name length past the end", [](std::string& b) { poni_intero(b, 48, 30000); }, 48, "name length 30000 of entry 1 at byte 34"},
        {"negative name length", [](std::string& b) { poni_intero(b, 48, -3); }, 48, "negative name length -3"},
        {"mark missing", [=](std::string& b) { poni_intero(b, marchio_85, 0); }, static_cast<std::int64_t>(marchio_85), "is 0, expected 610"},
        {"wrong code", [=](std::string& b) { b[marchio_85 + 14] ^= 1; }, static_cast<std::int64_t>(marchio_85 + 14), "weighted competition code"},
        {"route name changed", [=](std::string& b) { b[marchio_85 - 1] = 'X'; }, static_cast<std::int64_t>(marchio_85 + 14), "weighted competition code"},
    };
    for (const Danno& d : danni) {
        std::string b = buono;
        d.modifica(b);
        const auto r = decodifica_voci(b);
        ASSERT_FALSE(r) << d.nome;
        EXPECT_EQ(r.errore().offset, d.offset) << d.nome << ": " << r.errore().messaggio;
        EXPECT_NE(r.errore().messaggio.en().find(d.frase), std::string::npos) << d.nome << ": " << r.errore().messaggio;
        EXPECT_EQ(r.errore().messaggio.en().rfind("entry file: ", 0), 0u) << d.nome;
    }
}

// Plan bytes written element by element: each element a tag and a value.
struct Elem {
    std::int16_t tag;
    double valore = 0;
};

std::string byte_elementi(const std::vector<Elem>& es) {
    return byte_di([&](Uscita& u) {
        Scrittore w(u);
        for (const Elem& e : es) {
            w.intero(e.tag);
            if (e.tag == tag_intero) w.intero(static_cast<std::int16_t>(e.valore));
            if (e.tag == tag_doppio) w.doppio(e.valore);
        }
        w.svuota();
    });
}

TEST(DecodificaDanni, PlanFile) {
    const Elem I0{tag_intero, 0}, I1{tag_intero, 1}, D{tag_doppio, 2.5}, E{tag_vuoto};
    // Column of 4 points: offsets in a good file are 0, 4, 8, 18 | 20, 24, 28, 38.
    const std::vector<Elem> buono = {I0, I0, D, E, I0, I1, D, E};
    ASSERT_TRUE(decodifica_planimetria(byte_elementi(buono)));
    struct Caso {
        const char* nome;
        std::string byte;
        std::int64_t offset;
        const char* frase;
    };
    std::string tag_ignoto = byte_elementi(buono);
    tag_ignoto[8] = 7;
    std::string doppio_tronco = byte_elementi({I0, I0, D, E, I0, I1, D});
    doppio_tronco.resize(doppio_tronco.size() - 3);
    std::string mezzo_tag = byte_elementi(buono);
    mezzo_tag += '\0';
    const Caso casi[] = {
        {"unknown tag", tag_ignoto, 8, "unknown tag 7 at byte 8"},
        {"Double cut short", doppio_tronco, 28, "the Double at byte 28 needs 8 bytes of value, only 5 bytes remain"},
        {"half a tag at the end", mezzo_tag, 40, "1 byte left at byte 40"},
        {"odd number of elements", byte_elementi({I0, I0, D, E, I0, I1, D, E, E}), 42, "9 elements cannot be split"},
        {"one point per column", byte_elementi({I0, I0}), 8, "1 points per column"},
        {"Integer 1 in column 0", byte_elementi({I0, I1, D, E, I0, I1, D, E}), 4, "point 1 of column 0 at byte 4 holds the Integer 1"},
        {"Integer among the Doubles", byte_elementi({I0, I0, I0, E, I0, I1, D, E}), 8, "expected a Double or Empty"},
        {"Double after Empty", byte_elementi({I0, I0, E, D, I0, I1, E, D}), 10, "expected Empty, as the points before it"},
        {"column 1 shorter", byte_elementi({I0, I0, D, E, I0, I1, E, E}), 28, "expected a Double, since column 0 holds one"},
        {"column 1 longer", byte_elementi({I0, I0, E, E, I0, I1, D, E}), 20, "expected Empty, since column 0 is Empty"},
        {"more points than the longest line has", std::string(4 * 1007002, '\0'), 0, "1007002 points per column, more than the 1007001"},
        {"column 1 not seeded", byte_elementi({I0, I0, D, E, I0, I0, D, E}), 24, "expected the Integer 1"},
    };
    for (const Caso& c : casi) {
        const auto r = decodifica_planimetria(c.byte);
        ASSERT_FALSE(r) << c.nome;
        EXPECT_EQ(r.errore().offset, c.offset) << c.nome << ": " << r.errore().messaggio;
        EXPECT_NE(r.errore().messaggio.en().find(c.frase), std::string::npos) << c.nome << ": " << r.errore().messaggio;
        EXPECT_EQ(r.errore().messaggio.en().rfind("plan file: ", 0), 0u) << c.nome;
    }
}

}  // namespace
}  // namespace compattatore



namespace compattatore {
namespace {

// Random damage (bytes changed, cut or added anywhere) never makes a decoder
// throw or read outside the bytes; an error always points inside the file.
TEST(DecodificaDanni, RandomDamageGivesAnErrorOrATableNeverACrash) {
    const std::string percorso_nome = "Prova", treno = "42";
    const std::string originali[] = {
        byte_planimetria(planimetria_piccola()),
        byte_voci(voci_piccole(percorso_nome, treno)),
        byte_percorso(percorso_piccolo(percorso_nome, treno)),
    };
    std::mt19937 caso(12345);
    for (int giro = 0; giro < 3000; ++giro) {
        const int quale = giro % 3;
        std::string b = originali[quale];
        const int modifiche = 1 + static_cast<int>(caso() % 3);
        for (int k = 0; k < modifiche && !b.empty(); ++k) {
            const std::size_t at = caso() % b.size();
            switch (caso() % 3) {
                case 0: b[at] = static_cast<char>(caso() & 0xFF); break;
                case 1: b.erase(at, 1 + caso() % 20); break;
                default: b.insert(at, std::string(1 + caso() % 20, static_cast<char>(caso() & 0xFF))); break;
            }
        }
        std::optional<ErroreDecodifica> e;
        ASSERT_NO_THROW({
            if (quale == 0) {
                auto r = decodifica_planimetria(b);
                if (!r) e = r.errore();
            } else if (quale == 1) {
                auto r = decodifica_voci(b);
                if (!r) e = r.errore();
            } else {
                auto r = decodifica_percorso(b, NomiGara{percorso_nome, treno});
                if (!r) e = r.errore();
            }
        });
        if (e) {
            EXPECT_GE(e->offset, 0);
            EXPECT_LE(e->offset, static_cast<std::int64_t>(b.size()));
            EXPECT_FALSE(e->messaggio.en().empty());
        }
    }
}

// The errors in Italian: the same arguments in the places the Italian
// wording gives them, nested counts of bytes included; the English words
// are those of the tables above.
TEST(DecodificaDanni, ErrorsInItalian) {
    const Elem I0{tag_intero, 0}, I1{tag_intero, 1}, D{tag_doppio, 2.5}, E{tag_vuoto};
    std::string percorso = byte_percorso(percorso_piccolo(percorso_nome, treno));
    percorso.pop_back();
    std::string senza_marchio = byte_percorso(percorso_piccolo(percorso_nome, treno));
    poni_intero(senza_marchio, 16, 0);
    std::string voci = byte_voci(voci_piccole(percorso_nome, treno));
    const std::size_t fine_voci = voci.size();
    voci += 'x';
    struct Caso {
        const char* nome;
        std::optional<ErroreDecodifica> errore;
        std::string it;
    };
    const auto di = [](const auto& d) { return d ? std::nullopt : std::optional<ErroreDecodifica>(d.errore()); };
    const Caso casi[] = {
        {"a track file cut short", di(decodifica_percorso(percorso)),
         "file del percorso: 149 byte non è un multiplo di 15 (14 byte dopo l'ultima cella intera al byte 135)"},
        {"a track file without its mark", di(decodifica_percorso(senza_marchio)),
         "file del percorso: il marchio del file al byte 16 (cella 1) è 0, atteso 5121"},
        {"one extra byte after the entries", di(decodifica_voci(voci)),
         "file delle voci: 1 byte in più dopo l'ultima voce (86), che finisce al byte " + std::to_string(fine_voci) +
             "; il file dovrebbe finire lì"},
        {"a Double in column 0 where the Integer 1 belongs in column 1", di(decodifica_planimetria(byte_elementi({I0, I0, D, E, I0, I0, D, E}))),
         "file della planimetria: il punto 1 della colonna 1 al byte 24 contiene l'Integer 0, atteso l'Integer 1 "
         "(non è una planimetria che questo sistema scrive)"},
        {"a Double cut short", di(decodifica_planimetria(byte_elementi({I0, I0, D, E, I0, I1, D}).substr(0, 35))),
         "file della planimetria: il Double al byte 28 richiede 8 byte di valore, ne restano solo 5 byte"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        ASSERT_TRUE(c.errore);
        EXPECT_EQ(c.errore->messaggio.in(Lingua::it), c.it);
        EXPECT_NE(c.errore->messaggio.en(), c.it);
    }
}

}  // namespace
}  // namespace compattatore
