// The core's diagnostics in both languages, as the tool reports them after a
// compile and the checks on meaning: each sentence is built in the reader's
// language (nested parts, the author's Windows-1252 words, formatted metres),
// and the English stays as it always was.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/controlli/testi_controllati.hpp"

namespace compattatore {
namespace {

// Every diagnostic of a compile with its record, then of the checks.
std::vector<Diagnostica> diagnostiche(const std::string& linea, const std::string& treno) {
    prova::TestiControllati e = prova::controlla_testi(linea, treno);
    e.s.diagnostiche.insert(e.s.diagnostiche.end(), e.avvisi.begin(), e.avvisi.end());
    return e.s.diagnostiche;
}

struct Caso {
    const char* nome;
    std::string elementi;  // of a 10 km line, after "[curve]" on line 3
    std::string treno;     // after "[generale]" and a speed on lines 1 and 2
    Stato stato;
    std::string en, it;
    std::string nota_en = {}, nota_it = {};
    std::string prima = {};  // in front of the line's "[generale]"
};

TEST(Lingue, TheCoresDiagnosticsReadInItalianAndKeepTheirEnglish) {
    const Caso casi[] = {
        {"a station refused by the reader", "", "stazione, 3025, 12, 300, 0, 0, 0, 1,1,0, 3,1,1, 1, 8,15,0, PRIMA\n",
         Stato::stazione_non_multipla, "station at 3025 m: the position is not a multiple of 50 m",
         "stazione a 3025 m: la posizione non è un multiplo di 50 m"},
        {"a value from the next line: the count, the ordinal and the author's keyword", "",
         "stazione\xE0, 3000, 12, 300, 0, 0, 0, 1,1,0, 3,1,1, 1, 8,15,0\nPRIMA\n", Stato::testo_dalla_riga_dopo,
         "\"stazione\xC3\xA0\" on line 3 has 16 values on its line; its 17th value was read from line 4: `PRIMA`",
         "\"stazione\xC3\xA0\" alla riga 3 ha 16 valori sulla sua riga; il suo 17º valore è stato letto dalla riga 4: "
         "`PRIMA`"},
        {"a failure of the field reader, at its place", "pendenza, 5x0, 5\n", "", Stato::guasto_lettura,
         "malformed number at line 4, column 11", "numero malformato alla riga 4, colonna 11"},
        {"a feature beyond the track, with its article", "", "segnale, 16950, 2, 2, 3, 0, 0, 0, 0,0,0, 238\n",
         Stato::oltre_il_percorso,
         "signal at 16,950 m: the last position a signal may take on this line is 16,900 m: the track ends at "
         "17,000 m, 7,000 m past the line's 10,000 m, and a signal needs 100 m of it",
         "segnale a 16,950 m: l'ultima posizione che un segnale può prendere su questa linea è 16,900 m: il binario "
         "finisce a 17,000 m, 7,000 m oltre i 10,000 m della linea, e un segnale ne richiede 100 m"},
        {"a finishing rule that could not place a code point", "",
         "segnale, 4650, 2, 2, 3, 0, 0, 0, 0,0,0, 238\nsegnale, 4700, 2, 2, 3, 0, 0, 0, 0,0,0, 238\n"
         "segnale, 4750, 2, 2, 3, 0, 0, 0, 0,0,0, 238\nrallentamento, 5000, 60, 500, 1, 0, 0\n",
         Stato::rifinitura_prima_del_rallentamento,
         "slowdown start at 5000 m (cell 101): none of cells 96, 95, 94 is free for a code point",
         "inizio di rallentamento a 5000 m (cella 101): nessuna delle celle 96, 95, 94 è libera per un punto di "
         "codice"},
        {"an unknown entry and what it was meant to be", "pendnza, 500, 5\n", "", Stato::avviso_voce_sconosciuta,
         "\"pendnza\" names no entry kind: it is ignored", "\"pendnza\" non nomina alcun tipo di voce: è ignorato",
         "did you mean `pendenza`?", "forse intendevate `pendenza`?"},
        {"a value outside its range, the value's name nested", "pendenza, 500, 80\n", "", Stato::avviso_valori,
         "gradient 80 per mille lies outside -60 to 60 per mille",
         "pendenza 80 per mille fuori dall'intervallo da -60 a 60 per mille"},
        {"the author's station name quoted", "",
         "stazione, 3000, 12, 300, 0, 0, 0, 1,1,0, 3,1,1, 1, 8,15,0, Citt\xE0\n"
         "rallentamento, 2950, 60, 100, 1, 0, 0\n",
         Stato::avviso_sovrapposizione,
         "slowdown 2950 m to 3050 m lies inside the zone of the station \"Citt\xC3\xA0\" (2850 m to 3150 m)",
         "il rallentamento da 2950 m a 3050 m è dentro la zona della stazione \"Città\" (da 2850 m a 3150 m)"},
        {"an encoding warning and its note", "", "", Stato::avviso_codifica,
         "the text begins with a UTF-8 byte-order mark", "il testo comincia con un segno di ordine dei byte (BOM) UTF-8",
         "the descriptions are Windows-1252; give --input-encoding utf-8 to read UTF-8",
         "le descrizioni sono in Windows-1252; date --input-encoding utf-8 per leggere UTF-8", "\xEF\xBB\xBF"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const std::vector<Diagnostica> ds = diagnostiche(prova::linea_di("", c.elementi, c.prima), prova::treno_di(c.treno));
        const auto d = std::find_if(ds.begin(), ds.end(), [&](const Diagnostica& x) { return x.stato == c.stato; });
        ASSERT_NE(d, ds.end()) << nome(c.stato);
        EXPECT_EQ(d->messaggio.en(), c.en);
        EXPECT_EQ(d->messaggio.in(Lingua::it), c.it);
        if (c.nota_en.empty()) continue;
        ASSERT_EQ(d->note.size(), 1u);
        EXPECT_EQ(d->note[0].en(), c.nota_en);
        EXPECT_EQ(d->note[0].in(Lingua::it), c.nota_it);
    }
}

}  // namespace
}  // namespace compattatore
