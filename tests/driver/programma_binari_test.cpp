// One real run of the program in a folder of its own: the binary files.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "tests/support/cartella_temporanea.hpp"

namespace {

namespace fs = std::filesystem;
using compattatore::prova::leggi_tutto;
const auto leggi = leggi_tutto;

unsigned byte_a(const std::string& s, std::size_t i) { return static_cast<unsigned char>(s.at(i)); }
int intero_a(const std::string& s, std::size_t i) {
    return static_cast<std::int16_t>(byte_a(s, i) | (byte_a(s, i + 1) << 8));
}
long lungo_a(const std::string& s, std::size_t i) {
    return static_cast<std::int32_t>(byte_a(s, i) | (byte_a(s, i + 1) << 8) | (byte_a(s, i + 2) << 16) |
                                     (static_cast<std::uint32_t>(byte_a(s, i + 3)) << 24));
}

class ProgrammaBinari : public ::testing::Test {
protected:
    void SetUp() override { fs::copy_file(COMPATTATORE_EXE, cartella_ / "compattatore"); }

    int esegui() {
        // Started from elsewhere: the program works in its own folder.
        const std::string comando = "cd / && '" + (cartella_ / "compattatore").string() + "' >/dev/null 2>&1";
        const int stato = std::system(comando.c_str());
        return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
    }

    compattatore::prova::CartellaTemporanea temporanea_;
    const fs::path cartella_ = temporanea_.percorso();
};

TEST_F(ProgrammaBinari, WritesTheSixFilesOfTheScenario) {
    const std::string linea = "Valmora PR_Valmora PF_linea.dat";
    const std::string voci = "Valmora PR_Valmora PF_5286.sim";
    const std::string percorso = "Valmora PR_Valmora PF_5286.dat";
    // An earlier, longer track file is replaced whole; another scenario's file stays.
    { std::ofstream(cartella_ / percorso, std::ios::binary) << std::string(40000, 'x'); }
    { std::ofstream(cartella_ / "Altro_1.dat", std::ios::binary) << "keep"; }

    ASSERT_EQ(esegui(), 0);

    std::set<std::string> nomi;
    for (const auto& e : fs::directory_iterator(cartella_)) nomi.insert(e.path().filename().string());
    const std::set<std::string> attesi = {
        "compattatore",
        "Altro_1.dat",
        linea,
        voci,
        percorso,
        "Valmora PR_Valmora PF_5286_note.txt",
        "Valmora PR_Valmora PF_5286_rallentamenti.txt",
        "Valmora PR_Valmora PF_5286_scheda_treno.txt",
    };
    EXPECT_EQ(nomi, attesi);
    EXPECT_EQ(leggi(cartella_ / "Altro_1.dat"), "keep");

    EXPECT_EQ(fs::file_size(cartella_ / linea), 1999964u);

    const std::string p = leggi(cartella_ / percorso);
    ASSERT_EQ(p.size(), 30015u);
    EXPECT_EQ(intero_a(p, 16), 5121);  // bytes 01 14
    EXPECT_EQ(intero_a(p, 18), 2320);
    // The signal at 86600 m: cell 1733.
    const std::size_t s = 25995;
    EXPECT_EQ(byte_a(p, s), 1u);
    EXPECT_EQ(intero_a(p, s + 1), 20);
    EXPECT_EQ(intero_a(p, s + 3), 30);
    EXPECT_EQ(intero_a(p, s + 5), 0);
    EXPECT_EQ(intero_a(p, s + 7), 6);
    EXPECT_EQ(byte_a(p, s + 9), 238u);
    EXPECT_EQ(byte_a(p, s + 12), 16u);   // 80 km/h
    EXPECT_EQ(byte_a(p, s + 13), 93u);   // -7 per mille
    EXPECT_EQ(byte_a(p, s + 14), 100u);  // adhesion

    // Entry 85: walk the records by their name lengths.
    const std::string v = leggi(cartella_ / voci);
    std::size_t r = 0;
    for (int i = 0; i < 85; ++i) r += 34 + static_cast<std::size_t>(intero_a(v, r + 14));
    const std::size_t n = static_cast<std::size_t>(intero_a(v, r + 14));
    EXPECT_EQ(v.substr(r + 16, n), "Valmora PR_Valmora PF");
    EXPECT_EQ(intero_a(v, r + 16 + n), 610);
    EXPECT_EQ(lungo_a(v, r + 30 + n), 31678);
    std::size_t fine = r + 34 + n;
    fine += 34 + static_cast<std::size_t>(intero_a(v, fine + 14));
    EXPECT_EQ(fine, v.size()) << "87 entries and nothing after them";
}

}  // namespace
