// The catalogues of messages: every message of every layer has both
// wordings, and the two use the same placeholders, so that no argument is
// lost or invented in either language.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/messaggio.hpp"

namespace compattatore {
namespace {

constexpr Modello tutti[] = {
#define MESSAGGIO(nome, en, it) Modello{#nome, en, it},
#include "tutti_i_messaggi.inc"
#undef MESSAGGIO
};

// The placeholders of a wording, "{0}" to "{9}", in order of appearance.
std::multiset<char> segnaposto(std::string_view t) {
    std::multiset<char> r;
    for (std::size_t i = 0; i + 2 < t.size(); ++i) {
        if (t[i] == '{' && t[i + 1] >= '0' && t[i + 1] <= '9' && t[i + 2] == '}') r.insert(t[i + 1]);
    }
    return r;
}

bool ha_parole(std::string_view t) {
    std::string senza;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '{' && i + 2 < t.size() && t[i + 2] == '}') {
            i += 2;
            continue;
        }
        senza += t[i];
    }
    return std::any_of(senza.begin(), senza.end(), [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); });
}

TEST(Messaggi, EveryMessageHasBothWordingsWithTheSamePlaceholders) {
    ASSERT_GT(std::size(tutti), 0u);
    for (const Modello& m : tutti) {
        SCOPED_TRACE(std::string(m.nome));
        EXPECT_FALSE(m.en.empty());
        EXPECT_FALSE(m.it.empty());
        EXPECT_EQ(segnaposto(m.en), segnaposto(m.it));
        // The arguments are numbered from 0 without a gap.
        const std::multiset<char> segni = segnaposto(m.en);
        const std::set<char> usati(segni.begin(), segni.end());
        char atteso = '0';
        for (char c : usati) EXPECT_EQ(c, atteso++);
        // A wording with words of its own is translated, not copied.
        if (ha_parole(m.en)) {
            EXPECT_NE(m.en, m.it);
        }
    }
}

TEST(Messaggi, NamesAreUniqueAcrossTheLayers) {
    std::set<std::string_view> visti;
    for (const Modello& m : tutti) EXPECT_TRUE(visti.insert(m.nome).second) << m.nome;
}

constexpr Modello prova{"prova", "the {0} of {1}", "il {1} ha {0}"};
constexpr Modello causa{"causa", "cannot read {0}: {1}", "non si legge {0}: {1}"};
constexpr Modello motivo{"motivo", "it is a folder", "è una cartella"};

TEST(Messaggi, ArgumentsTakeTheirPlaceInEachLanguageAndNest) {
    const Messaggio m(prova, 3, "x");
    EXPECT_EQ(m.in(Lingua::en), "the 3 of x");
    EXPECT_EQ(m.in(Lingua::it), "il x ha 3");
    const Messaggio c(causa, std::string("a/b"), Messaggio(motivo));
    EXPECT_EQ(c.in(Lingua::it), "non si legge a/b: è una cartella");
    EXPECT_EQ(c, "cannot read a/b: it is a folder");
    // The author's Windows-1252 words come out as UTF-8 in either language.
    EXPECT_EQ(Messaggio(causa, Messaggio::citato("Citt\xE0"), "x").in(Lingua::it), "non si legge Città: x");
    // A brace that is no placeholder, and a placeholder without an argument.
    constexpr Modello graffe{"graffe", "{a} {1} {0}", "{a} {1} {0}"};
    EXPECT_EQ(Messaggio(graffe, "z").en(), "{a}  z");
}

TEST(Messaggi, AnErrorCarriesItsMessage) {
    const Errore e(Messaggio(causa, "f", Messaggio(motivo)));
    EXPECT_STREQ(e.what(), "cannot read f: it is a folder");
    EXPECT_EQ(messaggio_di(e).in(Lingua::it), "non si legge f: è una cartella");
    EXPECT_EQ(messaggio_di(std::runtime_error("plain")).in(Lingua::it), "plain");
}

}  // namespace
}  // namespace compattatore
