// The entry file decoder on any bytes.
//
// Properties checked besides survival:
//   - nothing throws, neither the decoder nor the writer after it;
//   - an error names a byte inside the input and starts with "entry file: ";
//   - decoded entries carry the mark 610 and the weighted competition code
//     of their own names in entry 85, and written back they give exactly
//     the input bytes (every byte of an entry file is a field of an entry).
#include <cstdint>
#include <string>
#include <string_view>

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
    fuzz::senza_eccezioni([&] {
        const Decodifica<Voci> d = decodifica_voci(byte);
        if (!d) {
            fuzz::verifica_errore(d.errore(), n, "entry file: ");
            return 0;
        }
        const Voci& v = d.tabella();
        const Voce& linea = v[indice_voce::linea];
        const Voce& treno = v[indice_voce::treno];
        verifica(linea.dato_a == marchio_voci, "decoded entries carry the file mark");
        verifica(linea.orario == codice_gara_st(treno.nome, linea.nome),
                 "decoded entries carry the competition code of their names");
        const std::string scritto = fuzz::codificato([&](Uscita& u) { scrivi_voci(v, u); });
        verifica(scritto == byte, "decoded entries written back give the input bytes");
        return 0;
    });
    return 0;
}
