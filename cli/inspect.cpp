#include "cli/inspect.hpp"

#include <system_error>

#include "cli/carica.hpp"
#include "cli/messaggi.hpp"
#include "formato/segni.hpp"
#include "model/arrotonda.hpp"

namespace compattatore::cli {

namespace fs = std::filesystem;

namespace {

bool stesso_file(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

// The entry file for the track file r: the one beside it (given or on
// disk), else the only entry file given.
void trova_voci(Ispezione& r, const std::vector<Ispezione>& tutti) {
    const fs::path accanto = voci_accanto(r.percorso);
    const Ispezione* unica = nullptr;
    int date = 0;
    for (const Ispezione& v : tutti) {
        if (v.tipo != TipoFile::voci) continue;
        if (stesso_file(v.percorso, accanto)) {
            r.percorso_accanto = v.percorso;
            if (v.voci) {
                r.voci_accanto = v.voci;
                r.fonte_nomi = "names from the entry file beside it";
            } else {
                r.nota_accanto = v.errore.en();
            }
            return;
        }
        ++date;
        unica = &v;
    }
    std::error_code ec;
    if (fs::is_regular_file(accanto, ec)) {
        r.percorso_accanto = accanto;
        try {
            r.voci_accanto = carica_voci(accanto);
            r.fonte_nomi = "names from the entry file beside it";
        } catch (const FileIllegibile& e) {
            r.nota_accanto = e.messaggio().en();
        }
        return;
    }
    if (date == 1 && unica->voci) {
        r.percorso_accanto = unica->percorso;
        r.voci_accanto = unica->voci;
        r.fonte_nomi = "names from " + unica->percorso.filename().string();
    }
}

// The cells the line length stored in an entry file gives the track.
std::int64_t celle_attese(std::int32_t lunghezza) {
    return arrotonda(std::int64_t{lunghezza} + prolungamento, 50) + 1;
}

void ispeziona_percorso(Ispezione& r, const std::vector<Ispezione>& tutti) {
    trova_voci(r, tutti);
    if (r.voci_accanto) {
        r.nomi = NomiGara{(*r.voci_accanto)[indice_voce::linea].nome, (*r.voci_accanto)[indice_voce::treno].nome};
    } else if ((r.nomi = nomi_da_nome_file(r.percorso))) {
        r.fonte_nomi = "names assumed from the file name";
    }
    r.celle = carica_percorso(r.percorso, r.nomi);
    if (!r.voci_accanto) return;
    const std::int32_t lunghezza = (*r.voci_accanto)[indice_voce::parametri_treno].fine;
    const auto celle = static_cast<std::int64_t>(r.celle->size());
    if (lunghezza < 0 || lunghezza > lunghezza_massima) {
        throw FileIllegibile(Messaggio(messaggi::cli_celle_fuori_limiti, r.percorso.string(), celle,
                                       r.percorso_accanto.string(), lunghezza, lunghezza_massima));
    }
    if (celle != celle_attese(lunghezza)) {
        throw FileIllegibile(Messaggio(messaggi::cli_celle_diverse, r.percorso.string(), celle, celle - 1, lunghezza,
                                       r.percorso_accanto.string(), celle_attese(lunghezza)));
    }
}

}  // namespace

std::vector<Ispezione> ispeziona(const std::vector<fs::path>& file) {
    std::vector<Ispezione> r(file.size());
    const auto passo = [&](std::size_t k, bool voci) {
        Ispezione& i = r[k];
        if (!i.letto() || (i.tipo == TipoFile::voci) != voci) return;
        try {
            switch (i.tipo) {
                case TipoFile::planimetria: i.planimetria = riassumi_planimetria(i.percorso); break;
                case TipoFile::voci: i.voci = carica_voci(i.percorso); break;
                case TipoFile::percorso: ispeziona_percorso(i, r); break;
            }
            std::error_code ec;
            i.byte = fs::file_size(i.percorso, ec);
        } catch (const FileIllegibile& e) {
            i.errore = e.messaggio();
            i.planimetria.reset();
            i.voci.reset();
            i.celle.reset();
        }
    };
    for (std::size_t k = 0; k < file.size(); ++k) {
        r[k].percorso = file[k];
        try {
            r[k].tipo = tipo_di(file[k]);
        } catch (const FileIllegibile& e) {
            r[k].errore = e.messaggio();
        }
    }
    // The entry files first: the track files are checked against them.
    for (std::size_t k = 0; k < file.size(); ++k) passo(k, true);
    for (std::size_t k = 0; k < file.size(); ++k) passo(k, false);
    return r;
}

}  // namespace compattatore::cli
