// The track file decoder on any bytes, without names and with the names the
// seeds were built with.
//
// Properties checked besides survival:
//   - nothing throws, neither the decoder nor the writer after it;
//   - an error names a byte inside the input and starts with "track file: ";
//   - decoded cells carry the mark 5121 in cell 1 and written back give
//     exactly the input bytes (every byte of a track file is a field of a
//     cell);
//   - with names, the only further check is the plain competition code:
//     the result is the one without names when cell 1 holds the code of the
//     names, and otherwise the code error at byte 18 (cell 1, valore_2).
//     A file that fails without names fails the same way with them.
#include <cstdint>
#include <string>
#include <string_view>

#include "describe/identita.hpp"
#include "fuzz/decodifica_comune.hpp"
#include "formato/codici_gara.hpp"
#include "formato/segni.hpp"
#include "output/compila.hpp"
#include "formato/decodifica.hpp"
#include "formato/file_percorso.hpp"
#include "formato/file_planimetria.hpp"
#include "formato/file_voci.hpp"

using namespace compattatore;
using compattatore::fuzz::verifica;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const std::string_view byte(reinterpret_cast<const char*>(dati), n);
    static const NomiGara nomi{std::string(nome_percorso_incorporato), std::string(numero_treno_incorporato)};
    static const std::int16_t codice = codice_gara_og(nomi.numero_treno, nomi.nome_percorso);
    fuzz::senza_eccezioni([&] {
        const Decodifica<std::vector<Cella>> d = decodifica_percorso(byte);
        const Decodifica<std::vector<Cella>> con_nomi = decodifica_percorso(byte, nomi);
        if (!d) {
            fuzz::verifica_errore(d.errore(), n, "track file: ");
            verifica(!con_nomi && con_nomi.errore() == d.errore(),
                     "a file refused without names is refused the same way with them");
            return 0;
        }
        const std::vector<Cella>& celle = d.tabella();
        verifica(celle.size() >= 2 && celle.size() * byte_cella == n, "a decoded track is the input's cells");
        verifica(celle[1].valore_1 == marchio_percorso, "a decoded track carries the file mark");
        if (celle[1].valore_2 == codice) {
            verifica(con_nomi && con_nomi.tabella() == celle, "with matching names the same cells come back");
        } else {
            verifica(!con_nomi, "with other names the track is refused");
            fuzz::verifica_errore(con_nomi.errore(), n, "track file: ");
            verifica(con_nomi.errore().offset == byte_cella + 3, "the code error names byte 18");
        }
        const std::string scritto = fuzz::codificato([&](Uscita& u) { scrivi_percorso(celle, u); });
        verifica(scritto == byte, "decoded cells written back give the input bytes");
        return 0;
    });
    return 0;
}
