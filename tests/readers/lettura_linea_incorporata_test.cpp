// The embedded line description read back: every table it fills.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "describe/dati_linea.hpp"
#include "driver/base/stampa.hpp"
#include "readers/memorizza_dati.hpp"

namespace compattatore {
namespace {

class LineaIncorporata : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        testo = new std::string(testo_linea());
        s = new Scenario;
        s->scrivi_linea = 1;
        LettoreCampi campi(*testo);
        fine = leggi_linea(*s, campi);
    }
    static void TearDownTestSuite() {
        delete s;
        delete testo;
    }
    static std::string* testo;
    static Scenario* s;
    static FineLinea fine;
};

std::string* LineaIncorporata::testo = nullptr;
Scenario* LineaIncorporata::s = nullptr;
FineLinea LineaIncorporata::fine{};

TEST_F(LineaIncorporata, ReadsWithoutAnyStatus) {
    EXPECT_EQ(s->codice_errore, Stato::nessuno);
    EXPECT_TRUE(s->diagnostiche.empty());
    EXPECT_TRUE(fine.leggi_treno);
    EXPECT_EQ(fine.slot_cartelli, 74);
}

TEST_F(LineaIncorporata, GeneralSection) {
    EXPECT_EQ(s->lunghezza_estesa, 100000);
    EXPECT_EQ(s->ultima_cella, 2000);
    EXPECT_EQ(s->percorso.size(), 2001u);
    EXPECT_EQ(s->voci[84].fine, 93000);
    EXPECT_EQ(s->voci[85].inizio, 1);
    EXPECT_EQ(s->voci[85].posizione, 0);
    EXPECT_EQ(s->voci[85].fine, 0);
    EXPECT_EQ(s->voci[86].inizio, 1300);
    EXPECT_EQ(s->voci[86].fine, 26200);
    EXPECT_EQ(s->voci[86].posizione, 4);
    for (int v = 81; v <= 83; ++v) {
        EXPECT_EQ(s->voci[v].inizio, 0);
        EXPECT_EQ(s->voci[v].fine, 0);
        EXPECT_EQ(s->voci[v].posizione, 0);
    }
}

TEST_F(LineaIncorporata, GradientsOfEveryCell) {
    // The gradient rows, taken from the text with a scanner of their own: a
    // row governs the cells from round(p / 50) up to the next row's cell.
    struct Riga {
        long cella;
        int valore;
    };
    std::vector<Riga> righe;
    for (std::string_view r : contenuto_linea()) {
        long p = 0;
        int g = 0;
        if (std::sscanf(std::string(r).c_str(), "pendenza, %ld, %d", &p, &g) == 2) {
            righe.push_back({std::lround(std::nearbyint(p / 50.0)), g});
        }
    }
    ASSERT_EQ(righe.size(), 59u);
    for (long c = 0; c <= 2000; ++c) {
        int atteso = 0;
        if (c >= 1998) {
            atteso = 0;
        } else {
            for (const Riga& r : righe) {
                if (r.cella <= c) atteso = r.valore + 100;
            }
        }
        ASSERT_EQ(s->percorso[static_cast<std::size_t>(c)].pendenza, atteso) << "cell " << c;
    }
    EXPECT_EQ(s->percorso[1748].pendenza, 102);
    EXPECT_EQ(s->percorso[1753].pendenza, 102);
    EXPECT_EQ(s->percorso[1754].pendenza, 100);
    EXPECT_EQ(s->percorso[1997].pendenza, 100);
    EXPECT_EQ(s->percorso[1998].pendenza, 0);
}

TEST_F(LineaIncorporata, MountainZonesAndMarkers) {
    struct Zona {
        int prima, ultima, tipo;
        bool segnali;
    };
    const Zona zone[] = {
        {36, 75, 1, true},    {98, 105, 2, false},   {124, 203, 1, true},
        {898, 907, 1, true},  {1056, 1059, 1, true}, {1723, 1728, 2, true},
    };
    std::vector<int> montagna(2001, 0);
    std::vector<bool> segno(2001, false);
    for (const Zona& z : zone) {
        for (int c = z.prima; c <= z.ultima; ++c) {
            montagna[static_cast<std::size_t>(c)] = z.tipo;
            segno[static_cast<std::size_t>(c)] = z.segnali && (c - z.prima + 1) % 4 == 0;
        }
    }
    for (std::size_t c = 0; c <= 2000; ++c) {
        ASSERT_EQ(s->percorso[c].montagna, montagna[c]) << "cell " << c;
        EXPECT_EQ(s->percorso[c].tipo == 11, segno[c]) << "cell " << c;
    }
    EXPECT_EQ(s->n_montagne, 6);
    EXPECT_EQ(s->montagne_inizio[1], 1800);
    EXPECT_EQ(s->montagne_fine[6], 86450);
}

TEST_F(LineaIncorporata, BoardsAndTheirCells) {
    struct Cartello {
        std::size_t cella;
        int slot;
        const char* testo;
    };
    const Cartello cartelli[] = {
        {400, 80, "(Cippo Km.)( 20+000  )"}, {442, 79, "(Cippo Km.)( 22+000  )"},
        {501, 78, "(Cippo Km.)( 25+000  )"}, {525, 77, "(FINE COD.)"},
        {725, 76, "(DEV. U.)"},              {861, 75, "(Cippo Km.)( 43+000  )"},
    };
    int quanti = 0;
    for (const Cella& c : s->percorso) quanti += c.tipo == 14;
    EXPECT_EQ(quanti, 6);
    for (const Cartello& c : cartelli) {
        EXPECT_EQ(s->percorso[c.cella].tipo, 14) << c.cella;
        EXPECT_EQ(s->percorso[c.cella].valore_1, c.slot) << c.cella;
        EXPECT_EQ(s->voci[static_cast<std::size_t>(c.slot)].nome, c.testo);
    }
    EXPECT_EQ(s->voci[74].nome, "");

    struct Indicatore {
        std::size_t cella;
        std::int16_t v1, v2, v3, v4;
    };
    const Indicatore indicatori[] = {
        {11, 1212, 1414, 1515, 0},   {709, 1600, 1700, 1700, 0},  {1034, 1100, 1500, 1500, 20},
        {1037, 1100, 1500, 1500, 10}, {1528, 2000, 2100, 2100, 0},
    };
    int tabelle = 0;
    for (const Cella& c : s->percorso) tabelle += c.tipo == 6;
    EXPECT_EQ(tabelle, 19);
    for (const Indicatore& i : indicatori) {
        const Cella& c = s->percorso[i.cella];
        EXPECT_EQ(c.tipo, 6) << i.cella;
        EXPECT_EQ(c.valore_1, i.v1) << i.cella;
        EXPECT_EQ(c.valore_2, i.v2) << i.cella;
        EXPECT_EQ(c.valore_3, i.v3) << i.cella;
        EXPECT_EQ(c.valore_4, i.v4) << i.cella;
    }
}

TEST_F(LineaIncorporata, PlanPoints) {
    const PuntiPlanimetria p = s->planimetria.punti();
    ASSERT_EQ(p.ultimo, 100000);
    EXPECT_EQ(p.calcolati(), 99999);
    EXPECT_EQ(p.elemento(0, 0), Valore{std::int16_t{0}});
    EXPECT_EQ(p.elemento(0, 1), Valore{std::int16_t{0}});
    EXPECT_EQ(p.elemento(1, 0), Valore{std::int16_t{0}});
    EXPECT_EQ(p.elemento(1, 1), Valore{std::int16_t{1}});
    EXPECT_TRUE(std::holds_alternative<double>(p.elemento(2, 0)));
    EXPECT_TRUE(std::holds_alternative<double>(p.elemento(99998, 1)));
    for (int m : {99999, 100000}) {
        for (int col : {0, 1}) EXPECT_EQ(p.elemento(m, col), Valore{Vuoto{}}) << m;
    }
    // Up to the first curve the line runs straight up the y axis.
    for (int m = 0; m <= 500; ++m) {
        ASSERT_EQ(p.x(m), 0.0) << m;
        ASSERT_EQ(p.y(m), static_cast<double>(m)) << m;
    }
}

// Each metre of curve turns the one-metre step by atan(k) and stretches it by
// sqrt(1 + k^2); the headings and step lengths after the curves follow from
// the curve rows alone.
TEST_F(LineaIncorporata, PlanHeadingFollowsTheCurves) {
    const PuntiPlanimetria p = s->planimetria.punti();
    const double curvatura[] = {0, 0.0001, 0.0002, 0.0004, 0.001, 0.002, 0.003};
    double direzione = 0;  // from +y towards +x
    double passo = 1;
    long fine_precedente = 0;
    int curve = 0;
    const auto verifica = [&](long m) {
        const double dx = p.x(static_cast<std::int32_t>(m)) - p.x(static_cast<std::int32_t>(m - 1));
        const double dy = p.y(static_cast<std::int32_t>(m)) - p.y(static_cast<std::int32_t>(m - 1));
        EXPECT_NEAR(std::atan2(dx, dy), direzione, 1e-9) << "metre " << m;
        EXPECT_NEAR(std::hypot(dx, dy), passo, 1e-9) << "metre " << m;
    };
    for (std::string_view r : contenuto_linea()) {
        char lato = 0;
        int classe = 0;
        long inizio = 0, lunghezza = 0;
        if (std::sscanf(std::string(r).c_str(), "curva%c%d, %ld, %ld", &lato, &classe, &inizio, &lunghezza) != 4) {
            continue;
        }
        ++curve;
        ASSERT_GE(inizio, fine_precedente);
        const double k = lato == 's' ? -curvatura[classe] : curvatura[classe];
        direzione += static_cast<double>(lunghezza) * std::atan(k);
        passo *= std::pow(1 + k * k, lunghezza / 2.0);
        fine_precedente = inizio + lunghezza;
        verifica(fine_precedente);
    }
    EXPECT_EQ(curve, 77);
    verifica(99998);
    // The first curve turns left: the plan leaves the y axis towards -x.
    EXPECT_LT(p.x(800), 0.0);
}

}  // namespace
}  // namespace compattatore
