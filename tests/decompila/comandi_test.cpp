// The decompile and fmt commands as processes: the main program's files back
// to texts that compile to the same bytes; damaged and edited files refused
// with the words; fmt --check and --in-place.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/processo.hpp"

namespace compattatore::prova {
namespace {

namespace fs = std::filesystem;

const std::string linea_dat = "Valmora PR_Valmora PF_linea.dat";
const std::string voci_sim = "Valmora PR_Valmora PF_5286.sim";
const std::string percorso_dat = "Valmora PR_Valmora PF_5286.dat";

std::string leggi(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

void scrivi(const fs::path& p, const std::string& b) { std::ofstream(p, std::ios::binary) << b; }

class Comandi : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy_file(COMPATTATORE_EXE, dir / "compattatore");
        ASSERT_EQ(esegui((dir / "compattatore").string(), {}, dir.percorso()).stato, 0);
    }
    Esecuzione cli(const std::vector<std::string>& a) { return esegui(COMPATTATORE_CLI_EXE, a, dir.percorso()); }
    CartellaTemporanea dir;
};

TEST_F(Comandi, DecompileCompileDannoGliStessiByte) {
    for (bool con_plan : {true, false}) {
        std::vector<std::string> a{"decompile", voci_sim, percorso_dat, "-o", "testi/nuova"};
        if (con_plan) a.insert(a.begin() + 1, linea_dat);
        const Esecuzione d = cli(a);
        ASSERT_EQ(d.stato, 0) << d.err;
        fs::create_directories(dir / "out");
        const Esecuzione c = cli({"compile", "testi/nuova/Valmora PR_Valmora PF_linea.txt",
                                  "testi/nuova/Valmora PR_Valmora PF_5286-.txt", "-o", "out"});
        ASSERT_EQ(c.stato, 0) << c.err;
        EXPECT_EQ(leggi(dir / "out" / voci_sim), leggi(dir / voci_sim));
        EXPECT_EQ(leggi(dir / "out" / percorso_dat), leggi(dir / percorso_dat));
        if (con_plan) {
            EXPECT_EQ(leggi(dir / "out" / linea_dat), leggi(dir / linea_dat));
        } else {
            EXPECT_NE(leggi(dir / "testi/nuova/Valmora PR_Valmora PF_linea.txt").find("- senza il file"),
                      std::string::npos);
        }
        // What decompile writes is already in the canonical layout.
        EXPECT_EQ(cli({"fmt", "--check", "testi/nuova/Valmora PR_Valmora PF_linea.txt",
                       "testi/nuova/Valmora PR_Valmora PF_5286-.txt"}).stato, 0);
    }
}

// Edited or damaged files: exit 1, the words, nothing written.
TEST_F(Comandi, FileCheNessunaDescrizioneDà) {
    const std::string originale = leggi(dir / percorso_dat);
    struct Caso {
        const char* nome;
        std::size_t offset;
        char byte;
        const char* parole;
    };
    const Caso casi[] = {
        // preavviso of cell 900: an approach mark that no signal or station gives
        {"mark", 15 * 900 + 10, 99, "at 45000 m (cell 900), track file: preavviso holds 99"},
        // a code point of value 0
        {"code", 15 * 700, 12, "at 35000 m (cell 700), track file: tipo holds 12"},
        // the file mark
        {"mark 5121", 15 + 1, 0, "5121"},
    };
    for (const Caso& c : casi) {
        std::string b = originale;
        b[c.offset] = c.byte;
        scrivi(dir / percorso_dat, b);
        const Esecuzione e = cli({"decompile", voci_sim, percorso_dat, "-o", std::string("t_") + c.nome});
        EXPECT_EQ(e.stato, 1) << c.nome;
        EXPECT_NE(e.err.find(c.parole), std::string::npos) << c.nome << ": " << e.err;
        EXPECT_NE(e.err.find("no file written"), std::string::npos) << c.nome;
        EXPECT_FALSE(fs::exists(dir / (std::string("t_") + c.nome) / "Valmora PR_Valmora PF_linea.txt")) << c.nome;
    }
    scrivi(dir / percorso_dat, originale.substr(0, 100));
    const Esecuzione corto = cli({"decompile", voci_sim, percorso_dat});
    EXPECT_EQ(corto.stato, 1);
    EXPECT_NE(corto.err.find(percorso_dat), std::string::npos) << corto.err;
}

TEST_F(Comandi, FmtCheckEInPlace) {
    scrivi(dir / "a_linea.txt", "[generale]\r\nlunghezza percorso,1000\r\n[pendenze]\r\npendenza,0,0\r\n"
                                "pendenza,  500,   3\r\n[fine]\r\n");
    const Esecuzione c = cli({"fmt", "--check", "a_linea.txt"});
    EXPECT_EQ(c.stato, 1);
    EXPECT_NE(c.err.find("a_linea.txt: not formatted"), std::string::npos) << c.err;
    const Esecuzione out = cli({"fmt", "a_linea.txt"});
    EXPECT_EQ(out.stato, 0);
    EXPECT_EQ(out.out, "[generale]\r\nlunghezza percorso,  1000\r\n[pendenze]\r\npendenza,    0,  0\r\n"
                       "pendenza,  500,  3\r\n[fine]\r\n");
    EXPECT_EQ(cli({"fmt", "--in-place", "a_linea.txt"}).stato, 0);
    EXPECT_EQ(leggi(dir / "a_linea.txt"), out.out);
    EXPECT_EQ(cli({"fmt", "--check", "a_linea.txt"}).stato, 0);
}

}  // namespace
}  // namespace compattatore::prova
