// The readable report of inspect: one block per file.
#include <cmath>
#include <cstdio>

#include "cli/inspect.hpp"
#include "cli/significato.hpp"
#include "cli/testo.hpp"
#include "formato/codici_gara.hpp"

namespace compattatore::cli {

namespace {

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
            << tra_virgolette(r.nomi->nome_percorso) << " (" << r.fonte_nomi << ")\n";
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
    const RiassuntoPlanimetria& p = *r.planimetria;
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

}  // namespace

void testo_ispezione(std::ostream& out, const Ispezione& r) {
    switch (r.tipo) {
        case TipoFile::planimetria: testo_planimetria(out, r); break;
        case TipoFile::voci: testo_voci(out, r); break;
        case TipoFile::percorso: testo_percorso(out, r); break;
    }
}

}  // namespace compattatore::cli
