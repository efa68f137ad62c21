// The field reader alone, on any bytes.
//
// The first byte of the input chooses the kinds of the reads (two bits per
// read, repeating every four reads): a text field, a number, a Byte, an
// Integer. The rest is the text. Properties checked besides survival:
//   - the only failure is ErroreLettura;
//   - every read that succeeds consumes text, so the reads end;
//   - the place of each field is the place of its first byte in the text,
//     and places only move forward;
//   - a text field holds no comma or line end and no leading blank;
//   - a ranged number lies in its range;
//   - the case-free keyword test agrees with folding both sides.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/comune.hpp"
#include "readers/lettore_campi.hpp"

namespace {

using compattatore::ErroreLettura;
using compattatore::LettoreCampi;
using compattatore::Luogo;
using compattatore::fuzz::verifica;

// Offsets of the starts of the lines: a line ends at CR LF, a lone LF or a
// lone CR.
std::vector<std::size_t> inizi_righe(std::string_view t) {
    std::vector<std::size_t> inizi{0};
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\r') {
            if (i + 1 < t.size() && t[i + 1] == '\n') ++i;
            inizi.push_back(i + 1);
        } else if (t[i] == '\n') {
            inizi.push_back(i + 1);
        }
    }
    return inizi;
}

std::string minuscolo(std::string_view t) {
    std::string r(t);
    for (char& c : r) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    if (n == 0) return 0;
    const std::uint8_t programma = dati[0];
    const std::string_view testo(reinterpret_cast<const char*>(dati + 1), n - 1);
    const std::vector<std::size_t> righe = inizi_righe(testo);

    LettoreCampi campi(testo);
    std::size_t letture = 0;
    Luogo prima{0, 0};
    try {
        while (!campi.fine()) {
            verifica(letture <= testo.size(), "every successful read consumes text");
            const int tipo = (programma >> (2 * (letture % 4))) & 3;
            std::string_view campo;
            std::int32_t numero = 0;
            switch (tipo) {
                case 0: campo = campi.campo_testo(); break;
                case 1: numero = campi.campo_numero(); break;
                case 2:
                    numero = campi.campo_numero_tra(0, 255);
                    verifica(numero >= 0 && numero <= 255, "a Byte field lies in 0..255");
                    break;
                default:
                    numero = campi.campo_numero_tra(-32768, 32767);
                    verifica(numero >= -32768 && numero <= 32767, "an Integer field lies in its range");
                    break;
            }
            ++letture;

            const Luogo qui = campi.luogo();
            verifica(qui.riga >= 1 && qui.colonna >= 1, "places are 1-based");
            verifica(static_cast<std::size_t>(qui.riga) <= righe.size(), "the line of a field exists");
            verifica(qui.riga > prima.riga || (qui.riga == prima.riga && qui.colonna > prima.colonna),
                     "places move forward");
            prima = qui;
            const std::size_t inizio =
                righe[static_cast<std::size_t>(qui.riga) - 1] + static_cast<std::size_t>(qui.colonna) - 1;
            verifica(inizio <= testo.size(), "the column of a field lies in the text");

            if (tipo == 0) {
                verifica(testo.substr(inizio, campo.size()) == campo, "a text field is the text at its place");
                verifica(campo.find_first_of(",\r\n") == std::string_view::npos,
                         "a text field holds no comma or line end");
                verifica(campo.empty() || (campo.front() != ' ' && campo.front() != '\t'),
                         "a text field has no leading blank");
                const std::string basso = minuscolo(campo);
                for (const std::string_view parola : {std::string_view("generale"), std::string_view("[fine]"),
                                                      campo.substr(0, campo.size() / 2)}) {
                    verifica(compattatore::contiene(campo, parola) ==
                                 (basso.find(minuscolo(parola)) != std::string::npos),
                             "the case-free test agrees with folding both sides");
                    verifica(compattatore::contiene_esatto(campo, parola) == (campo.find(parola) != std::string::npos),
                             "the exact test is a substring search");
                }
            } else if (inizio < testo.size()) {
                const char c = testo[inizio];
                const bool vuoto = c == ',' || c == '\r' || c == '\n';
                verifica(vuoto || c == '-' || (c >= '0' && c <= '9'), "a number field starts with a sign or a digit");
                verifica(!vuoto || numero == 0, "an empty number field reads as 0");
            }
        }
    } catch (const ErroreLettura&) {
        // A malformed field or a read past the end: the reading step turns it
        // into guasto_lettura.
    }
    return 0;
}
