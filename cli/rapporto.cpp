#include "cli/rapporto.hpp"

#include "cli/testo.hpp"
#include "output/compila.hpp"

namespace compattatore::cli {

namespace {

const std::string& file_di(const Rapporto& r, const Diagnostica& d) {
    return d.sorgente == Sorgente::linea ? r.percorso_linea : r.percorso_treno;
}

std::string luogo(const Rapporto& r, const Diagnostica& d) {
    std::string s = file_di(r, d);
    if (d.riga > 0) {
        s += ':';
        s += std::to_string(d.riga);
        s += ':';
        s += std::to_string(d.colonna);
    }
    return s;
}

}  // namespace

std::string riga_diagnostica(const Rapporto& r, const Diagnostica& d) {
    std::string s = luogo(r, d) + ": " + (d.avviso() ? "warning " : "error ") + std::to_string(d.numero()) + ": " +
                    utf8_da_1252(d.messaggio);
    if (d.cella && d.posizione) {
        s += " (cell " + std::to_string(*d.cella) + ", " + std::to_string(*d.posizione) + " m)";
    } else if (d.cella) {
        s += " (cell " + std::to_string(*d.cella) + ")";
    } else if (d.posizione) {
        s += " (" + std::to_string(*d.posizione) + " m)";
    }
    return s;
}

void stampa_testo(const Rapporto& r, std::ostream& err) {
    for (const Diagnostica& d : r.diagnostiche) err << riga_diagnostica(r, d) << '\n';
    if (r.arresto != Stato::nessuno) {
        err << r.percorso_treno << ": error " << numero(r.arresto) << ": "
            << (r.arresto == Stato::marchio_occupato ? "the file-mark slots are already taken (cell 1 or entry 85)"
                                                     : "the competition-code slots are already taken (cell 1 or entry 85)")
            << "; no file written\n";
    }
}

void stampa_json(const Rapporto& r, std::ostream& out) {
    out << "{\"codice_errore\":" << numero(r.codice_errore) << ",\"posizione_errore\":" << r.posizione_errore
        << ",\"arresto\":" << numero(r.arresto) << ",\"rifiutato\":" << (r.rifiutato ? "true" : "false")
        << ",\"diagnostiche\":[";
    bool primo = true;
    for (const Diagnostica& d : r.diagnostiche) {
        if (!primo) out << ',';
        primo = false;
        out << "{\"file\":" << json_utf8(file_di(r, d)) << ",\"line\":" << d.riga << ",\"column\":" << d.colonna
            << ",\"number\":" << d.numero() << ",\"severity\":\"" << (d.avviso() ? "warning" : "error")
            << "\",\"message\":" << json_testo(d.messaggio) << ",\"position\":";
        if (d.posizione) out << *d.posizione; else out << "null";
        out << ",\"cell\":";
        if (d.cella) out << *d.cella; else out << "null";
        out << '}';
    }
    out << "],\"files\":[";
    primo = true;
    for (const std::string& f : r.file_scritti) {
        if (!primo) out << ',';
        primo = false;
        out << json_utf8(f);
    }
    out << "]}\n";
}

}  // namespace compattatore::cli
