// A small writer of self-contained SVG documents: nested elements with
// escaped attributes and text, numbers in a short fixed form, path data
// built point by point. It writes UTF-8 and knows nothing of fonts, scripts
// or external resources.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace compattatore::cli {

// Text escaped for XML character data and attribute values.
std::string xml_escape(std::string_view testo);

// A number with at most two decimals and no trailing zeros ("12", "3.5").
std::string numero_svg(double v);

using Attributi = std::vector<std::pair<std::string, std::string>>;

class Svg {
public:
    Svg(double larghezza, double altezza);

    void apri(std::string_view nome, const Attributi& attributi = {});
    void chiudi();
    // An element without content: <nome .../>.
    void vuoto(std::string_view nome, const Attributi& attributi);
    // An element holding text (UTF-8; escaped here).
    void testo(std::string_view nome, const Attributi& attributi, std::string_view contenuto);

    // Closes every element still open and returns the document.
    std::string finisci();

private:
    void attributi(const Attributi& a);
    void rientro();

    std::string out_;
    std::vector<std::string> aperti_;
};

// Path data: "M x y L x y ...".
class Tracciato {
public:
    Tracciato& muovi(double x, double y);
    Tracciato& linea(double x, double y);
    Tracciato& chiudi();
    bool vuoto() const { return d_.empty(); }
    const std::string& dati() const { return d_; }

private:
    std::string d_;
};

}  // namespace compattatore::cli
