#include "formato/nomi_file.hpp"

namespace compattatore {

namespace fs = std::filesystem;

namespace {
constexpr std::string_view suffisso_linea = "_linea.txt";
constexpr std::string_view suffisso_treno = "-.txt";
constexpr std::string_view suffisso_planimetria = "_linea.dat";
constexpr std::string_view estensione_voci = ".sim";
constexpr std::string_view estensione_percorso = ".dat";
}  // namespace

std::string nome_file(File f, std::string_view nome_percorso, std::string_view numero_treno) {
    std::string linea(nome_percorso);
    std::string treno = linea + "_" + std::string(numero_treno);
    switch (f) {
        case File::descrizione_linea: return linea + std::string(suffisso_linea);
        case File::descrizione_treno: return treno + std::string(suffisso_treno);
        case File::note: return treno + "_note.txt";
        case File::rallentamenti: return treno + "_rallentamenti.txt";
        case File::scheda_treno: return treno + "_scheda_treno.txt";
        case File::planimetria: return linea + std::string(suffisso_planimetria);
        case File::voci: return treno + std::string(estensione_voci);
        case File::percorso: return treno + std::string(estensione_percorso);
    }
    return {};
}

std::optional<std::string> percorso_da_linea(std::string_view nome_file) {
    if (nome_file.size() <= suffisso_linea.size() || !nome_file.ends_with(suffisso_linea)) return std::nullopt;
    return std::string(nome_file.substr(0, nome_file.size() - suffisso_linea.size()));
}

std::optional<std::string> treno_da_descrizione(std::string_view nome_file, std::string_view nome_percorso) {
    const std::string prefisso = std::string(nome_percorso) + "_";
    if (!nome_file.starts_with(prefisso) || !nome_file.ends_with(suffisso_treno)) return std::nullopt;
    if (nome_file.size() <= prefisso.size() + suffisso_treno.size()) return std::nullopt;
    return std::string(nome_file.substr(prefisso.size(), nome_file.size() - prefisso.size() - suffisso_treno.size()));
}

std::optional<std::string> nome_non_valido(std::string_view nome) {
    if (nome.empty()) return "it is empty";
    if (nome.find("..") != std::string_view::npos) return "it contains \"..\"";
    for (const char c : nome) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) return "it contains a control character";
        switch (c) {
            case '/':
            case '\\': return "it contains a path separator";
            case '<':
            case '>':
            case ':':
            case '"':
            case '|':
            case '?':
            case '*': return std::string("it contains '") + c + "', which Windows forbids in file names";
            default: break;
        }
    }
    return std::nullopt;
}

std::optional<TipoFile> tipo_da_nome(const fs::path& p) {
    const std::string nome = p.filename().string();
    if (nome.size() > suffisso_planimetria.size() && nome.ends_with(suffisso_planimetria)) return TipoFile::planimetria;
    if (nome.size() > estensione_voci.size() && nome.ends_with(estensione_voci)) return TipoFile::voci;
    if (nome.size() > estensione_percorso.size() && nome.ends_with(estensione_percorso)) return TipoFile::percorso;
    return std::nullopt;
}

fs::path voci_accanto(const fs::path& percorso) {
    fs::path v = percorso;
    v.replace_extension(estensione_voci);
    return v;
}

std::optional<NomiGara> nomi_da_nome_file(const fs::path& percorso) {
    const std::string radice = percorso.stem().string();
    const std::size_t u = radice.rfind('_');
    if (u == std::string::npos || u == 0 || u + 1 == radice.size()) return std::nullopt;
    return NomiGara{radice.substr(0, u), radice.substr(u + 1)};
}

}  // namespace compattatore
