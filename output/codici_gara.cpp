#include "output/codici_gara.hpp"

namespace compattatore {

std::int16_t codice_gara_og(std::string_view, std::string_view) { return 0; }
std::int32_t codice_gara_st(std::string_view, std::string_view) { return 0; }

}  // namespace compattatore
