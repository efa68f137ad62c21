#include "cli/file_scenario.hpp"

#include <fstream>
#include <system_error>

#include "cli/carica.hpp"
#include "cli/significato.hpp"
#include "formato/file_percorso.hpp"
#include "formato/file_planimetria.hpp"
#include "formato/file_voci.hpp"
#include "formato/fonte.hpp"
#include "formato/riconosci.hpp"
#include "formato/segni.hpp"

namespace compattatore::cli {

namespace fs = std::filesystem;

namespace {

template <class T>
T o_errore(const fs::path& p, Decodifica<T> d) {
    if (!d) throw FileIllegibile(p.string() + ": " + d.errore().messaggio.en());
    return std::move(d.tabella());
}

// A regular file read a window at a time. Its size is the one it had when
// it was opened; a file that shrinks later reads short, which the decoder
// reports.
class FonteFile final : public Fonte {
public:
    explicit FonteFile(const fs::path& p) {
        verifica_ingresso(p);  // before opening: a FIFO would block the open
        f_.open(p, std::ios::binary);
        if (!f_) throw FileIllegibile("cannot read " + p.string() + ": it cannot be opened");
        f_.seekg(0, std::ios::end);
        const std::streamoff fine = f_.tellg();
        if (fine < 0) throw FileIllegibile("cannot read " + p.string() + ": its size cannot be told");
        dimensione_ = static_cast<std::uint64_t>(fine);
    }
    std::uint64_t dimensione() const override { return dimensione_; }
    std::size_t leggi(std::uint64_t offset, char* dst, std::size_t n) override {
        f_.clear();
        f_.seekg(static_cast<std::streamoff>(offset));
        f_.read(dst, static_cast<std::streamsize>(n));
        return static_cast<std::size_t>(f_.gcount());
    }

private:
    std::ifstream f_;
    std::uint64_t dimensione_ = 0;
};

void verifica_dimensione(const fs::path& p, std::uint64_t dimensione, TipoFile t) {
    if (dimensione <= massimo_di(t)) return;
    throw FileIllegibile("cannot read " + p.string() + ": it is larger than " + std::to_string(massimo_di(t)) +
                         " bytes, the largest " + std::string(t == TipoFile::planimetria ? "plan"
                                                              : t == TipoFile::voci      ? "entry"
                                                                                         : "track") +
                         " file");
}

}  // namespace

std::uintmax_t massimo_di(TipoFile t) {
    switch (t) {
        case TipoFile::planimetria: return static_cast<std::uintmax_t>(byte_planimetria_massimi);
        case TipoFile::voci: return static_cast<std::uintmax_t>(byte_voci_massimi);
        case TipoFile::percorso: return static_cast<std::uintmax_t>(byte_percorso_massimi);
    }
    return 0;
}

std::string leggi_binario(const fs::path& p, TipoFile t) {
    verifica_ingresso(p);
    std::error_code ec;
    const std::uintmax_t dimensione = fs::file_size(p, ec);
    if (!ec) verifica_dimensione(p, dimensione, t);
    return leggi_ingresso(p, massimo_di(t));
}

TipoFile tipo_di(const fs::path& p) {
    FonteFile fonte(p);
    const std::optional<Riconoscimento> contenuto = riconosci_contenuto(fonte);
    if (contenuto && contenuto->certo) return contenuto->tipo;
    if (const std::optional<TipoFile> nome = tipo_da_nome(p)) return *nome;
    if (contenuto) return contenuto->tipo;
    throw FileIllegibile(p.string() +
                         ": cannot tell the file kind from its content or its name (expected a plan, entry or track "
                         "file, or a name ROUTE_linea.dat, .sim or .dat)");
}

Planimetria carica_planimetria(const fs::path& p) {
    return o_errore(p, decodifica_planimetria(leggi_binario(p, TipoFile::planimetria)));
}

Voci carica_voci(const fs::path& p) { return o_errore(p, decodifica_voci(leggi_binario(p, TipoFile::voci))); }

std::vector<Cella> carica_percorso(const fs::path& p, const std::optional<NomiGara>& nomi) {
    return o_errore(p, decodifica_percorso(leggi_binario(p, TipoFile::percorso), nomi));
}

RiassuntoPlanimetria riassumi_planimetria(const fs::path& p) {
    FonteFile fonte(p);
    verifica_dimensione(p, fonte.dimensione(), TipoFile::planimetria);
    Riassuntore r;
    if (auto e = scorri_planimetria(fonte, r)) throw FileIllegibile(p.string() + ": " + e->messaggio.en());
    return r.riassunto();
}

}  // namespace compattatore::cli
