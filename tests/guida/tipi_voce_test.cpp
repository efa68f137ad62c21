// The table of entry kinds against the readers, and the two authors'
// references against the table and the readers.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "guida/tipi_voce.hpp"
#include "readers/memorizza_dati.hpp"

namespace compattatore::guida {
namespace {

const std::filesystem::path sorgenti = COMPATTATORE_SORGENTI;

std::string leggi_file(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    EXPECT_TRUE(f) << p;
    std::ostringstream o;
    o << f.rdbuf();
    return o.str();
}

bool del_treno(Parte p) { return p == Parte::treno_generale || p == Parte::treno_elementi; }

// The keyword words a reader source tests a keyword field for, each with
// whether the test is case-exact: the literals of its contiene and
// contiene_esatto calls on a field, and of the progressive lambda.
std::map<std::string, bool> parole_del_lettore(const std::string& sorgente) {
    std::map<std::string, bool> parole;
    static const std::regex prova(R"re(contiene(_esatto)?\(\s*(campo|campi_?\.campo_testo\(\))\s*,\s*"([^"]+)"\))re");
    for (auto it = std::sregex_iterator(sorgente.begin(), sorgente.end(), prova); it != std::sregex_iterator(); ++it) {
        parole[(*it)[3].str()] = (*it)[1].matched;
    }
    static const std::regex progressiva(R"re(progressiva\("([a-z]+)")re");
    for (auto it = std::sregex_iterator(sorgente.begin(), sorgente.end(), progressiva);
         it != std::sregex_iterator(); ++it) {
        parole[(*it)[1].str()] = true;  // contiene_esatto(campo, quale)
    }
    // Keep the words: punctuation ("-", "[", "]"), headings and the
    // one-character modifiers of a curve or cab-signal keyword are no entry.
    std::erase_if(parole, [](const auto& p) {
        const std::string& w = p.first;
        return w.size() < 3 || !std::all_of(w.begin(), w.end(), [](unsigned char c) {
            return std::islower(c) || c == '_';
        });
    });
    return parole;
}

struct Lettore {
    const char* file;
    bool treno;
};
constexpr Lettore lettori[] = {{"readers/lettura_linea.cpp", false}, {"readers/lettura_treno.cpp", true}};

TEST(TipiVoce, EveryKeywordOfTheReadersIsInTheTableWithItsCaseRule) {
    for (const Lettore& l : lettori) {
        const auto parole = parole_del_lettore(leggi_file(sorgenti / l.file));
        ASSERT_TRUE(parole.contains(l.treno ? "stazione" : "lunghezza")) << l.file << ": the scan found nothing";
        for (const auto& [parola, esatta] : parole) {
            bool trovata = false;
            for (const TipoVoce& t : tipi_voce()) {
                if (del_treno(t.parte) != l.treno) continue;
                for (std::string_view p : t.parole) {
                    if (p != parola) continue;
                    trovata = true;
                    EXPECT_EQ(t.confronto == Confronto::esatto, esatta) << t.parola_chiave << ": " << parola;
                }
            }
            EXPECT_TRUE(trovata) << l.file << " tests \"" << parola << "\", which no kind of the table holds";
        }
    }
}

TEST(TipiVoce, EveryWordOfTheTableIsOneTheReaderTests) {
    for (const TipoVoce& t : tipi_voce()) {
        const std::string sorgente = leggi_file(sorgenti / lettori[del_treno(t.parte) ? 1 : 0].file);
        for (std::string_view p : t.parole) {
            EXPECT_NE(sorgente.find("\"" + std::string(p) + "\""), std::string::npos)
                << t.parola_chiave << ": \"" << p << "\" is not a literal of its reader";
        }
    }
}

bool nome_campo(std::string_view n) {
    return !n.empty() && std::all_of(n.begin(), n.end(), [](unsigned char c) {
        return std::islower(c) || std::isdigit(c) || c == '_';
    });
}

TEST(TipiVoce, EveryTextInBothLanguagesAndEveryFieldNamedOnce) {
    const auto completo = [](const Testo& t) { return !t.it.empty() && !t.en.empty(); };
    std::set<std::string_view> chiavi;
    for (const TipoVoce& t : tipi_voce()) {
        SCOPED_TRACE(std::string(t.parola_chiave));
        EXPECT_TRUE(chiavi.insert(t.parola_chiave).second);
        EXPECT_FALSE(t.parole.empty());
        EXPECT_TRUE(completo(t.nome));
        EXPECT_TRUE(completo(t.significato));
        EXPECT_NE(t.significato.it, t.significato.en);
        EXPECT_FALSE(t.campi.empty());
        std::set<std::string_view> nomi;
        for (const Campo& c : t.campi) {
            EXPECT_TRUE(nome_campo(c.nome)) << c.nome;
            EXPECT_TRUE(nomi.insert(c.nome).second) << c.nome << " twice";
            EXPECT_TRUE(completo(c.intervallo)) << c.nome;
            EXPECT_TRUE(completo(c.significato)) << c.nome;
        }
        EXPECT_TRUE(completo({nome_parte(t.parte, Lingua::it), nome_parte(t.parte, Lingua::en)}));
    }
    for (const Intestazione& i : intestazioni()) EXPECT_TRUE(completo(i.significato)) << i.testo;
}

// The keyword field of an entry line: up to its first comma.
std::string_view chiave(std::string_view riga) { return riga.substr(0, riga.find(',')); }

TEST(TipiVoce, KeywordFieldsAreRecognisedAsTheReadersDo) {
    for (const TipoVoce& t : tipi_voce()) {
        EXPECT_EQ(tipo_per_parola(chiave(t.esempio), t.parte), &t) << t.esempio;
        EXPECT_EQ(tipo_per_nome(t.parola_chiave), &t);
    }
    struct Caso {
        const char* campo;
        Parte parte;
        const char* tipo;  // nullptr: ignored
    };
    const Caso casi[] = {
        {"LUNGHEZZA PERCORSO", Parte::linea_generale, "lunghezza percorso"},
        {"Sfondo uno", Parte::linea_generale, nullptr},
        {"Ripetizione segnali 4 codici", Parte::linea_generale, nullptr},
        {"sfondo due", Parte::linea_elementi, nullptr},
        {"pendenza", Parte::linea_generale, nullptr},
        {"[curve]", Parte::linea_elementi, nullptr},
        {"[indicazioni]", Parte::linea_elementi, nullptr},
        {"CURVAD6", Parte::linea_elementi, "curva"},
        {"Cartello indicatore km", Parte::linea_elementi, "cartello_indicatore"},
        {"[stazioni]", Parte::treno_elementi, nullptr},
        {"[vel_limite]", Parte::treno_elementi, nullptr},
        {"VELOCITÀ", Parte::treno_elementi, "velocita"},
        {"vetture", Parte::treno_elementi, "numero vetture"},
        {"segnale", Parte::treno_generale, "segnale"},
        {"massa", Parte::treno_generale, nullptr},
    };
    for (const Caso& c : casi) {
        const TipoVoce* t = tipo_per_parola(c.campo, c.parte);
        if (c.tipo == nullptr) {
            EXPECT_EQ(t, nullptr) << c.campo;
        } else {
            ASSERT_NE(t, nullptr) << c.campo;
            EXPECT_EQ(t->parola_chiave, c.tipo) << c.campo;
        }
    }
}

// The tables a reading leaves, to see whether an entry changed anything.
struct Tabelle {
    Voci voci;
    std::vector<Cella> percorso;
    std::vector<double> xs, ys;
    std::vector<Diagnostica> diagnostiche;
    bool operator==(const Tabelle&) const = default;
};

Tabelle leggi(const std::string& linea, const std::string& treno) {
    Scenario s;
    s.scrivi_linea = 1;
    memorizza_dati(s, Descrizioni{linea, treno});
    const PuntiPlanimetria p = s.planimetria.punti();
    return {s.voci, s.percorso, p.xs, p.ys, s.diagnostiche};
}

std::string testo_diagnostiche(const std::vector<Diagnostica>& d) {
    std::string t;
    for (const Diagnostica& x : d) t += std::to_string(x.numero()) + " " + x.messaggio.en() + "; ";
    return t;
}

TEST(TipiVoce, EveryExampleOfTheTableTakesEffectWithoutAProblem) {
    const std::string generale = "[generale]\r\nlunghezza percorso, 100000\r\n";
    const std::string base_linea = generale + "[curve]\r\n[fine]\r\n";
    const std::string base_treno = "[generale]\r\n[fine]\r\n";
    const Tabelle base = leggi(base_linea, base_treno);
    ASSERT_TRUE(base.diagnostiche.empty()) << testo_diagnostiche(base.diagnostiche);
    for (const TipoVoce& t : tipi_voce()) {
        const std::string riga = std::string(t.esempio) + "\r\n";
        std::string linea = base_linea;
        std::string treno = base_treno;
        switch (t.parte) {
            case Parte::linea_generale: linea = generale + riga + "[curve]\r\n[fine]\r\n"; break;
            case Parte::linea_elementi: linea = generale + "[curve]\r\n" + riga + "[fine]\r\n"; break;
            default: treno = "[generale]\r\n" + riga + "[fine]\r\n"; break;
        }
        const Tabelle letto = leggi(linea, treno);
        EXPECT_TRUE(letto.diagnostiche.empty()) << t.esempio << ": " << testo_diagnostiche(letto.diagnostiche);
        EXPECT_FALSE(letto == base) << t.esempio << " changed nothing";
    }
}

// A reference: its text and, for each "### `keyword`" heading, the field
// names of the rows of the tables under it, in order.
struct Riferimento {
    std::string testo;
    std::map<std::string, std::vector<std::string>> campi;
};

Riferimento riferimento(const char* nome) {
    Riferimento r{leggi_file(sorgenti / "docs" / nome), {}};
    std::istringstream righe(r.testo);
    std::string riga;
    std::string sezione;
    static const std::regex titolo(R"(^### `([^`]+)`.*)");
    static const std::regex campo(R"(^\| `([a-z0-9_]+)` \|.*)");
    std::smatch m;
    while (std::getline(righe, riga)) {
        if (std::regex_match(riga, m, titolo)) {
            sezione = m[1].str();
            r.campi[sezione];
        } else if (riga.starts_with("#")) {
            sezione.clear();
        } else if (!sezione.empty() && std::regex_match(riga, m, campo)) {
            r.campi[sezione].push_back(m[1].str());
        }
    }
    return r;
}

constexpr const char* riferimenti[] = {"format.md", "formato.md"};

TEST(Riferimenti, EveryKindWithItsFieldsInTheTableOrder) {
    for (const char* nome : riferimenti) {
        SCOPED_TRACE(nome);
        const Riferimento r = riferimento(nome);
        for (const TipoVoce& t : tipi_voce()) {
            const auto it = r.campi.find(std::string(t.parola_chiave));
            ASSERT_NE(it, r.campi.end()) << "no section for " << t.parola_chiave;
            std::vector<std::string> attesi;
            for (const Campo& c : t.campi) attesi.emplace_back(c.nome);
            EXPECT_EQ(it->second, attesi) << t.parola_chiave;
        }
        for (const Intestazione& i : intestazioni()) {
            EXPECT_NE(r.testo.find(std::string(i.testo)), std::string::npos) << i.testo;
        }
    }
}

// Every word of a reader stands, as written, inside a `code` span.
TEST(Riferimenti, EveryKeywordTheReadersTestIsNamed) {
    for (const char* nome : riferimenti) {
        const std::string testo = riferimento(nome).testo;
        std::vector<std::string> codice;
        static const std::regex span("`([^`\n]+)`");
        for (auto it = std::sregex_iterator(testo.begin(), testo.end(), span); it != std::sregex_iterator(); ++it) {
            codice.push_back((*it)[1].str());
        }
        for (const Lettore& l : lettori) {
            for (const auto& voce : parole_del_lettore(leggi_file(sorgenti / l.file))) {
                const std::string& parola = voce.first;
                const bool nominata = std::any_of(codice.begin(), codice.end(), [&](const std::string& c) {
                    return c.find(parola) != std::string::npos;
                });
                EXPECT_TRUE(nominata) << nome << ": \"" << parola << "\"";
            }
        }
    }
}

// The fenced examples of a reference whose info string is `linea` or
// `treno`, with CR LF line ends.
std::vector<std::pair<std::string, std::string>> esempi(const std::string& testo) {
    std::vector<std::pair<std::string, std::string>> v;
    std::istringstream righe(testo);
    std::string riga;
    std::string tipo;
    std::string corpo;
    bool dentro = false;
    while (std::getline(righe, riga)) {
        if (!dentro && (riga == "```linea" || riga == "```treno")) {
            dentro = true;
            tipo = riga.substr(3);
            corpo.clear();
        } else if (dentro && riga == "```") {
            dentro = false;
            v.emplace_back(tipo, corpo);
        } else if (dentro) {
            corpo += riga + "\r\n";
        }
    }
    return v;
}

TEST(Riferimenti, EveryExampleDescriptionReadsWithoutAProblem) {
    for (const char* nome : riferimenti) {
        SCOPED_TRACE(nome);
        const auto v = esempi(riferimento(nome).testo);
        // The first line example is the line under every train example.
        const auto prima = std::find_if(v.begin(), v.end(), [](const auto& e) { return e.first == "linea"; });
        ASSERT_NE(prima, v.end());
        ASSERT_NE(std::find_if(v.begin(), v.end(), [](const auto& e) { return e.first == "treno"; }), v.end());
        for (const auto& [tipo, corpo] : v) {
            const Tabelle t = tipo == "linea" ? leggi(corpo, "[generale]\r\n[fine]\r\n") : leggi(prima->second, corpo);
            EXPECT_TRUE(t.diagnostiche.empty()) << corpo << testo_diagnostiche(t.diagnostiche);
            EXPECT_FALSE(t.percorso.empty()) << corpo;
        }
    }
}

}  // namespace
}  // namespace compattatore::guida
