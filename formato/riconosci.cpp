#include "formato/riconosci.hpp"

#include <cstdint>

#include "formato/segni.hpp"

namespace compattatore {

namespace {

bool sembra_percorso(Fonte& f) {
    const std::uint64_t n = f.dimensione();
    if (n % byte_cella != 0 || n < 2 * std::uint64_t{byte_cella}) return false;
    LettoreFonte c(f, offset_marchio_percorso);
    return c.intero() == marchio_percorso && !c.guasto();
}

bool sembra_voci(Fonte& f) {
    if (f.dimensione() > static_cast<std::uint64_t>(byte_voci_massimi)) return false;
    LettoreFonte c(f);
    for (int i = 0; i < numero_voci; ++i) {
        if (!c.resta(byte_voce_senza_nome)) return false;
        c.salta(byte_voce_prima_del_nome - 2);
        const std::int16_t lunghezza = c.intero();
        if (lunghezza < 0 || !c.resta(static_cast<std::uint64_t>(lunghezza) + byte_voce_senza_nome - byte_voce_prima_del_nome)) {
            return false;
        }
        c.salta(static_cast<std::uint64_t>(lunghezza));
        const std::int16_t dato_a = c.intero();
        if (i == voce_marchio && dato_a != marchio_voci) return false;
        c.salta(byte_voce_senza_nome - byte_voce_prima_del_nome - 2);
    }
    return c.restanti() == 0 && !c.guasto();
}

bool sembra_planimetria(Fonte& f) {
    if (f.dimensione() % 2 != 0 || f.dimensione() < 4 * byte_tag) return false;
    LettoreFonte c(f);
    const std::int16_t tag = c.intero();
    if (tag == tag_vuoto) return true;
    return tag == tag_intero && c.intero() == 0 && !c.guasto();
}

}  // namespace

std::optional<Riconoscimento> riconosci_contenuto(Fonte& fonte) {
    if (sembra_percorso(fonte)) return Riconoscimento{TipoFile::percorso, true};
    if (sembra_voci(fonte)) return Riconoscimento{TipoFile::voci, true};
    if (sembra_planimetria(fonte)) return Riconoscimento{TipoFile::planimetria, false};
    return std::nullopt;
}

}  // namespace compattatore
