#include "readers/limite_percorso.hpp"

#include <string_view>

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

namespace {
std::string con_articolo(const std::string& cosa) {
    const bool vocale = !cosa.empty() && std::string_view("aeiou").find(cosa[0]) != std::string_view::npos;
    return (vocale ? "an " : "a ") + cosa;
}
}  // namespace

std::string oltre_la_fine(const Scenario& s, const std::string& cosa, std::int64_t p, std::int64_t margine) {
    const std::int64_t fine = std::int64_t{s.ultima_cella} * 50;
    const std::int64_t linea = std::int64_t{s.lunghezza_estesa} - prolungamento;
    return cosa + " at " + metri_leggibili(p) + ": the last position " + con_articolo(cosa) + " may take on this line is " +
           metri_leggibili(fine - margine) + ": the track ends at " + metri_leggibili(fine) + ", " +
           metri_leggibili(fine - linea) + " past the line's " + metri_leggibili(linea) + ", and " + con_articolo(cosa) +
           " needs " + metri_leggibili(margine) + " of it";
}

}  // namespace compattatore
