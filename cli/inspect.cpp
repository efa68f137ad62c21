#include "cli/inspect.hpp"

#include <system_error>

#include "cli/carica.hpp"

namespace compattatore::cli {

namespace fs = std::filesystem;

Ispezione ispeziona(const fs::path& p) {
    Ispezione r;
    r.percorso = p;
    verifica_ingresso(p);  // a missing file is missing, whatever its name
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

}  // namespace compattatore::cli
