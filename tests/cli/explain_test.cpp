// explain through the tool's front end, and the choice of language.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "cli/lingua.hpp"
#include "guida/spiegazioni.hpp"
#include "model/stato.hpp"

namespace compattatore {
namespace {

struct Esito {
    int codice;
    std::string out;
    std::string err;
};

Esito esegui(const std::vector<std::string>& a) {
    std::ostringstream out;
    std::ostringstream err;
    const int c = cli::esegui(a, out, err);
    return {c, out.str(), err.str()};
}

// The first line, with the header's wrapping undone.
std::string testa(const std::string& testo) {
    std::string r = testo.substr(0, testo.find("\n\n"));
    for (char& c : r) {
        if (c == '\n') c = ' ';
    }
    return r;
}

TEST(Explain, AnswersForEveryStatusAndClassInBothLanguages) {
    for (const VoceCatalogo& v : catalogo()) {
        const guida::Spiegazione* s = guida::spiegazione(v.nome);
        ASSERT_NE(s, nullptr) << v.nome;
        std::vector<std::string> richieste{std::string(v.nome)};
        if (v.numero != 0) richieste.push_back(std::to_string(v.numero));
        for (const std::string& r : richieste) {
            for (const auto& [lingua, codice] : {std::pair{guida::Lingua::en, "en"}, std::pair{guida::Lingua::it, "it"}}) {
                SCOPED_TRACE(r + " " + codice);
                const Esito e = esegui({"explain", r, "--lang", codice});
                ASSERT_EQ(e.codice, cli::esito_pulito) << e.err;
                EXPECT_EQ(e.err, "");
                const std::string prima = testa(e.out);
                EXPECT_NE(prima.find(std::string(v.nome)), std::string::npos);
                EXPECT_NE(prima.find(std::string(s->titolo.in(lingua))), std::string::npos) << prima;
                EXPECT_NE(e.out.find(lingua == guida::Lingua::it ? "Come correggere:" : "How to fix it:"),
                          std::string::npos);
            }
        }
    }
}

TEST(Explain, ListAndRefusals) {
    const Esito elenco = esegui({"explain", "--list"});
    ASSERT_EQ(elenco.codice, cli::esito_pulito);
    for (const VoceCatalogo& v : catalogo()) EXPECT_NE(elenco.out.find(std::string(v.nome)), std::string::npos);

    struct Caso {
        std::vector<std::string> argomenti;
        const char* messaggio;
    };
    const Caso casi[] = {
        {{"explain"}, "explain needs one STATUS"},
        {{"explain", "14"}, "no status or class '14'"},
        {{"explain", "0"}, "no status or class '0'"},
        {{"explain", "16x"}, "no status or class '16x'"},
        {{"explain", "16", "17"}, "explain needs one STATUS"},
        {{"explain", "16", "--lang", "fr"}, "--lang takes it or en, not 'fr'"},
        {{"--lang", "de", "explain", "16"}, "--lang takes it or en, not 'de'"},
        {{"--lang"}, "--lang needs a value"},
        {{"--lang", "it_IT", "explain", "16"}, "--lang takes it or en, not 'it_IT'"},
        {{"explain", "--list", "16"}, "takes no STATUS"},
    };
    for (const Caso& c : casi) {
        const Esito e = esegui(c.argomenti);
        EXPECT_EQ(e.codice, cli::esito_uso) << c.messaggio;
        EXPECT_NE(e.err.find(c.messaggio), std::string::npos) << e.err;
        EXPECT_EQ(e.out, "");
    }
}

// --lang before the command holds for it; the command's own --lang wins.
TEST(Explain, LanguageBeforeTheCommand) {
    EXPECT_NE(esegui({"--lang", "it", "explain", "16"}).out.find("Come correggere:"), std::string::npos);
    EXPECT_NE(esegui({"--lang=it", "explain", "16"}).out.find("Come correggere:"), std::string::npos);
    EXPECT_NE(esegui({"--lang", "it", "explain", "16", "--lang", "en"}).out.find("How to fix it:"), std::string::npos);
    // Commands without texts of their own take it too.
    EXPECT_EQ(esegui({"--lang", "it", "explain", "--help"}).codice, cli::esito_pulito);
    EXPECT_EQ(esegui({"--lang", "en", "fmt", "--help"}).codice, cli::esito_pulito);
}

TEST(Lingua, FromTheEnvironment) {
    struct Caso {
        std::map<std::string, std::string> ambiente;
        guida::Lingua attesa;
    };
    using enum guida::Lingua;
    const Caso casi[] = {
#ifndef _WIN32
        {{}, en},  // on Windows: the user's interface language
#endif
        {{{"LANG", "it_IT.UTF-8"}}, it},
        {{{"LANG", "it"}}, it},
        {{{"LANG", "it-IT"}}, it},
        {{{"LANG", "en_GB.UTF-8"}}, en},
        {{{"LANG", "C"}}, en},
        {{{"LANG", "italian"}}, en},  // not a locale name of Italian
        {{{"LANG", ""}, {"LC_MESSAGES", ""}}, en},
        {{{"LANG", "en_US"}, {"LC_MESSAGES", "it_IT"}}, it},
        {{{"LANG", "it_IT"}, {"LC_MESSAGES", "C"}}, en},  // the first one set decides
        {{{"LC_ALL", "it_CH.UTF-8"}, {"LC_MESSAGES", "en_US"}}, it},
        {{{"LC_ALL", ""}, {"LC_MESSAGES", "it_IT@euro"}}, it},
    };
    for (const Caso& c : casi) {
        const auto leggi = [&](const char* nome) -> const char* {
            const auto it = c.ambiente.find(nome);
            return it == c.ambiente.end() ? nullptr : it->second.c_str();
        };
        std::string tracce;
        for (const auto& [k, v] : c.ambiente) tracce += k + "=" + v + " ";
        SCOPED_TRACE(tracce);
        EXPECT_EQ(cli::lingua_da_ambiente(leggi), c.attesa);
    }
}

}  // namespace
}  // namespace compattatore
