// The command-line tool's entry point.
//
// What the commands print goes to standard output and error through a
// buffer of our own over the descriptor, so that a write that fails is known
// with its reason. A failed write (a full disk, a closed file) gives exit
// status 2 and, on standard error while that still works, a line saying so.
// A reader that went away (a closed pipe) ends the run quietly: by SIGPIPE,
// its default action, as command-line tools do, or, where SIGPIPE is
// ignored, with exit status 2 and no message.
#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "cli/cli.hpp"
#include "cli/messaggi.hpp"
#include "platform/temporanei.hpp"

namespace {

// A buffered stream to a file descriptor that remembers the first failure.
class UscitaDescrittore final : public std::streambuf {
public:
    explicit UscitaDescrittore(int fd) : fd_(fd) { setp(buffer_.data(), buffer_.data() + buffer_.size()); }
    // The errno of the first failed write; 0 while every write arrived.
    int guasto() const { return guasto_; }
    bool svuota() { return sync() == 0; }

protected:
    int_type overflow(int_type c) override {
        if (sync() != 0) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override {
        const char* p = pbase();
        while (p < pptr() && guasto_ == 0) {
#ifdef _WIN32
            const auto n = ::_write(fd_, p, static_cast<unsigned>(pptr() - p));
#else
            const auto n = ::write(fd_, p, static_cast<std::size_t>(pptr() - p));
#endif
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                guasto_ = n < 0 ? errno : EIO;
                break;
            }
            p += n;
        }
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return guasto_ == 0 ? 0 : -1;
    }

private:
    int fd_;
    int guasto_ = 0;
    std::array<char, 1 << 16> buffer_{};
};

}  // namespace

int main(int argc, char** argv) {
    compattatore::installa_gestori_segnali();
#ifdef SIGPIPE
    static_cast<void>(std::signal(SIGPIPE, SIG_DFL));  // a parent may have left it ignored
#endif
    UscitaDescrittore uscita(1), errori(2);
    std::ostream out(&uscita);
    std::ostream err(&errori);
    err.setf(std::ios::unitbuf);
    std::vector<std::string> argomenti(argv + 1, argv + argc);
    int esito = compattatore::cli::esegui(argomenti, out, err);
    uscita.svuota();
    if (const int guasto = uscita.guasto(); guasto != 0) {
        esito = compattatore::cli::esito_uso;
        if (guasto != EPIPE) {
            const compattatore::Messaggio m(compattatore::messaggi::cli_uscita_persa, std::string(std::strerror(guasto)));
            err << "compattatore-cli: " << m.in(compattatore::cli::lingua_della_riga(argomenti)) << '\n';
        }
    }
    errori.svuota();
    if (errori.guasto() != 0) esito = compattatore::cli::esito_uso;
    return esito;
}
