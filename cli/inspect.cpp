#include "cli/inspect.hpp"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>

#include "cli/cli.hpp"
#include "cli/file_scenario.hpp"
#include "cli/significato.hpp"
#include "cli/testo.hpp"
#include "output/codici_gara.hpp"

namespace compattatore::cli {

const char* const aiuto_inspect =
    "Usage: compattatore-cli inspect FILE... [--json]\n"
    "\n"
    "Reads compiled scenario files, checks them and prints what they hold. The\n"
    "kind of each file comes from its name:\n"
    "  ROUTE_linea.dat      plan file: points, end point, length, turn, extent\n"
    "  ROUTE_NUMBER.sim     entry file: stations, board texts, parameters, codes\n"
    "  ROUTE_NUMBER.dat     track file: every non-empty cell, the profiles as runs\n"
    "The entry file beside a track file names its stations and board texts and\n"
    "gives the names its competition code is checked against.\n"
    "Metres of signals, boards and slowdown marks are (cell - 1) x 50, of any\n"
    "other cell cell x 50.\n"
    "\n"
    "  --json   print one JSON document instead of the report\n"
    "\n"
    "Exit status: 0 every file was read, 2 a file is damaged, unreadable or of\n"
    "unknown kind, or a usage error.\n";

namespace {

namespace fs = std::filesystem;

std::string n(std::int64_t v) { return std::to_string(v); }

std::string decimali(double v, int cifre) {
    char buf[64];
    // Truncation is safe and cannot happen for the table's values.
    static_cast<void>(std::snprintf(buf, sizeof buf, "%.*f", cifre, v));
    return buf;
}

std::string tra_virgolette(const std::string& t1252) {
    std::string t(1, '"');
    t += utf8_da_1252(t1252);
    t += '"';
    return t;
}

struct Ispezione {
    fs::path percorso;
    TipoFile tipo = TipoFile::percorso;
    std::uint64_t byte = 0;
    std::optional<Planimetria> planimetria;
    std::optional<Voci> voci;
    std::optional<std::vector<Cella>> celle;
    // Track files only: the entry file beside it, and the names of the code check.
    std::optional<Voci> voci_accanto;
    fs::path percorso_accanto;
    std::string nota_accanto;  // why the entry file beside was not used
    std::optional<NomiGara> nomi;
    std::string fonte_nomi;  // "the entry file beside it" or "the file name"
};

Ispezione ispeziona(const fs::path& p) {
    Ispezione r;
    r.percorso = p;
    const std::optional<TipoFile> tipo = tipo_da_nome(p);
    if (!tipo) {
        throw FileIllegibile(p.string() +
                             ": cannot tell the file kind from the name (expected ROUTE_linea.dat, .sim or .dat)");
    }
    r.tipo = *tipo;
    switch (r.tipo) {
        case TipoFile::planimetria: r.planimetria = carica_planimetria(p); break;
        case TipoFile::voci: r.voci = carica_voci(p); break;
        case TipoFile::percorso: {
            r.percorso_accanto = voci_accanto(p);
            std::error_code ec;
            if (fs::is_regular_file(r.percorso_accanto, ec)) {
                try {
                    r.voci_accanto = carica_voci(r.percorso_accanto);
                } catch (const FileIllegibile& e) {
                    r.nota_accanto = e.what();
                }
            }
            if (r.voci_accanto) {
                r.nomi = NomiGara{(*r.voci_accanto)[indice_voce::linea].nome, (*r.voci_accanto)[indice_voce::treno].nome};
                r.fonte_nomi = "the entry file beside it";
            } else if ((r.nomi = nomi_da_nome_file(p))) {
                r.fonte_nomi = "the file name";
            }
            r.celle = carica_percorso(p, r.nomi);
            break;
        }
    }
    std::error_code ec;
    r.byte = fs::file_size(p, ec);
    return r;
}

// ---- text ------------------------------------------------------------------

std::string valore_corsa(int grezzo, const char* quale) {
    if (grezzo == 0) return "not set";
    const std::string q = quale;
    if (q == "gradient") return n(grezzo - 100) + " \u2030";
    if (q == "speed") return n(std::int64_t{grezzo} * 5) + " km/h";
    return n(grezzo);
}

void testo_corse(std::ostream& out, const std::vector<Cella>& celle, std::uint8_t Cella::*membro, const char* titolo,
                 const char* quale, bool solo_non_zero) {
    out << titolo << ":\n";
    bool qualcuna = false;
    for (const Corsa& c : corse(celle, membro)) {
        if (solo_non_zero && c.valore == 0) continue;
        qualcuna = true;
        out << "  " << c.prima * metri_cella << " m to " << (c.ultima + 1) * metri_cella << " m (cells " << c.prima
            << " to " << c.ultima << "): " << (solo_non_zero ? "type " + n(c.valore) : valore_corsa(c.valore, quale))
            << '\n';
    }
    if (!qualcuna) out << "  none\n";
}

void testo_percorso(std::ostream& out, const Ispezione& r) {
    const std::vector<Cella>& celle = *r.celle;
    const auto ultima = static_cast<std::int64_t>(celle.size()) - 1;
    out << r.percorso.string() << ": track file, " << celle.size() << " cells (0 to " << ultima << "), " << r.byte
        << " bytes\n";
    if (r.voci_accanto) {
        out << "  line length: " << (*r.voci_accanto)[indice_voce::parametri_treno].fine << " m (from "
            << r.percorso_accanto.filename().string() << ")\n";
    } else {
        out << "  line length: about " << ultima * metri_cella - 7000 << " m (from the number of cells)\n";
        if (!r.nota_accanto.empty()) out << "  not used: " << r.nota_accanto << '\n';
    }
    out << "  file mark: " << celle[1].valore_1 << " in cell 1\n";
    out << "  plain competition code: " << celle[1].valore_2;
    if (r.nomi) {
        out << ", matches train " << tra_virgolette(r.nomi->numero_treno) << " on route "
            << tra_virgolette(r.nomi->nome_percorso) << " (names from " << r.fonte_nomi << ")\n";
    } else {
        out << ", not checked (no names: no entry file beside it, no ROUTE_TRAIN file name)\n";
    }
    out << "cells:\n";
    const Voci* voci = r.voci_accanto ? &*r.voci_accanto : nullptr;
    for (const Oggetto& o : oggetti(celle, voci)) {
        out << "  cell " << o.cella << " (" << o.metro << " m): " << o.parole << '\n';
    }
    testo_corse(out, celle, &Cella::pendenza, "gradient", "gradient", false);
    testo_corse(out, celle, &Cella::velocita_limite, "speed limit", "speed", false);
    testo_corse(out, celle, &Cella::aderenza, "adhesion", "adhesion", false);
    testo_corse(out, celle, &Cella::montagna, "mountain zones", "mountain", true);
}

std::string campi_stazione(const Voce& v) {
    return "prolunga " + n(v.prolunga) + ", dato_a " + n(v.dato_a) + ", dato_b " + n(v.dato_b) + ", dato_c " +
           n(v.dato_c) + ", dato_d " + n(v.dato_d) + ", dato_e " + n(v.dato_e) + ", opzione_a " + n(v.opzione_a) +
           ", opzione_b " + n(v.opzione_b) + ", opzione_c " + n(v.opzione_c) + ", opzione_d " + n(v.opzione_d);
}

std::string codici_ripetizione(const Voce& t) {
    if (t.posizione == 0) return "none";
    return n(t.inizio) + " m to " + n(t.fine) + " m, " + n(t.posizione) + " codes";
}

void testo_voci(std::ostream& out, const Ispezione& r) {
    const Voci& v = *r.voci;
    const Voce& parametri = v[indice_voce::parametri_treno];
    const Voce& linea = v[indice_voce::linea];
    const Voce& treno = v[indice_voce::treno];
    out << r.percorso.string() << ": entry file, " << numero_voci << " entries, " << r.byte << " bytes\n";
    out << "  route " << tra_virgolette(linea.nome) << " (entry 85), train " << tra_virgolette(treno.nome)
        << " (entry 86)\n";
    out << "  file mark: " << linea.dato_a << " in entry 85\n";
    out << "  weighted competition code: " << linea.orario << ", matches the names\n";
    out << "  plain competition code of the names: " << codice_gara_og(treno.nome, linea.nome)
        << " (cell 1 of the track file)\n";
    const Classi c = classifica(v);
    out << "stations:\n";
    if (c.stazioni.empty()) out << "  none\n";
    for (const int i : c.stazioni) {
        const Voce& s = v[static_cast<std::size_t>(i)];
        out << "  " << i << " " << tra_virgolette(s.nome) << ": kind " << n(s.tipo) << ", zone " << s.inizio
            << " m to " << s.fine << " m, position " << s.posizione << " m, time " << ora(s.orario) << " ("
            << campi_stazione(s) << ")\n";
    }
    out << "board texts:\n";
    if (c.cartelli.empty()) out << "  none\n";
    for (const int i : c.cartelli) out << "  entry " << i << ": " << tra_virgolette(v[static_cast<std::size_t>(i)].nome) << '\n';
    out << "parameters:\n";
    out << "  cars: " << parametri.posizione << '\n';
    out << "  braked mass: " << parametri.inizio << " %\n";
    out << "  line length: " << parametri.fine << " m\n";
    out << "  sand: " << treno.dato_a << '\n';
    out << "  clock: " << ora(3600LL * treno.dato_c + 60LL * treno.dato_d + treno.dato_e) << '\n';
    out << "  cab-signal repetition: " << codici_ripetizione(treno) << '\n';
    out << "  backgrounds: one " << linea.inizio << ", two " << linea.posizione << ", three " << linea.fine << '\n';
    const char* nomi_prog[] = {"one", "two", "three"};
    const int indici_prog[] = {indice_voce::progressiva_uno, indice_voce::progressiva_due, indice_voce::progressiva_tre};
    for (int k = 0; k < 3; ++k) {
        const Voce& p = v[static_cast<std::size_t>(indici_prog[k])];
        out << "  kilometric progressive " << nomi_prog[k] << " (entry " << indici_prog[k] << "): " << p.inizio << ", "
            << p.fine << ", " << p.posizione << '\n';
    }
    if (!c.altre.empty()) {
        out << "other entries:\n";
        for (const int i : c.altre) {
            const Voce& s = v[static_cast<std::size_t>(i)];
            out << "  entry " << i << " " << tra_virgolette(s.nome) << ": tipo " << n(s.tipo) << ", " << s.inizio
                << ", " << s.fine << ", " << s.posizione << ", orario " << s.orario << " (" << campi_stazione(s)
                << ")\n";
        }
    }
}

void testo_planimetria(std::ostream& out, const Ispezione& r) {
    const RiassuntoPlanimetria p = riassumi(*r.planimetria);
    out << r.percorso.string() << ": plan file, " << p.punti << " points per column (metres 0 to " << p.punti - 1
        << "), " << r.byte << " bytes\n";
    if (p.calcolati == 0) {
        out << "  computed: none (the plan is Empty throughout)\n";
        return;
    }
    out << "  computed: " << p.calcolati << " points (0 to " << p.calcolati - 1 << "), " << p.punti - p.calcolati
        << " Empty after them\n";
    out << "  end point: metre " << p.calcolati - 1 << " at x " << decimali(p.fine_x, 2) << " m, y "
        << decimali(p.fine_y, 2) << " m\n";
    out << "  length along the points: " << decimali(p.lunghezza, 2) << " m\n";
    out << "  heading change: " << decimali(std::abs(p.svolta), 3) << " degrees"
        << (p.svolta > 0 ? " to the right" : p.svolta < 0 ? " to the left" : "") << '\n';
    out << "  bounding box: x " << decimali(p.x_min, 2) << " to " << decimali(p.x_max, 2) << " m, y "
        << decimali(p.y_min, 2) << " to " << decimali(p.y_max, 2) << " m\n";
}

// ---- JSON ------------------------------------------------------------------

std::string json_numero(double v) {
    if (!std::isfinite(v)) return "null";
    char buf[64];
    static_cast<void>(std::snprintf(buf, sizeof buf, "%.17g", v));  // %.17g of any double fits 64 bytes
    return buf;
}

void json_corse(std::ostream& out, const std::vector<Cella>& celle, std::uint8_t Cella::*membro,
                const std::function<std::string(int)>& valore, bool solo_non_zero) {
    out << '[';
    bool primo = true;
    for (const Corsa& c : corse(celle, membro)) {
        if (solo_non_zero && c.valore == 0) continue;
        out << (primo ? "" : ",") << "{\"from\":" << c.prima * metri_cella << ",\"to\":" << (c.ultima + 1) * metri_cella
            << ",\"first_cell\":" << c.prima << ",\"last_cell\":" << c.ultima << ",\"value\":"
            << (c.valore == 0 && !solo_non_zero ? std::string("null") : valore(c.valore)) << '}';
        primo = false;
    }
    out << ']';
}

void json_percorso(std::ostream& out, const Ispezione& r) {
    const std::vector<Cella>& celle = *r.celle;
    out << "{\"file\":" << json_utf8(r.percorso.string()) << ",\"kind\":\"track\",\"bytes\":" << r.byte
        << ",\"cells\":" << celle.size() << ",\"line_length\":";
    if (r.voci_accanto) {
        out << (*r.voci_accanto)[indice_voce::parametri_treno].fine << ",\"line_length_from\":\"entry file\"";
    } else {
        out << static_cast<std::int64_t>(celle.size() - 1) * metri_cella - 7000 << ",\"line_length_from\":\"cells\"";
    }
    out << ",\"mark\":" << celle[1].valore_1 << ",\"plain_code\":" << celle[1].valore_2 << ",\"code_checked\":"
        << (r.nomi ? "true" : "false");
    if (r.nomi) {
        out << ",\"route\":" << json_testo(r.nomi->nome_percorso) << ",\"train\":" << json_testo(r.nomi->numero_treno)
            << ",\"names_from\":" << json_utf8(r.fonte_nomi);
    }
    out << ",\"features\":[";
    const Voci* voci = r.voci_accanto ? &*r.voci_accanto : nullptr;
    bool primo = true;
    for (const Oggetto& o : oggetti(celle, voci)) {
        const Cella& c = celle[static_cast<std::size_t>(o.cella)];
        out << (primo ? "" : ",") << "{\"cell\":" << o.cella << ",\"metre\":" << o.metro << ",\"kind\":\""
            << o.genere << "\",\"text\":" << json_utf8(o.parole) << ",\"tipo\":" << n(c.tipo) << ",\"values\":["
            << c.valore_1 << ',' << c.valore_2 << ',' << c.valore_3 << ',' << c.valore_4
            << "],\"signal_time\":" << n(c.tempo_segnale) << ",\"approach_mark\":" << n(c.preavviso) << '}';
        primo = false;
    }
    out << "],\"gradient_per_mille\":";
    json_corse(out, celle, &Cella::pendenza, [](int v) { return n(v - 100); }, false);
    out << ",\"speed_limit_kmh\":";
    json_corse(out, celle, &Cella::velocita_limite, [](int v) { return n(std::int64_t{v} * 5); }, false);
    out << ",\"adhesion\":";
    json_corse(out, celle, &Cella::aderenza, [](int v) { return n(v); }, false);
    out << ",\"mountain_zones\":";
    json_corse(out, celle, &Cella::montagna, [](int v) { return n(v); }, true);
    out << '}';
}

void json_voce_completa(std::ostream& out, const Voce& s) {
    out << "\"tipo\":" << n(s.tipo) << ",\"inizio\":" << s.inizio << ",\"fine\":" << s.fine
        << ",\"posizione\":" << s.posizione << ",\"prolunga\":" << n(s.prolunga) << ",\"dato_a\":" << s.dato_a
        << ",\"dato_b\":" << s.dato_b << ",\"dato_c\":" << s.dato_c << ",\"dato_d\":" << s.dato_d
        << ",\"dato_e\":" << s.dato_e << ",\"opzione_a\":" << n(s.opzione_a) << ",\"opzione_b\":" << n(s.opzione_b)
        << ",\"opzione_c\":" << n(s.opzione_c) << ",\"opzione_d\":" << n(s.opzione_d) << ",\"orario\":" << s.orario;
}

void json_voci(std::ostream& out, const Ispezione& r) {
    const Voci& v = *r.voci;
    const Voce& parametri = v[indice_voce::parametri_treno];
    const Voce& linea = v[indice_voce::linea];
    const Voce& treno = v[indice_voce::treno];
    const Classi c = classifica(v);
    out << "{\"file\":" << json_utf8(r.percorso.string()) << ",\"kind\":\"entry\",\"bytes\":" << r.byte
        << ",\"route\":" << json_testo(linea.nome) << ",\"train\":" << json_testo(treno.nome)
        << ",\"mark\":" << linea.dato_a << ",\"weighted_code\":" << linea.orario
        << ",\"plain_code_of_names\":" << codice_gara_og(treno.nome, linea.nome) << ",\"stations\":[";
    for (std::size_t k = 0; k < c.stazioni.size(); ++k) {
        const int i = c.stazioni[k];
        const Voce& s = v[static_cast<std::size_t>(i)];
        out << (k ? "," : "") << "{\"entry\":" << i << ",\"name\":" << json_testo(s.nome) << ",\"kind\":" << n(s.tipo)
            << ",\"zone_start\":" << s.inizio << ",\"zone_end\":" << s.fine << ",\"position\":" << s.posizione
            << ",\"time\":\"" << ora(s.orario) << "\",";
        json_voce_completa(out, s);
        out << '}';
    }
    out << "],\"board_texts\":[";
    for (std::size_t k = 0; k < c.cartelli.size(); ++k) {
        const int i = c.cartelli[k];
        out << (k ? "," : "") << "{\"entry\":" << i << ",\"text\":" << json_testo(v[static_cast<std::size_t>(i)].nome)
            << '}';
    }
    out << "],\"parameters\":{\"cars\":" << parametri.posizione << ",\"braked_mass_percent\":" << parametri.inizio
        << ",\"line_length\":" << parametri.fine << ",\"sand\":" << treno.dato_a << ",\"clock\":\""
        << ora(3600LL * treno.dato_c + 60LL * treno.dato_d + treno.dato_e) << "\",\"cab_signals\":{\"from\":"
        << treno.inizio << ",\"to\":" << treno.fine << ",\"codes\":" << treno.posizione
        << "},\"backgrounds\":{\"one\":" << linea.inizio << ",\"two\":" << linea.posizione
        << ",\"three\":" << linea.fine << "},\"kilometric_progressives\":[";
    const int indici_prog[] = {indice_voce::progressiva_uno, indice_voce::progressiva_due, indice_voce::progressiva_tre};
    for (int k = 0; k < 3; ++k) {
        const Voce& p = v[static_cast<std::size_t>(indici_prog[k])];
        out << (k ? "," : "") << "{\"entry\":" << indici_prog[k] << ",\"values\":[" << p.inizio << ',' << p.fine
            << ',' << p.posizione << "]}";
    }
    out << "]},\"other_entries\":[";
    for (std::size_t k = 0; k < c.altre.size(); ++k) {
        const int i = c.altre[k];
        const Voce& s = v[static_cast<std::size_t>(i)];
        out << (k ? "," : "") << "{\"entry\":" << i << ",\"name\":" << json_testo(s.nome) << ',';
        json_voce_completa(out, s);
        out << '}';
    }
    out << "]}";
}

void json_planimetria(std::ostream& out, const Ispezione& r) {
    const RiassuntoPlanimetria p = riassumi(*r.planimetria);
    out << "{\"file\":" << json_utf8(r.percorso.string()) << ",\"kind\":\"plan\",\"bytes\":" << r.byte
        << ",\"points\":" << p.punti << ",\"computed\":" << p.calcolati;
    if (p.calcolati > 0) {
        out << ",\"end_point\":{\"metre\":" << p.calcolati - 1 << ",\"x\":" << json_numero(p.fine_x)
            << ",\"y\":" << json_numero(p.fine_y) << "},\"length\":" << json_numero(p.lunghezza)
            << ",\"heading_change_degrees_right\":" << json_numero(p.svolta) << ",\"bounding_box\":{\"x_min\":"
            << json_numero(p.x_min) << ",\"x_max\":" << json_numero(p.x_max) << ",\"y_min\":" << json_numero(p.y_min)
            << ",\"y_max\":" << json_numero(p.y_max) << '}';
    }
    out << '}';
}

}  // namespace

int comando_inspect(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    bool json = false;
    std::vector<fs::path> file;
    for (std::size_t i = 1; i < a.size(); ++i) {
        if (a[i] == "--help" || a[i] == "-h") {
            out << aiuto_inspect;
            return esito_pulito;
        }
        if (a[i] == "--json") {
            json = true;
        } else if (a[i].size() > 1 && a[i][0] == '-') {
            err << "compattatore-cli: unknown option " << a[i] << "\nTry 'compattatore-cli inspect --help'.\n";
            return esito_uso;
        } else {
            file.emplace_back(a[i]);
        }
    }
    if (file.empty()) {
        err << "compattatore-cli: inspect needs at least one FILE\nTry 'compattatore-cli inspect --help'.\n";
        return esito_uso;
    }
    std::vector<Ispezione> ispezioni;
    try {
        for (const fs::path& p : file) ispezioni.push_back(ispeziona(p));
    } catch (const FileIllegibile& e) {
        err << "compattatore-cli: " << e.what() << '\n';
        return esito_uso;
    }
    std::ostringstream testo;
    if (json) {
        testo << "{\"files\":[";
        for (std::size_t k = 0; k < ispezioni.size(); ++k) {
            const Ispezione& r = ispezioni[k];
            if (k) testo << ',';
            switch (r.tipo) {
                case TipoFile::planimetria: json_planimetria(testo, r); break;
                case TipoFile::voci: json_voci(testo, r); break;
                case TipoFile::percorso: json_percorso(testo, r); break;
            }
        }
        testo << "]}\n";
    } else {
        for (std::size_t k = 0; k < ispezioni.size(); ++k) {
            const Ispezione& r = ispezioni[k];
            if (k) testo << '\n';
            switch (r.tipo) {
                case TipoFile::planimetria: testo_planimetria(testo, r); break;
                case TipoFile::voci: testo_voci(testo, r); break;
                case TipoFile::percorso: testo_percorso(testo, r); break;
            }
        }
    }
    out << testo.str();
    return esito_pulito;
}

}  // namespace compattatore::cli
