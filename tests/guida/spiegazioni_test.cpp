// The explanations against the status catalogue and the core: every class
// has one in both languages, and every example really produces its status.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "guida/spiegazioni.hpp"
#include "model/stato.hpp"
#include "output/compila.hpp"

namespace compattatore::guida {
namespace {

// An example as a file holds it: CR LF line ends.
std::string con_crlf(std::string_view testo) {
    std::string r;
    for (char c : testo) {
        if (c == '\n') r += '\r';
        r += c;
    }
    return r;
}

TEST(Spiegazioni, EveryCatalogueEntryIsExplainedInBothLanguages) {
    for (const VoceCatalogo& v : catalogo()) {
        SCOPED_TRACE(std::string(v.nome));
        const Spiegazione* s = spiegazione(v.nome);
        ASSERT_NE(s, nullptr) << "no explanation for " << v.nome;
        for (const Testo* t : {&s->titolo, &s->significato, &s->rimedio}) {
            EXPECT_FALSE(t->it.empty());
            EXPECT_FALSE(t->en.empty());
            EXPECT_NE(t->it, t->en);
        }
        EXPECT_FALSE(s->treno.empty());
    }
    for (const Spiegazione& s : spiegazioni()) {
        EXPECT_TRUE(std::ranges::any_of(catalogo(), [&](const VoceCatalogo& v) { return v.nome == s.nome; }))
            << s.nome << " is explained but is not in the catalogue";
    }
}

// The first problem the example meets is the status it explains: a stop
// ends the compile, a refusal or a finishing warning is its first
// diagnostic.
TEST(Spiegazioni, EachExampleProducesItsStatus) {
    for (const VoceCatalogo& v : catalogo()) {
        if (v.numero == 0) continue;  // a class of the tool's own: not a compile of the core
        SCOPED_TRACE(std::string(v.nome));
        const Spiegazione* s = spiegazione(v.nome);
        ASSERT_NE(s, nullptr);
        const std::optional<std::string> linea = s->linea ? std::optional(con_crlf(*s->linea)) : std::nullopt;
        const std::string treno = con_crlf(s->treno);
        Descrizioni d;
        if (linea) d.linea = *linea;
        d.treno = treno;
        Scenario sc;
        const EsitoCompilazione e = compila(sc, 1, d);
        if (v.gravita == Gravita::arresto) {
            EXPECT_EQ(e.arresto, v.stato);
            EXPECT_TRUE(sc.diagnostiche.empty());
        } else {
            EXPECT_EQ(e.arresto, Stato::nessuno);
            ASSERT_FALSE(sc.diagnostiche.empty());
            EXPECT_EQ(sc.diagnostiche.front().stato, v.stato);
        }
    }
}

// The scenario the examples start from compiles clean: what each example
// adds is what makes it fail.
TEST(Spiegazioni, TheExamplesStartFromACleanScenario) {
    const Spiegazione* s = spiegazione("line_description_missing");
    ASSERT_NE(s, nullptr);
    const std::string linea = con_crlf("[generale]\nlunghezza percorso, 10000\n[curve]\n[fine]\n");
    const std::string treno = con_crlf(s->treno);
    Scenario sc;
    const EsitoCompilazione e = compila(sc, 1, Descrizioni{linea, treno});
    EXPECT_EQ(e.arresto, Stato::nessuno);
    EXPECT_TRUE(sc.diagnostiche.empty());
}

}  // namespace
}  // namespace compattatore::guida
