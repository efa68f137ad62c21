// The tool's one argument parser and its usage errors.
#include "cli/argomenti.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "cli/comandi.hpp"

namespace compattatore {
namespace {

using cli::Opzione;

constexpr Opzione opzioni[] = {
    {"", "-o", "DIR", {"prova_o", "the output folder", "la cartella"}},
    {"--route", "", "NAME", {"prova_route", "the route name", "il percorso"}},
    {"--json", "", "", {"prova_json", "print JSON", "stampa JSON"}},
    {"--lang", "-l", "CODE", {"prova_lang", "the language", "la lingua"}},
};

cli::Argomenti analizza(const std::vector<std::string>& a) { return cli::analizza_argomenti("prova", opzioni, a, 0); }

TEST(Argomenti, FormsOfOptionsAndPositionals) {
    const cli::Argomenti r =
        analizza({"a", "-o", "out", "--route=Val_mora", "--json", "-l", "it", "-", "--", "--json", "-o"});
    EXPECT_EQ(r.posizionali, (std::vector<std::string>{"a", "-", "--json", "-o"}));
    EXPECT_EQ(r.valore("-o"), "out");
    EXPECT_EQ(r.valore("--route"), "Val_mora");
    EXPECT_EQ(r.valore("--lang"), "it");  // the short form fills the long name
    EXPECT_TRUE(r.ha("--json"));
    EXPECT_FALSE(r.aiuto);
    // A value may itself start with a dash; the last of a repeated option wins.
    const cli::Argomenti s = analizza({"--route", "-x", "--route", "B", "--route="});
    EXPECT_EQ(s.valore("--route"), "");
    EXPECT_TRUE(analizza({"x", "-h"}).aiuto);
    EXPECT_FALSE(analizza({"--", "--help"}).aiuto);
}

TEST(Argomenti, UsageErrors) {
    struct Caso {
        std::vector<std::string> argomenti;
        const char* messaggio;
    };
    const Caso casi[] = {
        {{"--fast"}, "unknown option --fast"},
        {{"--fast=1"}, "unknown option --fast"},
        {{"-x"}, "unknown option -x"},
        {{"a", "-o"}, "-o needs a value"},
        {{"--route"}, "--route needs a value"},
        {{"--json=yes"}, "--json takes no value"},
    };
    for (const Caso& c : casi) {
        try {
            analizza(c.argomenti);
            ADD_FAILURE() << c.messaggio;
        } catch (const cli::ErroreUso& e) {
            EXPECT_EQ(std::string(e.what()), c.messaggio);
            EXPECT_EQ(e.comando(), "prova");
        }
    }
}

TEST(Argomenti, HelpOfEveryCommandListsEveryOptionOfItsTable) {
    for (const cli::Comando* c : cli::comandi()) {
        std::ostringstream out, err;
        ASSERT_EQ(cli::esegui({std::string(c->nome), "--help"}, out, err), cli::esito_pulito) << c->nome;
        EXPECT_EQ(out.str(), cli::aiuto_di(*c, Lingua::en));
        EXPECT_EQ(out.str().rfind("Usage: compattatore-cli " + std::string(c->nome), 0), 0u) << out.str();
        for (const Opzione& o : c->opzioni) {
            EXPECT_NE(out.str().find("  " + std::string(o.nome.empty() ? o.breve : o.nome)), std::string::npos)
                << c->nome << " " << o.nome;
        }
        std::ostringstream generale, e2;
        cli::esegui({"--help"}, generale, e2);
        EXPECT_NE(generale.str().find("  " + std::string(c->forma) + " "), std::string::npos) << c->nome;
    }
}

TEST(Argomenti, UsageErrorPointsToTheCommandsHelp) {
    struct Caso {
        std::vector<std::string> argomenti;
        const char* err;
    };
    const Caso casi[] = {
        {{"plot", "--bad"}, "compattatore-cli: unknown option --bad\nTry 'compattatore-cli plot --help'.\n"},
        {{"inspect"}, "compattatore-cli: inspect needs at least one FILE\nTry 'compattatore-cli inspect --help'.\n"},
        {{"check", "-o", "x", "a", "b"}, "compattatore-cli: unknown option -o\nTry 'compattatore-cli check --help'.\n"},
        {{"compila"}, "compattatore-cli: unknown command compila\nTry 'compattatore-cli --help'.\n"},
    };
    for (const Caso& c : casi) {
        std::ostringstream out, err;
        EXPECT_EQ(cli::esegui(c.argomenti, out, err), cli::esito_uso);
        EXPECT_EQ(err.str(), c.err);
        EXPECT_EQ(out.str(), "");
    }
}

}  // namespace
}  // namespace compattatore
