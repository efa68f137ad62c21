// Route names and train numbers that would name a file outside the output
// folder, or one Windows cannot create, are refused; ordinary ones pass.
#include <gtest/gtest.h>

#include <string>

#include "cli/nomi.hpp"

namespace compattatore::cli {
namespace {

struct CasoNome {
    std::string nome;
    const char* perche;  // a part of the reason, or nullptr when the name is valid
};

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
        CasoNome{"a?b", "'?'"}, CasoNome{"a*b", "'*'"}));

}  // namespace
}  // namespace compattatore::cli
