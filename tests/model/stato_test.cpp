#include "model/stato.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/diagnostica.hpp"

namespace compattatore {
namespace {

// The numbers are what the status member records and what the tool prints:
// each name must keep its number.
TEST(Stato, CatalogueKeepsNumbersNamesAndSeverities) {
    std::set<std::int32_t> numeri;
    std::set<std::string_view> nomi;
    for (const VoceCatalogo& v : catalogo()) {
        SCOPED_TRACE(v.nome);
        EXPECT_EQ(v.numero, numero(v.stato));
        if (static_cast<std::int32_t>(v.stato) >= primo_senza_numero) {
            // A class without a number: named in lower case and hyphens.
            EXPECT_EQ(v.numero, 0);
            EXPECT_TRUE(nomi.insert(v.nome).second) << "identifier used twice";
            for (const char c : v.nome) EXPECT_TRUE((c >= 'a' && c <= 'z') || c == '-');
            EXPECT_EQ(cerca(v.stato), &v);
            continue;
        }
        EXPECT_TRUE(numeri.insert(v.numero).second) << "number used twice";
        EXPECT_TRUE(nomi.insert(v.nome).second) << "identifier used twice";
        EXPECT_FALSE(v.significato.empty());
        for (const char c : v.nome) EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_');
        EXPECT_EQ(cerca(v.stato), &v);
        EXPECT_EQ(stato_di(v.numero), v.stato);
    }
    const std::set<std::int32_t> registrati = {1,  2,  3,  4,  5,  6,  7,  8,  9,   10,  11,  12,   13,  15,
                                               16, 17, 18, 19, 20, 21, 22, 24, 25, 101, 102, 103, 1250, 1251};
    EXPECT_EQ(numeri, registrati);

    const struct {
        Stato stato;
        std::int32_t numero;
        Gravita gravita;
    } scelti[] = {
        {Stato::oltre_il_percorso, 15, Gravita::errore},
        {Stato::guasto_lettura, 25, Gravita::errore},
        {Stato::rifinitura_prima_del_segnale, 11, Gravita::avviso},
        {Stato::rifinitura_nel_rallentamento, 13, Gravita::avviso},
        {Stato::linea_assente, 101, Gravita::errore},
        {Stato::marchio_occupato, 1250, Gravita::arresto},
        {Stato::codice_gara_occupato, 1251, Gravita::arresto},
    };
    for (const auto& c : scelti) {
        EXPECT_EQ(numero(c.stato), c.numero);
        EXPECT_EQ(gravita(c.stato), c.gravita);
    }
}

TEST(Stato, NumbersOutsideTheCatalogue) {
    for (const std::int32_t n : {0, 14, 23, 26, 100, 104, 1249, 1252, -15}) {
        EXPECT_EQ(stato_di(n), std::nullopt) << n;
    }
    EXPECT_EQ(cerca(Stato::nessuno), nullptr);
    EXPECT_EQ(nome(Stato::nessuno), "none");
}

TEST(Stato, DiagnosticSeverityFollowsItsStatus) {
    Diagnostica d;
    d.stato = Stato::rifinitura_prima_del_rallentamento;
    EXPECT_TRUE(d.avviso());
    EXPECT_EQ(d.numero(), 12);
    d.stato = Stato::segnale_su_cella_occupata;
    EXPECT_FALSE(d.avviso());
    EXPECT_EQ(d.gravita(), Gravita::errore);
}

}  // namespace
}  // namespace compattatore
