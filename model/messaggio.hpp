// What the tool says to a user, in Italian or in English.
//
// Every text of a diagnostic, an error, a usage line or a help is written
// once, as a Modello: a name, the English wording and the Italian one, both
// UTF-8, where {0} to {9} stand for the arguments (each wording uses the same
// ones, in the order its language wants). The messages of a layer are the
// rows of its messaggi.def (or several messaggi_*.def), MESSAGGIO(name, english, italian) each, and its
// messaggi.hpp makes them constants; the catalogue test reads every list and
// holds the two wordings to the same placeholders.
//
// A Messaggio is a Modello with its arguments. It is put into words only when
// it is shown, in the language of whoever reads it. An argument is a
// Messaggio too: a nested message (the cause of an error), or a literal text
// that is the same in both languages (a number, a path, a keyword, the
// system's own error text). The author's words, taken from a description, are
// Windows-1252: `citato` turns them into UTF-8 first.
//
// Files the tool writes never depend on the language; only what it says does.
#pragma once

#include <concepts>
#include <cstdint>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace compattatore {

enum class Lingua { it, en };

struct Modello {
    std::string_view nome;  // the row's name, for tests and tools
    std::string_view en;
    std::string_view it;

    constexpr std::string_view in(Lingua l) const { return l == Lingua::it ? it : en; }
};

// The row of a messaggi.def as a constant of its layer's namespace.
#define COMPATTATORE_MESSAGGIO(nome, en, it) inline constexpr ::compattatore::Modello nome{#nome, en, it};

class Messaggio {
public:
    Messaggio() = default;  // no text

    template <class... A>
    explicit Messaggio(const Modello& m, A&&... argomenti) : modello_(&m) {
        argomenti_.reserve(sizeof...(A));
        (argomenti_.push_back(argomento(std::forward<A>(argomenti))), ...);
    }

    // A text that reads the same in both languages (UTF-8).
    static Messaggio letterale(std::string testo);
    // The author's words (Windows-1252), shown as they are written.
    static Messaggio citato(std::string_view testo_1252);

    // The words, UTF-8.
    std::string in(Lingua l) const;
    std::string en() const { return in(Lingua::en); }

    bool vuoto() const { return modello_ == nullptr && testo_.empty(); }
    const Modello* modello() const { return modello_; }  // nullptr for a literal
    const std::vector<Messaggio>& argomenti() const { return argomenti_; }

    bool operator==(const Messaggio& o) const;
    // Compares the English words, for tests and for the tool's own matching.
    friend bool operator==(const Messaggio& m, std::string_view en) { return m.en() == en; }
    friend bool operator==(const Messaggio& m, const std::string& en) { return m.en() == en; }
    friend bool operator==(const Messaggio& m, const char* en) { return m.en() == en; }

private:
    static Messaggio argomento(Messaggio m) { return m; }
    static Messaggio argomento(const std::string& s) { return letterale(s); }
    static Messaggio argomento(std::string_view s) { return letterale(std::string(s)); }
    static Messaggio argomento(const char* s) { return letterale(s); }
    template <class T>
        requires(std::integral<T> && !std::same_as<T, bool> && !std::same_as<T, char>)
    static Messaggio argomento(T n) {
        return letterale(std::to_string(n));
    }

    void componi(std::string& out, Lingua l) const;

    const Modello* modello_ = nullptr;
    std::string testo_;                  // a literal's text
    std::vector<Messaggio> argomenti_;   // a model's arguments
};

// Test output: the English words, quoted.
void PrintTo(const Messaggio& m, std::ostream* os);
// The English words, for logs and test failures; what a user reads is in(lingua).
std::ostream& operator<<(std::ostream& os, const Messaggio& m);

// An error whose words come in both languages; what() gives the English.
class Errore : public std::runtime_error {
public:
    explicit Errore(Messaggio m) : std::runtime_error(m.en()), messaggio_(std::move(m)) {}
    const Messaggio& messaggio() const noexcept { return messaggio_; }

private:
    Messaggio messaggio_;
};

// The words of any exception: an Errore's message, else what() as a literal.
Messaggio messaggio_di(const std::exception& e);

}  // namespace compattatore
