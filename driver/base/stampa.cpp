#include "driver/base/stampa.hpp"

#include "formato/codifica.hpp"

namespace compattatore {

void stampa(std::span<const std::string_view> righe, Uscita& uscita) {
    Scrittore w(uscita);
    for (const std::string_view riga : righe) {
        if (riga == fine_del_file) break;
        w.testo(riga);
        w.testo("\r\n");
    }
    w.svuota();
}

}  // namespace compattatore
