#include "formato/codici_gara.hpp"

namespace compattatore {

unsigned char minuscola_1252(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
    switch (c) {
        case 0x8A: return 0x9A;  // S caron
        case 0x8C: return 0x9C;  // OE ligature
        case 0x8E: return 0x9E;  // Z caron
        case 0x9F: return 0xFF;  // Y diaeresis
        default: return c;
    }
}

std::string testo_codici(std::string_view numero_treno, std::string_view nome_percorso) {
    std::string t;
    t.reserve(numero_treno.size() + nome_percorso.size() + riempitivo_codici.size());
    t.append(numero_treno);
    t.append(nome_percorso);
    for (char& c : t) c = static_cast<char>(minuscola_1252(static_cast<unsigned char>(c)));
    t.append(riempitivo_codici);
    return t;
}

std::int16_t codice_gara_og(std::string_view numero_treno, std::string_view nome_percorso) {
    const std::string t = testo_codici(numero_treno, nome_percorso);
    std::int32_t somma = 0;
    for (int p = 0; p < caratteri_codice; ++p) somma += static_cast<unsigned char>(t[static_cast<std::size_t>(p)]);
    return static_cast<std::int16_t>(somma);
}

std::int32_t codice_gara_st(std::string_view numero_treno, std::string_view nome_percorso) {
    const std::string t = testo_codici(numero_treno, nome_percorso);
    std::int32_t somma = 0;
    for (int p = 1; p <= caratteri_codice; ++p) {
        somma += p * static_cast<unsigned char>(t[static_cast<std::size_t>(p - 1)]);
    }
    return somma;
}

}  // namespace compattatore
