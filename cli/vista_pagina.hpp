// The interactive view: one self-contained HTML page (inline style, script
// and data; no external script, font, image or request, which its content
// security policy also forbids) with the map of the line and the profiles
// on a shared kilometre axis. Wheel, drag and keys pan and zoom the axis; a
// cursor on the profiles shows its point on the map; hovering a feature
// shows what it is and the file:line of its entry; a search box finds a
// station or a kilometre.
#pragma once

#include <string>

namespace compattatore::cli {

// The page, around the JSON of dati_vista; titolo is UTF-8.
std::string pagina_vista(const std::string& titolo, const std::string& dati_json);

}  // namespace compattatore::cli
