#include "readers/limite_percorso.hpp"

namespace compattatore {

std::string metri_leggibili(std::int64_t m) {
    const std::string cifre = std::to_string(m < 0 ? -m : m);
    std::string s(m < 0 ? "-" : "");
    for (std::size_t i = 0; i < cifre.size(); ++i) {
        if (i > 0 && (cifre.size() - i) % 3 == 0) s += ',';
        s += cifre[i];
    }
    return s.append(" m");
}

Messaggio oltre_la_fine(const Scenario& s, const Elemento& cosa, std::int64_t p, std::int64_t margine) {
    const std::int64_t fine = std::int64_t{s.ultima_cella} * 50;
    const std::int64_t linea = std::int64_t{s.lunghezza_estesa} - prolungamento;
    return Messaggio(messaggi::lettura_oltre_fine_binario, Messaggio(cosa.nome), metri_leggibili(p),
                     Messaggio(cosa.con_articolo), metri_leggibili(fine - margine), metri_leggibili(fine),
                     metri_leggibili(fine - linea), metri_leggibili(linea), metri_leggibili(margine));
}

}  // namespace compattatore
