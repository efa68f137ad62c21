// The framing of the protocol: each message is a header part ("Name: value"
// lines ended by CR LF, then an empty line) followed by exactly
// Content-Length bytes of JSON.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace compattatore::lsp {

// The largest message body accepted: a document of the largest size the
// readers take, escaped, fits well below it.
inline constexpr std::size_t massimo_messaggio = std::size_t{256} * 1024 * 1024;

// What the next complete part of the stream is.
struct Pezzo {
    enum class Genere { messaggio, intestazione_guasta } genere = Genere::messaggio;
    std::string corpo;  // the JSON body, or what was wrong with the header
};

// Cuts a byte stream into messages. Bytes come in any pieces; a header
// without a valid Content-Length is given up whole (up to its empty line) and
// reported, so the stream goes on with the next header.
class Trama {
public:
    void aggiungi(std::string_view byte);
    std::optional<Pezzo> prossimo();
    std::size_t in_attesa() const { return dati_.size() - inizio_; }

private:
    std::string dati_;
    std::size_t inizio_ = 0;
};

// One message with its header.
std::string incornicia(std::string_view json);

}  // namespace compattatore::lsp
