#include "formato/codifica.hpp"
#include "formato/file_percorso.hpp"
#include "formato/file_planimetria.hpp"
#include "formato/file_voci.hpp"
#include "formato/segni.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <variant>

namespace compattatore {
namespace {

unsigned b(const std::string& s, std::size_t i) { return static_cast<unsigned char>(s.at(i)); }

std::string esadecimale(const std::string& s, std::size_t da, std::size_t n) {
    std::string t;
    char buf[4];
    for (std::size_t i = da; i < da + n; ++i) {
        std::snprintf(buf, sizeof buf, i + 1 < da + n ? "%02X " : "%02X", b(s, i));
        t += buf;
    }
    return t;
}

// The plan of a line of `lunghezza` metres as the line reader leaves it:
// lunghezza + 7000 + 1 points, all computed but the last two.
Planimetria piano_completo(std::int32_t lunghezza) {
    Planimetria p;
    const std::int32_t estesa = lunghezza + 7000;
    p.dimensiona(estesa);
    p.semina();
    for (std::int32_t m = 2; m <= estesa - 2; ++m) p.aggiungi(m * 0.5, -m * 0.25);
    return p;
}

TEST(FilePlanimetria, FullPlanOf93000Metres) {
    const Planimetria p = piano_completo(93000);
    UscitaConteggio conta;
    scrivi_planimetria(p, conta);
    EXPECT_EQ(conta.totale, 1999964u);
}

TEST(FilePlanimetria, TagsAndValuesColumnByColumn) {
    Planimetria p;
    p.dimensiona(5);  // metres 0 to 5
    p.semina();
    p.aggiungi(-1.5, 2.0);
    p.aggiungi(3.25, -0.0);
    UscitaMemoria u;
    scrivi_planimetria(p, u);
    const std::string atteso =
        // column 0: Integer 0, Integer 0, Double -1.5, Double 3.25, Empty, Empty
        "02 00 00 00 02 00 00 00 "
        "05 00 00 00 00 00 00 00 F8 BF "
        "05 00 00 00 00 00 00 00 0A 40 "
        "00 00 00 00 "
        // column 1: Integer 0, Integer 1, Double 2.0, Double -0.0, Empty, Empty
        "02 00 00 00 02 00 01 00 "
        "05 00 00 00 00 00 00 00 00 40 "
        "05 00 00 00 00 00 00 00 00 80 "
        "00 00 00 00";
    EXPECT_EQ(esadecimale(u.byte, 0, u.byte.size()), atteso);
}

// The fast path must say exactly what the element view of the plan says.
TEST(FilePlanimetria, AgreesWithTheElementView) {
    for (const int calcolati : {0, 2, 3, 7}) {
        Planimetria p;
        p.dimensiona(8);
        if (calcolati >= 2) p.semina();
        for (int m = 2; m < calcolati; ++m) p.aggiungi(m + 0.125, -m - 0.5);
        UscitaMemoria veloce;
        scrivi_planimetria(p, veloce);

        UscitaMemoria lento;
        Scrittore w(lento);
        const PuntiPlanimetria punti = p.punti();
        for (int colonna = 0; colonna < 2; ++colonna) {
            for (std::int32_t m = 0; m <= p.ultimo(); ++m) {
                const Valore v = punti.elemento(m, colonna);
                if (std::holds_alternative<Vuoto>(v)) {
                    w.intero(tag_vuoto);
                } else if (const auto* i = std::get_if<std::int16_t>(&v)) {
                    w.intero(tag_intero);
                    w.intero(*i);
                } else {
                    w.intero(tag_doppio);
                    w.doppio(std::get<double>(v));
                }
            }
        }
        w.svuota();
        EXPECT_EQ(veloce.byte, lento.byte) << calcolati << " computed points";
    }
}

TEST(FilePlanimetria, UnsizedPlanWritesNothing) {
    UscitaMemoria u;
    scrivi_planimetria(Planimetria{}, u);
    EXPECT_TRUE(u.byte.empty());
}

TEST(FileVoci, EmptyTableIs87RecordsOf34Bytes) {
    UscitaMemoria u;
    scrivi_voci(Voci{}, u);
    ASSERT_EQ(u.byte.size(), 87u * 34u);
    EXPECT_EQ(u.byte, std::string(87 * 34, '\0'));
}

TEST(FileVoci, RecordWithANameAtItsOffsets) {
    Voci v{};
    Voce& e = v[85];
    e.tipo = 7;
    e.inizio = 100;
    e.fine = -2;
    e.posizione = 0x01020304;
    e.prolunga = 255;
    e.nome = "Pr\xE8";  // Windows-1252 bytes go out as they are
    e.dato_a = 610;
    e.dato_b = -1;
    e.dato_c = 13;
    e.dato_d = 40;
    e.dato_e = 45;
    e.opzione_a = 1;
    e.opzione_b = 2;
    e.opzione_c = 3;
    e.opzione_d = 4;
    e.orario = 31678;
    v[86].tipo = 9;
    UscitaMemoria u;
    scrivi_voci(v, u);
    ASSERT_EQ(u.byte.size(), 87u * 34u + 3u);
    const std::size_t r = 85 * 34;
    EXPECT_EQ(esadecimale(u.byte, r, 37),
              "07 "           // tipo
              "64 00 00 00 "  // inizio
              "FE FF FF FF "  // fine
              "04 03 02 01 "  // posizione
              "FF "           // prolunga
              "03 00 "        // length of nome
              "50 72 E8 "     // nome
              "62 02 "        // dato_a 610
              "FF FF 0D 00 28 00 2D 00 "
              "01 02 03 04 "
              "BE 7B 00 00");  // orario
    EXPECT_EQ(b(u.byte, r + 37), 9u) << "entry 86 starts right after the name";
}

TEST(FileVoci, NameLengthLimit) {
    Voci v{};
    v[3].nome.assign(32767, 'a');
    UscitaConteggio conta;
    scrivi_voci(v, conta);
    EXPECT_EQ(conta.totale, 87u * 34u + 32767u);

    v[3].nome.push_back('a');
    UscitaMemoria u;
    EXPECT_THROW(scrivi_voci(v, u), std::length_error);
    EXPECT_TRUE(u.byte.empty());
}

TEST(FilePercorso, TwoThousandAndOneCells) {
    UscitaConteggio conta;
    scrivi_percorso(std::vector<Cella>(2001), conta);
    EXPECT_EQ(conta.totale, 30015u);
}

TEST(FilePercorso, CellMembersAtTheirOffsets) {
    std::vector<Cella> p(3);
    Cella& c = p[1];
    c.tipo = 1;
    c.valore_1 = 5121;
    c.valore_2 = 2320;
    c.valore_3 = -2;
    c.valore_4 = 0x7FFF;
    c.tempo_segnale = 238;
    c.preavviso = 64;
    c.montagna = 3;
    c.velocita_limite = 16;
    c.pendenza = 93;
    c.aderenza = 100;
    p[2].tipo = 12;
    UscitaMemoria u;
    scrivi_percorso(p, u);
    ASSERT_EQ(u.byte.size(), 45u);
    EXPECT_EQ(esadecimale(u.byte, 0, 15), "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
    EXPECT_EQ(esadecimale(u.byte, 15, 15), "01 01 14 10 09 FE FF FF 7F EE 40 03 10 5D 64");
    EXPECT_EQ(b(u.byte, 30), 12u);
}

}  // namespace
}  // namespace compattatore
