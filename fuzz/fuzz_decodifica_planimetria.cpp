// The plan file decoder on any bytes.
//
// Properties checked besides survival:
//   - nothing throws, neither the decoder nor the writer after it;
//   - an error names a byte inside the input and starts with "plan file: ";
//   - a decoded plan has one point per element pair, its computed points
//     agree with the points the table hands out, and written back it gives
//     exactly the input bytes (the decoder accepts only the one pattern the
//     writer produces, so nothing in an accepted file is left free).
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/decodifica_comune.hpp"
#include "formato/decodifica.hpp"
#include "formato/file_percorso.hpp"
#include "formato/file_planimetria.hpp"
#include "formato/file_voci.hpp"

using namespace compattatore;
using compattatore::fuzz::verifica;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const std::string_view byte(reinterpret_cast<const char*>(dati), n);
    fuzz::senza_eccezioni([&] {
        const Decodifica<Planimetria> d = decodifica_planimetria(byte);
        if (!d) {
            fuzz::verifica_errore(d.errore(), n, "plan file: ");
            return 0;
        }
        const Planimetria& p = d.tabella();
        verifica(p.dimensionata() && p.ultimo() >= 1, "a decoded plan has at least points 0 and 1");
        verifica(p.calcolati() == 0 || (p.calcolati() >= 2 && p.calcolati() <= p.ultimo() + 1),
                 "a decoded plan is unseeded, or seeded with at most one value per point");
        const PuntiPlanimetria punti = p.punti();
        verifica(punti.ultimo == p.ultimo() && punti.calcolati() == p.calcolati() &&
                     punti.ys.size() == punti.xs.size(),
                 "the points handed out are the plan's computed points");
        const std::string scritto = fuzz::codificato([&](Uscita& u) { scrivi_planimetria(p, u); });
        verifica(scritto == byte, "a decoded plan written back gives the input bytes");
        return 0;
    });
    return 0;
}
