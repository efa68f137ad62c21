// The language server of the two descriptions, as pure message handling:
// bytes of the protocol in, bytes of the protocol out. The shell feeds it
// whatever arrived on standard input and writes what it returns.
//
// Checks are coalesced: all messages that arrived together are handled
// first, and each document that changed is checked once, at its latest
// version, before ricevi() returns. Requests that read a document answer
// from its latest text.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "lsp/campi.hpp"
#include "lsp/testo.hpp"
#include "lsp/trama.hpp"
#include "model/messaggio.hpp"

namespace compattatore::lsp {

// Reads a description from disk (Windows-1252 bytes); nullopt when absent.
using LeggiFile = std::function<std::optional<std::string>(const std::filesystem::path&)>;

// The file as it is on disk, up to the largest description the readers take.
std::optional<std::string> leggi_da_disco(const std::filesystem::path& p);

struct Documento;

class Server {
public:
    // lingua: the language of what the server says, until the client's
    // initialize names its own locale ("it", "it-IT", "en-US" ...).
    explicit Server(LeggiFile leggi = leggi_da_disco, Lingua lingua = Lingua::en);
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // Handles every complete message in what has arrived so far.
    std::string ricevi(std::string_view byte);

    bool terminato() const { return terminato_; }
    // The exit status the process ends with after "exit": 0 after a shutdown.
    int uscita() const { return chiuso_ ? 0 : 1; }

private:
    void gestisci(std::string_view corpo, std::string& uscita);
    void controlla_in_attesa(std::string& uscita);
    void segna_rotta(Documento& d);

    LeggiFile leggi_;
    Trama trama_;
    std::map<std::string, std::unique_ptr<Documento>> documenti_;
    Codifica codifica_ = Codifica::utf16;
    Lingua lingua_ = Lingua::en;
    bool iniziato_ = false;
    bool chiuso_ = false;
    bool terminato_ = false;
    bool snippet_ = false;
    bool gerarchia_ = false;
};

// The file path of a file: URI ("file:///a%20b/c.txt" is /a b/c.txt); nullopt
// for another scheme.
std::optional<std::filesystem::path> percorso_di_uri(std::string_view uri);

}  // namespace compattatore::lsp
