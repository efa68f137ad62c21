#include "cli/testo.hpp"

#include "model/windows_1252.hpp"

namespace compattatore::cli {

namespace {
std::string json(std::string_view testo, bool da_1252) {
    std::string out = "\"";
    for (const char c : testo) {
        const auto b = static_cast<unsigned char>(c);
        switch (b) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (b < 0x20) {
                    out += "\\u00";
                    out += "0123456789abcdef"[b >> 4];
                    out += "0123456789abcdef"[b & 0xFu];
                } else if (da_1252) {
                    aggiungi_utf8(out, codice_1252(b));
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}
}  // namespace

std::string json_testo(std::string_view testo_1252) { return json(testo_1252, true); }
std::string json_utf8(std::string_view testo) { return json(testo, false); }

}  // namespace compattatore::cli
