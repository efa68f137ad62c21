// `compattatore-cli lsp`: the language server on standard input and output.
//
// A reader thread takes whatever arrives on standard input; the server
// thread hands everything that has queued up to the server at once, so a
// burst of changes is checked once, at its latest version, and reading never
// waits for a check.
#include "cli/comandi.hpp"
#include "cli/lingua.hpp"
#include "cli/messaggi.hpp"

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>

#include "lsp/server.hpp"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace compattatore::cli {

namespace {

// Some clients add --stdio; standard input and output is the only channel.
constexpr Opzione opzioni_lsp[] = {
    {"--stdio", "", "", messaggi::aiuto_opz_stdio},
    opzione_lingua,
};

// What the reader thread has taken from standard input.
struct Coda {
    std::mutex mutex;
    std::condition_variable arrivato;
    std::string byte;
    bool chiusa = false;
};

long leggi_ingresso(char* b, unsigned n) {
#ifdef _WIN32
    return _read(0, b, n);
#else
    return static_cast<long>(::read(0, b, n));
#endif
}

void lettore(Coda& c) {
    char b[65536];
    for (;;) {
        const long n = leggi_ingresso(b, sizeof b);
        std::lock_guard<std::mutex> chiave(c.mutex);
        if (n <= 0) {
            c.chiusa = true;
            c.arrivato.notify_one();
            return;
        }
        c.byte.append(b, static_cast<std::size_t>(n));
        c.arrivato.notify_one();
    }
}

int esegui_lsp(const Argomenti& a, std::ostream& out, std::ostream&) {
    if (!a.posizionali.empty()) throw ErroreUso("lsp", Messaggio(messaggi::uso_lsp, a.posizionali.front()));
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    lsp::Server server;
    auto coda = std::make_shared<Coda>();
    // The reader may be blocked in a read when the server ends: it is left
    // to the end of the process.
    std::thread([coda] { lettore(*coda); }).detach();
    for (;;) {
        std::string arrivati;
        bool chiusa = false;
        {
            std::unique_lock<std::mutex> chiave(coda->mutex);
            coda->arrivato.wait(chiave, [&] { return !coda->byte.empty() || coda->chiusa; });
            arrivati.swap(coda->byte);
            chiusa = coda->chiusa;
        }
        const std::string risposta = server.ricevi(arrivati);
        if (!risposta.empty()) {
            out.write(risposta.data(), static_cast<std::streamsize>(risposta.size()));
            out.flush();
        }
        if (server.terminato()) return server.uscita();
        if (chiusa) return 1;  // the editor went away without exit
    }
}

}  // namespace

const Comando comando_lsp{
    "lsp",
    "lsp",
    messaggi::aiuto_lsp_sintesi,
    opzioni_lsp,
    messaggi::aiuto_lsp_testa,
    Modello{},
    esegui_lsp,
};

}  // namespace compattatore::cli
