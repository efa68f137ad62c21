#include "readers/lettore_campi.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace compattatore {
namespace {

// Reads text with one operation per letter of `operazioni` (T: text field,
// N: number field) and gives every value read as text.
std::vector<std::string> leggi(std::string_view testo, std::string_view operazioni) {
    LettoreCampi l(testo);
    std::vector<std::string> valori;
    for (const char op : operazioni) {
        if (op == 'T') {
            valori.emplace_back(l.campo_testo());
        } else {
            valori.push_back(std::to_string(l.campo_numero()));
        }
    }
    return valori;
}

struct CasoLettura {
    const char* nome;
    std::string_view testo;
    const char* operazioni;
    std::vector<std::string> attesi;
    bool fine_dopo;  // the end-of-text test after the last read
};

TEST(LettoreCampi, ReadsFieldsAsTheFormatLaysThemOut) {
    const CasoLettura casi[] = {
        {"keyword and number", "lunghezza percorso,    93000\r\n", "TN", {"lunghezza percorso", "93000"}, true},
        {"blank before comma", "0 , 100", "NN", {"0", "100"}, true},
        {"clock line, three numbers", "orologio,    13              40            45 \r\n[fine]\r\n", "TNNNT",
         {"orologio", "13", "40", "45", "[fine]"}, true},
        {"empty number fields", "x,  35400,  0,  ,  ,  ,  0\r\n", "TNNNNNN", {"x", "35400", "0", "0", "0", "0", "0"}, true},
        {"empty number at line end", "a,\r\n7", "TNN", {"a", "0", "7"}, true},
        {"missing value from next line", "pendenza,  1500\r\n   8\r\n", "TNN", {"pendenza", "1500", "8"}, true},
        {"negative number", "pendenza,  18750,   -2\r\n", "TNN", {"pendenza", "18750", "-2"}, true},
        {"extreme numbers", "2147483647,-2147483648", "NN", {"2147483647", "-2147483648"}, true},
        {"lone LF line ends", "a,1\nb,2\n", "TNTN", {"a", "1", "b", "2"}, true},
        {"lone CR line ends", "a,1\rb,2\r", "TNTN", {"a", "1", "b", "2"}, true},
        {"text keeps trailing blanks", "cartello,  5,   (DEV. U.)  \r\nx", "TNTT",
         {"cartello", "5", "(DEV. U.)  ", "x"}, true},
        {"text with inner blanks and brackets", "  (Cippo Km.)( 20+000  ),y", "TT", {"(Cippo Km.)( 20+000  )", "y"}, true},
        {"empty text fields", ",,\r\n", "TTT", {"", "", ""}, true},
        {"tab is a blank", "\t12\t,\tab", "NT", {"12", "ab"}, true},
        {"text without line end at the end", "[fine]", "T", {"[fine]"}, true},
        {"number then more on the line", "12 abc,", "NT", {"12", "abc"}, true},
        {"not at end after a field", "a,b", "T", {"a"}, false},
        {"blank line is an empty field", "a\r\n\r\nb", "TTT", {"a", "", "b"}, true},
        {"number then trailing blanks then end", "5   ", "N", {"5"}, true},
    };
    for (const CasoLettura& c : casi) {
        SCOPED_TRACE(c.nome);
        LettoreCampi l(c.testo);
        std::vector<std::string> valori;
        for (const char* op = c.operazioni; *op != '\0'; ++op) {
            if (*op == 'T') {
                valori.emplace_back(l.campo_testo());
            } else {
                valori.push_back(std::to_string(l.campo_numero()));
            }
        }
        EXPECT_EQ(valori, c.attesi);
        EXPECT_EQ(l.fine(), c.fine_dopo);
    }
}

struct CasoGuasto {
    const char* nome;
    std::string_view testo;
    const char* operazioni;  // the last operation fails
};

TEST(LettoreCampi, MalformedNumbersAndReadsPastTheEndFail) {
    const CasoGuasto casi[] = {
        {"digits then letters", "12abc,", "N"},
        {"a letter", "x", "N"},
        {"a word where a number is expected", "pendenza, uno", "TN"},
        {"minus alone", "-,", "N"},
        {"minus then blank", "- 5", "N"},
        {"plus sign", "+5", "N"},
        {"decimal point", "1.5", "N"},
        {"above 32 bits", "2147483648", "N"},
        {"below 32 bits", "-2147483649", "N"},
        {"far above 32 bits", "99999999999999999999999", "N"},
        {"text past the end", "a", "TT"},
        {"number past the end", "5\r\n", "NN"},
        {"empty text", "", "T"},
    };
    for (const CasoGuasto& c : casi) {
        SCOPED_TRACE(c.nome);
        const std::string_view ops(c.operazioni);
        EXPECT_NO_THROW(leggi(c.testo, ops.substr(0, ops.size() - 1)));
        EXPECT_THROW(leggi(c.testo, ops), ErroreLettura);
    }
}

TEST(LettoreCampi, BoundedNumbers) {
    LettoreCampi l("255,256,-1");
    EXPECT_EQ(l.campo_numero_tra(0, 255), 255);
    EXPECT_THROW(l.campo_numero_tra(0, 255), ErroreLettura);
    EXPECT_THROW(l.campo_numero_tra(0, 255), ErroreLettura);
}

TEST(LettoreCampi, PlaceOfEachField) {
    // Line and column (1-based, bytes) of the first character of each field,
    // after its leading blanks, across every kind of line end.
    LettoreCampi l("ab,  12\r\n  cd\n,x\r  -3 , ,\r\nend");
    struct Atteso {
        char op;
        Luogo luogo;
    };
    const Atteso attesi[] = {
        {'T', {1, 1}}, {'N', {1, 6}}, {'T', {2, 3}}, {'T', {3, 1}}, {'T', {3, 2}},
        {'N', {4, 3}}, {'N', {4, 8}}, {'N', {4, 9}}, {'T', {5, 1}},
    };
    for (const Atteso& a : attesi) {
        if (a.op == 'T') {
            l.campo_testo();
        } else {
            l.campo_numero();
        }
        EXPECT_EQ(l.luogo(), a.luogo) << a.luogo.riga << ":" << a.luogo.colonna;
    }
    EXPECT_TRUE(l.fine());
}

TEST(LettoreCampi, KeywordTests) {
    struct Caso {
        std::string_view campo, parola;
        bool libero, esatto;
    };
    const Caso casi[] = {
        {"Ripetizione segnali 4 codici", "ripetizione", true, false},
        {"LUNGHEZZA PERCORSO", "lunghezza", true, false},
        {"curvaS3", "s", true, false},
        {"[curve]", "curva", false, false},
        {"[indicazioni]", "indicat", false, false},
        {"cartello_indicatore", "indicat", true, true},
        {"", "x", false, false},
        {"abc", "", true, true},
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(contiene(c.campo, c.parola), c.libero) << c.campo << " / " << c.parola;
        EXPECT_EQ(contiene_esatto(c.campo, c.parola), c.esatto) << c.campo << " / " << c.parola;
    }
}

}  // namespace
}  // namespace compattatore
