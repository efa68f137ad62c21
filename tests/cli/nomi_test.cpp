// Route names and train numbers that would name a file outside the output
// folder, or one Windows cannot create, are refused; ordinary ones pass.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "formato/nomi_file.hpp"
#include "tests/support/cartella_temporanea.hpp"
#include "tests/support/processo.hpp"

namespace compattatore::cli {
namespace {

struct CasoNome {
    std::string nome;
    const char* perche;  // a part of the reason, or nullptr when the name is valid
};

// The case's name as a test name: whether it is valid, then the name with
// letters and digits kept and every other byte as _HH (so "a/b" is
// "rifiutato_a_2Fb" and no two names meet).
std::string nome_del_caso(const ::testing::TestParamInfo<CasoNome>& i) {
    static constexpr char cifre[] = "0123456789ABCDEF";
    std::string n = i.param.perche == nullptr ? "valido" : "rifiutato";
    n += '_';
    if (i.param.nome.empty()) n += "vuoto";
    for (const char ch : i.param.nome) {
        const auto b = static_cast<unsigned char>(ch);
        if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9')) {
            n += ch;
        } else {
            n += '_';
            n += cifre[b >> 4];
            n += cifre[b & 0xF];
        }
    }
    return n;
}

void PrintTo(const CasoNome& c, std::ostream* os) { *os << ::testing::PrintToString(c.nome); }

class NomeNonValido : public ::testing::TestWithParam<CasoNome> {};

TEST_P(NomeNonValido, RefusesWhatCannotNameAFileInTheFolder) {
    const CasoNome& c = GetParam();
    const std::optional<std::string> r = nome_non_valido(c.nome);
    if (c.perche == nullptr) {
        EXPECT_EQ(r, std::nullopt) << *r;
    } else {
        ASSERT_TRUE(r.has_value()) << "accepted: " << c.nome;
        EXPECT_NE(r->find(c.perche), std::string::npos) << *r;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Nomi, NomeNonValido,
    ::testing::Values(
        // Valid: letters, blanks, dots, underscores, digits, bytes above 127.
        CasoNome{"Valmora PR_Valmora PF", nullptr}, CasoNome{"5286", nullptr}, CasoNome{"A.B", nullptr},
        CasoNome{"Citt\xe0 alta", nullptr}, CasoNome{"-x", nullptr},
        // Empty.
        CasoNome{"", "empty"},
        // Leaving the folder.
        CasoNome{"..", "\"..\""}, CasoNome{"a..b", "\"..\""}, CasoNome{"../fuori", "\"..\""},
        CasoNome{"a/b", "path separator"}, CasoNome{"/assoluto", "path separator"},
        CasoNome{"a\\b", "path separator"}, CasoNome{"C:nome", "Windows forbids"},
        // Control characters, the first and last of them and DEL.
        CasoNome{std::string("a\0b", 3), "control"}, CasoNome{"a\nb", "control"}, CasoNome{"a\x1f", "control"},
        CasoNome{"a\x7f", "control"},
        // The other characters Windows forbids.
        CasoNome{"a<b", "'<'"}, CasoNome{"a>b", "'>'"}, CasoNome{"a\"b", "'\"'"}, CasoNome{"a|b", "'|'"},
        CasoNome{"a?b", "'?'"}, CasoNome{"a*b", "'*'"}),
    nome_del_caso);

// Texts inside the descriptions (board texts, station names) that look like
// paths name no file: the files written are the three named from the route
// and the train, in the output folder, and nothing else appears anywhere.
TEST(NomiDalleDescrizioni, NoTextOfADescriptionNamesAFile) {
    namespace fs = std::filesystem;
    prova::CartellaTemporanea dir;
    fs::create_directories(dir / "in");
    fs::create_directories(dir / "out");
    prova::scrivi_tutto(dir / "in" / "Prova_linea.txt",
                        "[generale]\r\nlunghezza percorso, 10000\r\n[fine]\r\n"
                        "cartello_indicatore, 500, ../../fuori_linea.dat\r\n"
                        "cartello_indicatore, 1000, /tmp/assoluto.sim\r\n[fine]\r\n");
    prova::scrivi_tutto(dir / "in" / "Prova_42-.txt",
                        "[generale]\r\nvelocita, 0, 100\r\naderenza, 0, 90\r\n"
                        "stazione, 5000, 1, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, ../../Altro_1.dat\r\n[fine]\r\n");
    const prova::Esecuzione e =
        prova::esegui(COMPATTATORE_CLI_EXE, {"compile", "in/Prova_linea.txt", "in/Prova_42-.txt", "-o", "out"},
                      dir.percorso());
    ASSERT_EQ(e.stato, 0) << e.err;
    std::vector<std::string> tutti;
    for (const auto& f : fs::recursive_directory_iterator(dir.percorso())) {
        tutti.push_back(fs::relative(f.path(), dir.percorso()).generic_string());
    }
    std::sort(tutti.begin(), tutti.end());
    EXPECT_EQ(tutti, (std::vector<std::string>{"in", "in/Prova_42-.txt", "in/Prova_linea.txt", "out",
                                               "out/Prova_42.dat", "out/Prova_42.sim", "out/Prova_linea.dat"}));
    EXPECT_FALSE(fs::exists(fs::temp_directory_path() / "assoluto.sim"));
}

}  // namespace
}  // namespace compattatore::cli
