// Where an entry of a description text stands: for every line, its keyword
// (the first field, in lower case) and its first number, so that a drawn
// feature can be traced back to the line it came from ("LINE.txt:42").
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace compattatore::cli {

class RigheVoci {
public:
    RigheVoci() = default;
    // Indexes the text (Windows-1252, CR LF or LF line ends) named nome.
    RigheVoci(std::string nome, std::string_view testo);

    // "nome:line" of the entry whose keyword contains parola and whose first
    // number lies nearest to metro, within tolleranza metres; empty when none.
    std::string dove(std::string_view parola, double metro, double tolleranza) const;

    // "nome:line" of the n-th (from 1) entry whose keyword contains parola.
    std::string ennesima(std::string_view parola, std::size_t n) const;

private:
    struct Riga {
        double valore;
        int numero;
    };
    std::string nome_;
    std::map<std::string, std::vector<Riga>, std::less<>> per_parola_;  // in text order
};

}  // namespace compattatore::cli
