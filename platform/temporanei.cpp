#include "platform/temporanei.hpp"

#include <atomic>
#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#include <stdlib.h>

#include "platform/win32/windows_minimo.hpp"
#else
#include <unistd.h>
#endif

namespace compattatore {

namespace {

using Carattere = std::filesystem::path::value_type;

// A place is free (0), being filled (1: the handler passes it over) or holds
// a name to remove (2).
constexpr int libero = 0;
constexpr int in_scrittura = 1;
constexpr int pieno = 2;

constexpr int numero_posti = 32;
constexpr std::size_t lunghezza_posto = 4096;

struct Posto {
    std::atomic<int> stato{libero};
    Carattere nome[lunghezza_posto];
};

static_assert(std::atomic<int>::is_always_lock_free, "the handler reads the table without locks");

Posto tabella[numero_posti];

void rimuovi(const Carattere* nome) {
#ifdef _WIN32
    static_cast<void>(::_wunlink(nome));
#else
    static_cast<void>(::unlink(nome));
#endif
}

#ifndef _WIN32
extern "C" void al_segnale(int numero) {
    const int errore = errno;
    rimuovi_temporanei_registrati();
    // The default action, delivered as soon as this handler returns (the
    // signal is blocked while it runs).
    struct sigaction predefinita {};
    predefinita.sa_handler = SIG_DFL;
    sigemptyset(&predefinita.sa_mask);
    static_cast<void>(::sigaction(numero, &predefinita, nullptr));
    static_cast<void>(::raise(numero));
    errno = errore;
}

sigset_t segnali_di_fine() {
    sigset_t s;
    sigemptyset(&s);
    for (const int n : {SIGTERM, SIGINT, SIGHUP}) sigaddset(&s, n);
    return s;
}
#else
BOOL WINAPI al_controllo_console(DWORD evento) {
    switch (evento) {
        case CTRL_C_EVENT:
        case CTRL_BREAK_EVENT:
        case CTRL_CLOSE_EVENT:
            rimuovi_temporanei_registrati();
            ::_exit(128 + 2);  // as for SIGINT
        default: return FALSE;
    }
}
#endif

}  // namespace

PostoTemporaneo registra_temporaneo(const std::filesystem::path& percorso) {
    const auto& nome = percorso.native();
    if (nome.size() >= lunghezza_posto) return -1;
    for (int i = 0; i < numero_posti; ++i) {
        int atteso = libero;
        if (!tabella[i].stato.compare_exchange_strong(atteso, in_scrittura)) continue;
        std::memcpy(tabella[i].nome, nome.c_str(), (nome.size() + 1) * sizeof(Carattere));
        tabella[i].stato.store(pieno);
        return i;
    }
    return -1;
}

void libera_temporaneo(PostoTemporaneo posto) {
    if (posto >= 0 && posto < numero_posti) tabella[posto].stato.store(libero);
}

void rimuovi_temporanei_registrati() {
    for (Posto& p : tabella) {
        if (p.stato.load() == pieno) rimuovi(p.nome);
    }
}

void installa_gestori_segnali() {
#ifdef _WIN32
    static_cast<void>(::SetConsoleCtrlHandler(al_controllo_console, TRUE));
#else
    struct sigaction ignora {};
    ignora.sa_handler = SIG_IGN;
    sigemptyset(&ignora.sa_mask);
    static_cast<void>(::sigaction(SIGXFSZ, &ignora, nullptr));

    struct sigaction gestore {};
    gestore.sa_handler = al_segnale;
    gestore.sa_mask = segnali_di_fine();  // one handler at a time
    for (const int n : {SIGTERM, SIGINT, SIGHUP}) {
        // A signal ignored by whoever started the process stays ignored
        // (nohup, a background job of a shell without job control).
        struct sigaction prima {};
        if (::sigaction(n, nullptr, &prima) == 0 && prima.sa_handler == SIG_IGN) continue;
        static_cast<void>(::sigaction(n, &gestore, nullptr));
    }
#endif
}

#ifdef _WIN32
SegnaliTrattenuti::SegnaliTrattenuti() = default;
SegnaliTrattenuti::~SegnaliTrattenuti() = default;
#else
SegnaliTrattenuti::SegnaliTrattenuti() {
    const sigset_t fine = segnali_di_fine();
    static_cast<void>(::sigprocmask(SIG_BLOCK, &fine, &prima_));
}
SegnaliTrattenuti::~SegnaliTrattenuti() { static_cast<void>(::sigprocmask(SIG_SETMASK, &prima_, nullptr)); }
#endif

}  // namespace compattatore
