// The layer check on small source trees: an include that runs the wrong way,
// a cycle between folders, a folder outside the table each fail with the file
// and line; includes within the table pass.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/cartella_temporanea.hpp"
#include "tests/support/processo.hpp"

namespace compattatore {
namespace {

struct CasoStrati {
    const char* nome;
    std::vector<std::pair<std::string, std::string>> file;  // path, the one include it holds ("" for none)
    const char* errore;                                       // a part of the message, nullptr when it passes
};

TEST(ControllaStrati, IncludesAgainstTheTable) {
    const CasoStrati casi[] = {
        {"downwards", {{"model/a.hpp", ""}, {"formato/b.hpp", "model/a.hpp"}}, nullptr},
        {"through the layers below", {{"model/a.hpp", ""}, {"driver/r.cpp", "model/a.hpp"}}, nullptr},
        {"the mains use the run order",
         {{"driver/r.hpp", ""}, {"platform/posix/main_posix.cpp", "driver/r.hpp"}},
         nullptr},
        {"the tests use anything", {{"model/a.hpp", ""}, {"tests/model/a_test.cpp", "cli/c.hpp"}}, nullptr},
        {"upwards",
         {{"model/a.hpp", "formato/b.hpp"}, {"formato/b.hpp", ""}},
         "model/a.hpp:1: includes \"formato/b.hpp\" of layer formato"},
        {"driver/base is not driver",
         {{"driver/base/b.hpp", "driver/r.hpp"}, {"driver/r.hpp", ""}},
         "driver/base/b.hpp:1: includes \"driver/r.hpp\" of layer driver"},
        {"a shell is not a main",
         {{"platform/f.cpp", "driver/r.hpp"}, {"driver/r.hpp", ""}},
         "platform/f.cpp:1: includes \"driver/r.hpp\" of layer driver"},
        {"a cycle inside one layer",
         {{"describe/a.hpp", "documents/b.hpp"}, {"documents/b.hpp", "describe/a.hpp"}},
         "cycle between folders"},
        {"a folder outside the table", {{"nuovo/x.cpp", ""}}, "the folder nuovo/ is in no layer"},
        {"an include of no layer's file", {{"model/a.cpp", "tests/support/x.hpp"}}, "model/a.cpp:1: includes"},
    };
    for (const CasoStrati& k : casi) {
        SCOPED_TRACE(k.nome);
        prova::CartellaTemporanea albero;
        for (const auto& [percorso, incluso] : k.file) {
            const std::filesystem::path p = albero / percorso;
            std::filesystem::create_directories(p.parent_path());
            std::ofstream f(p);
            if (!incluso.empty()) f << "#include \"" << incluso << "\"\n";
            f << "int x;\n";
        }
        const prova::Esecuzione e =
            prova::esegui("bash", {COMPATTATORE_CONTROLLA_STRATI, albero.percorso().string()}, albero.percorso());
        if (k.errore == nullptr) {
            EXPECT_EQ(e.stato, 0) << e.err;
        } else {
            EXPECT_EQ(e.stato, 1);
            EXPECT_NE(e.err.find(k.errore), std::string::npos) << e.err;
        }
    }
}

}  // namespace
}  // namespace compattatore
