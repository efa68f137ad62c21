#include "cli/nomi.hpp"

namespace compattatore::cli {

namespace {
constexpr std::string_view suffisso_linea = "_linea.txt";
constexpr std::string_view suffisso_treno = "-.txt";
}  // namespace

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

}  // namespace compattatore::cli
