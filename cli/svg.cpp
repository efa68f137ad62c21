#include "cli/svg.hpp"

#include <cmath>
#include <cstdio>

namespace compattatore::cli {

std::string xml_escape(std::string_view testo) {
    std::string r;
    r.reserve(testo.size());
    for (const char c : testo) {
        switch (c) {
            case '&': r += "&amp;"; break;
            case '<': r += "&lt;"; break;
            case '>': r += "&gt;"; break;
            case '"': r += "&quot;"; break;
            case '\'': r += "&apos;"; break;
            default:
                // Control characters other than tab and line ends are not allowed in XML.
                if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') {
                    r += ' ';
                } else {
                    r += c;
                }
        }
    }
    return r;
}

std::string numero_svg(double v) {
    if (!std::isfinite(v)) return "0";
    char buf[64];
    // Plan coordinates stay far below 1e60, whose "%.2f" would not fit.
    static_cast<void>(std::snprintf(buf, sizeof buf, "%.2f", v));
    std::string s = buf;
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    return s;
}

Svg::Svg(double larghezza, double altezza) : out_("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n") {
    apri("svg", {{"xmlns", "http://www.w3.org/2000/svg"},
                 {"width", numero_svg(larghezza)},
                 {"height", numero_svg(altezza)},
                 {"viewBox", "0 0 " + numero_svg(larghezza) + " " + numero_svg(altezza)},
                 {"font-family", "sans-serif"}});
}

void Svg::rientro() { out_.append(2 * aperti_.size(), ' '); }

void Svg::attributi(const Attributi& a) {
    for (const auto& [nome, valore] : a) {
        out_ += ' ';
        out_ += nome;
        out_ += "=\"";
        out_ += xml_escape(valore);
        out_ += '"';
    }
}

void Svg::apri(std::string_view nome, const Attributi& a) {
    rientro();
    out_ += '<';
    out_ += nome;
    attributi(a);
    out_ += ">\n";
    aperti_.emplace_back(nome);
}

void Svg::chiudi() {
    if (aperti_.empty()) return;
    const std::string nome = aperti_.back();
    aperti_.pop_back();
    rientro();
    out_ += "</" + nome + ">\n";
}

void Svg::vuoto(std::string_view nome, const Attributi& a) {
    rientro();
    out_ += '<';
    out_ += nome;
    attributi(a);
    out_ += "/>\n";
}

void Svg::testo(std::string_view nome, const Attributi& a, std::string_view contenuto) {
    rientro();
    out_ += '<';
    out_ += nome;
    attributi(a);
    out_ += '>';
    out_ += xml_escape(contenuto);
    out_ += "</";
    out_ += nome;
    out_ += ">\n";
}

std::string Svg::finisci() {
    while (!aperti_.empty()) chiudi();
    return out_;
}

Tracciato& Tracciato::muovi(double x, double y) {
    if (!d_.empty()) d_ += ' ';
    d_ += 'M';
    d_ += numero_svg(x);
    d_ += ' ';
    d_ += numero_svg(y);
    return *this;
}

Tracciato& Tracciato::linea(double x, double y) {
    d_ += " L";
    d_ += numero_svg(x);
    d_ += ' ';
    d_ += numero_svg(y);
    return *this;
}

Tracciato& Tracciato::chiudi() {
    d_ += " Z";
    return *this;
}

}  // namespace compattatore::cli
