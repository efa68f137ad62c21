#include "lsp/campi.hpp"

#include <algorithm>
#include <cctype>

namespace compattatore::lsp {

namespace {

std::string minuscolo(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

bool ha(std::string_view campo, std::string_view parola) { return campo.find(parola) != std::string_view::npos; }

Campo m(std::string nome, std::string significato) { return {std::move(nome), "m", std::move(significato)}; }
Campo n(std::string nome, std::string unita, std::string significato) {
    return {std::move(nome), std::move(unita), std::move(significato)};
}
Campo t(std::string nome, std::string significato) { return {std::move(nome), "", std::move(significato), true}; }

std::vector<GenereVoce> costruisci() {
    using D = Descrizione;
    std::vector<GenereVoce> v;
    // Line description, general section.
    v.push_back({"lunghezza percorso", D::linea, true, "the length of the line", {m("length", "line length, at most 1,000,000 m")}});
    for (const char* k : {"uno", "due", "tre"}) {
        v.push_back({std::string("progressiva chilometrica ") + k, D::linea, true, "a kilometric-progressive definition",
                     {m("start", "a multiple of 50 m"), m("end", "a multiple of 50 m"), n("value", "", "carried to the entry file")}});
    }
    for (const char* k : {"uno", "due", "tre"}) {
        v.push_back({std::string("sfondo ") + k, D::linea, true, "a background selector", {n("value", "", "the background shown")}});
    }
    v.push_back({"ripetizione segnali 4 codici", D::linea, true,
                 "the cab-signal repetition section (4 or 9 codes, as the keyword says)",
                 {m("start", "first metre, a multiple of 50"), m("end", "last metre, a multiple of 50; 0: no section")}});
    // Line description, features.
    v.push_back({"pendenza", D::linea, false, "a gradient from a position onward",
                 {m("position", "where the gradient begins"), n("gradient", "‰", "per mille, -100 to 155")}});
    v.push_back({"curva", D::linea, false, "a curve; the keyword names its side (s left, d right) and its class 1 to 6",
                 {m("start", "where the curve begins"), m("length", "how long it is")}});
    v.push_back({"montagna", D::linea, false, "a mountain zone",
                 {m("start", "first metre of the zone"), m("end", "end metre of the zone"),
                  n("type", "", "zone type; above 10: the type 10 lower, with markers")}});
    v.push_back({"indicatori_vmax", D::linea, false, "a maximum-speed indicator board",
                 {m("position", "where the board stands"), n("side s a", "km/h", "speed a of side s"),
                  n("side s b", "km/h", "speed b of side s"), n("side s c", "km/h", "speed c of side s"),
                  n("stripes s", "", "stripe count of side s"), n("side d a", "km/h", "speed a of side d, in steps of 5"),
                  n("side d b", "km/h", "speed b of side d, in steps of 5"), n("side d c", "km/h", "speed c of side d, in steps of 5"),
                  n("stripes d", "", "stripe count of side d")},
                 true});
    v.push_back({"cartello_indicatore", D::linea, false, "an indication board",
                 {m("position", "where the board stands"), t("text", "the board text, without commas")}});
    // Train description.
    v.push_back({"numero vetture", D::treno, false, "the number of cars", {n("cars", "", "how many cars")}});
    v.push_back({"percentuale massa frenata", D::treno, false, "the braked-mass percentage", {n("percentage", "%", "braked mass")}});
    v.push_back({"sabbia", D::treno, false, "the sand", {n("sand", "", "-32768 to 32767")}});
    v.push_back({"orologio", D::treno, false, "the starting clock",
                 {n("hours", "h", "hours"), n("minutes", "min", "minutes"), n("seconds", "s", "seconds")}});
    v.push_back({"aderenza", D::treno, false, "the adhesion from a position onward",
                 {m("position", "where the value begins"), n("adhesion", "", "0 to 255")}});
    v.push_back({"velocita", D::treno, false, "the speed limit from a position onward",
                 {m("position", "where the limit begins"), n("speed", "km/h", "0 to 1277, stored in steps of 5")}});
    v.push_back({"stazione", D::treno, false, "a station",
                 {m("position", "the station, a multiple of 50"), n("kind", "", "station kind; 25 and above mark no cell"),
                  m("length", "length of the zone, a multiple of 100"), n("prolunga", "", "stored only"),
                  n("option d", "", "cleared below 600 m of length"), n("option c", "", "not 0: 50 m more at the end"),
                  n("dato a", "", "stored only"), n("dato b", "", "stored only"), n("option a", "", "stored only"),
                  n("dato c", "", "stored only"), n("dato d", "", "stored only"), n("dato e", "", "stored only"),
                  n("option b", "", "stored only"), n("hours", "h", "time of day"), n("minutes", "min", "time of day"),
                  n("seconds", "s", "time of day"), t("name", "the station name, to the line end")},
                 true});
    v.push_back({"segnale", D::treno, false, "a signal",
                 {m("position", "where the signal stands"), n("sx", "", "kind of side s; 2: it has a time"),
                  n("s1", "", "aspect 1 of side s"), n("s2", "", "aspect 2 of side s"), n("s3", "", "aspect 3 of side s"),
                  n("rapp", "", "relation of the two sides"), n("dx", "", "kind of side d"), n("d1", "", "aspect 1 of side d"),
                  n("d2", "", "aspect 2 of side d"), n("d3", "", "aspect 3 of side d"),
                  n("time", "s", "1 to 100 become 101; kept only when sx is 2")},
                 true});
    v.push_back({"rallentamento", D::treno, false, "a slowdown",
                 {m("start", "where the slowdown begins"), n("speed", "km/h", "the speed allowed"),
                  m("length", "how long it is"), n("f_tt", "", "on the start and end cells"),
                  n("f_ta", "", "not 0: four cells before the warning"), n("d_v", "", "not 0: on the speed cells")},
                 true});
    v.push_back({"abbattimento", D::treno, false, "a code point",
                 {m("position", "where the code point stands"), n("value", "", "1 and above: a code; 0 or less: a cut")}});
    return v;
}

}  // namespace

const std::vector<GenereVoce>& voci_note() {
    static const std::vector<GenereVoce> tabella = costruisci();
    return tabella;
}

const std::vector<std::string>& intestazioni(Descrizione d) {
    static const std::vector<std::string> linea{"[generale]", "[curve]", "[pendenze]", "[montagne]",
                                                "[cartelli]", "[indicazioni]", "[fine]"};
    static const std::vector<std::string> treno{"[generale]", "[aderenze]", "[vel_limite]", "[stazioni]",
                                                "[rallentamenti]", "[segnali]", "[codici]", "[fine]"};
    return d == Descrizione::linea ? linea : treno;
}

const GenereVoce* genere_di(std::string_view parola, Descrizione d) {
    const std::string p = minuscolo(parola);
    auto voce = [](std::string_view chiave) {
        const auto& v = voci_note();
        auto it = std::find_if(v.begin(), v.end(), [&](const GenereVoce& g) { return g.parola == chiave; });
        return it == v.end() ? nullptr : &*it;
    };
    if (d == Descrizione::linea) {
        if (ha(p, "lunghezza") && ha(p, "percorso")) return voce("lunghezza percorso");
        if (ha(parola, "progressiva")) {
            if (ha(parola, "tre")) return voce("progressiva chilometrica tre");
            if (ha(parola, "due")) return voce("progressiva chilometrica due");
            if (ha(parola, "uno")) return voce("progressiva chilometrica uno");
        }
        if (ha(parola, "sfondo")) {
            if (ha(parola, "uno")) return voce("sfondo uno");
            if (ha(parola, "due")) return voce("sfondo due");
            if (ha(parola, "tre")) return voce("sfondo tre");
        }
        if (ha(parola, "segnali") && ha(parola, "ripetizione")) return voce("ripetizione segnali 4 codici");
        if (ha(p, "pendenza")) return voce("pendenza");
        if (ha(p, "curva")) return voce("curva");
        if (ha(p, "montagna")) return voce("montagna");
        if (ha(p, "indicatori_v")) return voce("indicatori_vmax");
        if (ha(p, "cartello") && ha(p, "indicat")) return voce("cartello_indicatore");
        return nullptr;
    }
    if (ha(p, "frenata") && ha(p, "massa")) return voce("percentuale massa frenata");
    if (ha(p, "vetture")) return voce("numero vetture");
    if (ha(p, "velocit")) return voce("velocita");
    if (ha(p, "aderenza")) return voce("aderenza");
    if (ha(p, "orologio")) return voce("orologio");
    if (ha(p, "sabbia")) return voce("sabbia");
    if (ha(p, "segnale")) return voce("segnale");
    if (ha(p, "rallentamento")) return voce("rallentamento");
    if (ha(p, "abbattimento")) return voce("abbattimento");
    if (ha(p, "stazione")) return voce("stazione");
    return nullptr;
}

}  // namespace compattatore::lsp
