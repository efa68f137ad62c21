// An index outside one of the fixed or sized tables: the track, the entries,
// the plan. It says which in words, in both languages.
#pragma once

#include <stdexcept>
#include <utility>

#include "model/messaggio.hpp"

namespace compattatore {

class FuoriTabella : public std::out_of_range {
public:
    explicit FuoriTabella(Messaggio m) : std::out_of_range(m.en()), messaggio_(std::move(m)) {}
    const Messaggio& messaggio() const noexcept { return messaggio_; }

private:
    Messaggio messaggio_;
};

}  // namespace compattatore
