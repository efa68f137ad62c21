// The tool in Italian, as a user runs it: its usage errors, its help, its
// report, the words inside its JSON and SARIF documents; --lang or the
// environment choose; the files it writes stay the same bytes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "guida/spiegazioni.hpp"
#include "tests/support/cartella_temporanea.hpp"
#include "tests/support/processo.hpp"

namespace compattatore {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;
using prova::CartellaTemporanea;
using prova::Esecuzione;
using prova::leggi_tutto;
using prova::scrivi_tutto;

const std::string cli = COMPATTATORE_CLI_EXE;

// The locale variables for the life of the object: LANG as given (unset for
// nullptr), LC_ALL and LC_MESSAGES unset; the earlier values come back after.
class Ambiente {
public:
    explicit Ambiente(const char* lang) {
        for (const char* v : variabili) {
            const char* prima = std::getenv(v);
            prima_.push_back(prima ? std::optional<std::string>(prima) : std::nullopt);
            unsetenv(v);
        }
        if (lang != nullptr) setenv("LANG", lang, 1);
    }
    ~Ambiente() {
        for (std::size_t i = 0; i < prima_.size(); ++i) {
            if (prima_[i]) setenv(variabili[i], prima_[i]->c_str(), 1);
            else unsetenv(variabili[i]);
        }
    }
    Ambiente(const Ambiente&) = delete;
    Ambiente& operator=(const Ambiente&) = delete;

private:
    static constexpr const char* variabili[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::vector<std::optional<std::string>> prima_;
};

class Italiano : public ::testing::Test {
protected:
    Esecuzione esegui(const std::vector<std::string>& a, const char* lang = nullptr) {
        const Ambiente ambiente(lang);
        return prova::esegui(cli, a, dir.percorso());
    }
    CartellaTemporanea dir;
};

bool contiene(const std::string& testo, const std::string& parte) { return testo.find(parte) != std::string::npos; }

// What the front end says without reading a description.
TEST_F(Italiano, UsageErrorsHelpAndFileErrorsInTheLanguageOfTheRun) {
    struct Caso {
        const char* nome;
        std::vector<std::string> argomenti;
        const char* lang;  // LANG of the run; nullptr: none
        int stato;
        std::string inizio_out;          // what standard output starts with
        std::vector<std::string> out;    // pieces of standard output
        std::string err;                 // the whole of standard error
    };
    const Caso casi[] = {
        {"usage error",
         {"inspect", "--lang", "it"},
         nullptr,
         2,
         "",
         {},
         "compattatore-cli: inspect vuole almeno un FILE\nProva 'compattatore-cli inspect --help'.\n"},
        {"unknown option, --lang after it",
         {"plot", "--bad", "--lang", "it"},
         nullptr,
         2,
         "",
         {},
         "compattatore-cli: opzione sconosciuta: --bad\nProva 'compattatore-cli plot --help'.\n"},
        {"usage error with a value quoted",
         {"check", "a_linea.txt", "a_1-.txt", "--color", "spesso", "--lang=it"},
         nullptr,
         2,
         "",
         {},
         "compattatore-cli: --color vuole auto, always o never, non \"spesso\"\n"
         "Prova 'compattatore-cli check --help'.\n"},
        {"general help",
         {"--lang", "it", "--help"},
         nullptr,
         0,
         "Uso: compattatore-cli COMMAND [OPTIONS]\n",
         {"\nComandi:\n", "  check LINE TRAIN     legge e controlla le descrizioni, non scrive nulla\n",
          "  --lang LANG          prima di COMMAND: la lingua dei testi, it o en\n", "Stato d'uscita: 0 compilato"},
         ""},
        {"a command's help, one column of options",
         {"check", "--help", "--lang", "it"},
         nullptr,
         0,
         "Uso: compattatore-cli check LINE TRAIN",
         {"  -w               nessun avviso\n", "  --lang LANG      la lingua dei testi: it o en\n",
          "  --max-errors N   segnala al più N rifiuti (predefinito 20; ognuno dopo il\n"
          "                   primo si trova rileggendo senza le voci rifiutate)\n"},
         ""},
        {"help from LANG", {"fmt", "--help"}, "it_IT.UTF-8", 0, "Uso: compattatore-cli fmt FILE...", {"\nUn nome che"}, ""},
        {"file error from LANG",
         {"inspect", "manca.dat"},
         "it_IT.UTF-8",
         2,
         "",
         {},
         "compattatore-cli: non si può leggere manca.dat: il file non esiste\n"},
        {"--lang en over LANG",
         {"inspect", "--lang", "en"},
         "it_IT.UTF-8",
         2,
         "",
         {},
         "compattatore-cli: inspect needs at least one FILE\nTry 'compattatore-cli inspect --help'.\n"},
        {"an invalid --lang leaves the environment's",
         {"explain", "16", "--lang", "fr"},
         "it_IT.UTF-8",
         2,
         "",
         {},
         "compattatore-cli: --lang vuole it o en, non 'fr'\nProva 'compattatore-cli explain --help'.\n"},
        {"a missing description",
         {"compile", "Manca_linea.txt", "Manca_1-.txt", "--lang", "it"},
         nullptr,
         2,
         "",
         {},
         "compattatore-cli: non si può leggere Manca_linea.txt: il file non esiste\n"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const Esecuzione e = esegui(c.argomenti, c.lang);
        EXPECT_EQ(e.stato, c.stato) << e.err;
        EXPECT_EQ(e.err, c.err);
        EXPECT_EQ(e.out.rfind(c.inizio_out, 0), 0u) << e.out;
        for (const std::string& p : c.out) EXPECT_TRUE(contiene(e.out, p)) << p << " in:\n" << e.out;
    }
}

// Two boards on one cell (a refusal, and a warning for the metre off the
// grid), twice: the second refusal is found by reading again.
const std::string linea_rifiutata =
    "[generale]\r\nlunghezza percorso, 10000\r\n[fine]\r\ncartello_indicatore, 500, (A)\r\n"
    "cartello_indicatore, 510, (B)\r\ncartello_indicatore, 2000, (C)\r\ncartello_indicatore, 2010, (D)\r\n[fine]\r\n";
const std::string linea_buona =
    "[generale]\r\nlunghezza percorso, 10000\r\n[pendenze]\r\npendenza, 0, 0\r\n[fine]\r\n";
// A station without its name: its last value is taken from the next line.
const std::string treno_senza_nome =
    "[generale]\r\nvelocita, 0, 100\r\nstazione, 5000, 1, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0\r\n"
    "sabbia, 1\r\n[fine]\r\n";
const std::string treno_buono = "[generale]\r\nvelocita, 0, 100\r\naderenza, 0, 90\r\n[fine]\r\n";

TEST_F(Italiano, ReportOfAFaultyScenario) {
    scrivi_tutto(dir / "Prova_linea.txt", linea_rifiutata);
    scrivi_tutto(dir / "Prova_42-.txt", treno_buono);
    scrivi_tutto(dir / "Altra_linea.txt", linea_buona);
    scrivi_tutto(dir / "Altra_7-.txt", treno_senza_nome);
    struct Caso {
        const char* nome;
        std::vector<std::string> argomenti;
        int stato;
        std::vector<std::string> err;  // pieces of the report
    };
    const Caso casi[] = {
        {"refusals and a warning",
         {"check", "Prova_linea.txt", "Prova_42-.txt", "--lang", "it"},
         1,
         {"Prova_linea.txt:5:22: errore 6: ", " (510 m, cella 11)\n", " 5 | cartello_indicatore, 510, (B)\n",
          "Prova_linea.txt:5:22: avviso grid: ", "Prova_linea.txt:7:22: errore 6: ",
          "\nnota: trovato dopo il primo rifiuto, rileggendo il testo senza le voci rifiutate\n"}},
        {"a note of the tool's own",
         {"check", "Altra_linea.txt", "Altra_7-.txt", "--lang", "it"},
         0,
         {"Altra_7-.txt:3:1: avviso text-from-next-line: ", "\nnota: \"stazione\" vuole 17 valori: posizione, ",
          ", nome; quello preso dalla riga dopo è `nome`\n"}},
        {"nothing written",
         {"compile", "Prova_linea.txt", "Prova_42-.txt", "-o", "out", "--lang", "it"},
         1,
         {"Prova_linea.txt:5:22: errore 6: ", "\ncompattatore-cli: nessun file scritto\n"}},
        {"further refusals left out",
         {"check", "Prova_linea.txt", "Prova_42-.txt", "--max-errors", "1", "--lang", "it"},
         1,
         {"compattatore-cli: altri rifiuti non riportati (--max-errors)\n"}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const Esecuzione e = esegui(c.argomenti);
        EXPECT_EQ(e.stato, c.stato) << e.err;
        for (const std::string& p : c.err) EXPECT_TRUE(contiene(e.err, p)) << p << " in:\n" << e.err;
        // No word of the report's own stays English.
        for (const char* inglese : {": error ", ": warning ", "note:", "no file written"}) {
            EXPECT_FALSE(contiene(e.err, inglese)) << inglese << " in:\n" << e.err;
        }
    }
}

TEST_F(Italiano, MachineDocumentsKeepTheirKeysAndSeveritiesTheirWordsFollowTheLanguage) {
    scrivi_tutto(dir / "Prova_linea.txt", linea_rifiutata);
    scrivi_tutto(dir / "Prova_42-.txt", treno_buono);
    const Esecuzione e = esegui({"check", "Prova_linea.txt", "Prova_42-.txt", "--json", "--sarif", "log.sarif"},
                                "it_IT.UTF-8");
    ASSERT_EQ(e.stato, 1) << e.err;
    const Json doc = Json::parse(e.out);
    ASSERT_EQ(doc["diagnostics"].size(), 3u) << e.out;
    EXPECT_EQ(doc["diagnostics"][0]["severity"], "error");
    EXPECT_EQ(doc["diagnostics"][1]["severity"], "warning");
    EXPECT_EQ(doc["diagnostics"][1]["class"], "grid");
    EXPECT_EQ(doc["diagnostics"][2]["notes"].back(),
              "trovato dopo il primo rifiuto, rileggendo il testo senza le voci rifiutate");

    const Json log = Json::parse(leggi_tutto(dir / "log.sarif"));
    const Json& corsa = log["runs"][0];
    ASSERT_FALSE(corsa["tool"]["driver"]["rules"].empty());
    for (const Json& regola : corsa["tool"]["driver"]["rules"]) {
        const guida::Spiegazione* s = guida::spiegazione(regola["id"].get<std::string>());
        ASSERT_NE(s, nullptr) << regola.dump();
        EXPECT_EQ(regola["shortDescription"]["text"], std::string(s->titolo.it)) << regola.dump();
        EXPECT_TRUE(regola["defaultConfiguration"]["level"] == "error" ||
                    regola["defaultConfiguration"]["level"] == "warning");
    }
    const std::string ultimo = corsa["results"].back()["message"]["text"];
    EXPECT_TRUE(contiene(ultimo, "\nnota: trovato dopo il primo rifiuto")) << ultimo;
    EXPECT_EQ(corsa["results"].back()["level"], "error");

    // A usage error as a document: its kind stays English, its words do not.
    const Esecuzione u =
        esegui({"check", "Prova_linea.txt", "Prova_42-.txt", "--json", "--max-errors", "0", "--lang", "it"});
    EXPECT_EQ(u.stato, 2);
    const Json errore = Json::parse(u.out)["error"];
    EXPECT_EQ(errore["kind"], "usage");
    EXPECT_EQ(errore["message"], "--max-errors vuole un numero intero da 1 in su, non \"0\"");
}

// A finishing warning (a slowdown right after the signals) does not refuse:
// the files are written, and are the same bytes in either language.
TEST_F(Italiano, CompileWritesTheSameBytesInEitherLanguage) {
    scrivi_tutto(dir / "Prova_linea.txt", linea_buona);
    scrivi_tutto(dir / "Prova_42-.txt",
                 "[generale]\r\nvelocita, 0, 100\r\nsegnale, 1650, 1,1,1,0,0,0,0,0,0,0\r\n"
                 "segnale, 1700, 1,1,1,0,0,0,0,0,0,0\r\nsegnale, 1750, 1,1,1,0,0,0,0,0,0,0\r\n"
                 "rallentamento, 2000, 30, 400, 1, 1, 0\r\n[fine]\r\n");
    const Esecuzione it = esegui({"compile", "Prova_linea.txt", "Prova_42-.txt", "-o", "it", "--lang", "it"});
    const Esecuzione en = esegui({"compile", "Prova_linea.txt", "Prova_42-.txt", "-o", "en", "--lang", "en"});
    ASSERT_EQ(it.stato, 0) << it.err;
    ASSERT_EQ(en.stato, 0) << en.err;
    EXPECT_TRUE(contiene(it.err, ": avviso 12: ")) << it.err;
    EXPECT_TRUE(contiene(en.err, ": warning 12: ")) << en.err;
    for (const char* nome : {"Prova_linea.dat", "Prova_42.sim", "Prova_42.dat"}) {
        SCOPED_TRACE(nome);
        ASSERT_TRUE(fs::exists(dir / "it" / nome));
        EXPECT_EQ(leggi_tutto(dir / "it" / nome), leggi_tutto(dir / "en" / nome));
    }
}

}  // namespace
}  // namespace compattatore
