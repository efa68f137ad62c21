// A strict little XML checker for the documents the tools write: one root
// element, balanced tags, quoted and unique attributes, only the predefined
// entities and character references, no markup characters in text. It
// returns the elements with their attributes so that a test can look for
// the ones it expects.
#pragma once

#include <cctype>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace compattatore::prova {

struct ElementoXml {
    std::string nome;
    std::map<std::string, std::string> attributi;
    int profondita = 0;
};

struct EsitoXml {
    std::string errore;  // empty when the document is well formed
    std::vector<ElementoXml> elementi;

    std::size_t conta(std::string_view nome, std::string_view attributo, std::string_view valore) const {
        std::size_t n = 0;
        for (const ElementoXml& e : elementi) {
            if (e.nome != nome) continue;
            const auto it = e.attributi.find(std::string(attributo));
            if (it != e.attributi.end() && it->second == valore) ++n;
        }
        return n;
    }
    const ElementoXml* trova(std::string_view attributo, std::string_view valore) const {
        for (const ElementoXml& e : elementi) {
            const auto it = e.attributi.find(std::string(attributo));
            if (it != e.attributi.end() && it->second == valore) return &e;
        }
        return nullptr;
    }
};

inline EsitoXml analizza_xml(std::string_view t) {
    EsitoXml r;
    std::size_t i = 0;
    std::vector<std::string> pila;
    bool radice_vista = false;
    auto errore = [&](const std::string& m) {
        r.errore = m + " at byte " + std::to_string(i);
        return r;
    };
    auto nome_ok = [](char c, bool primo) {
        const auto u = static_cast<unsigned char>(c);
        return std::isalpha(u) || c == '_' || c == ':' || (!primo && (std::isdigit(u) || c == '-' || c == '.'));
    };
    auto leggi_nome = [&]() {
        const std::size_t a = i;
        while (i < t.size() && nome_ok(t[i], i == a)) ++i;
        return std::string(t.substr(a, i - a));
    };
    auto spazi = [&]() {
        while (i < t.size() && (t[i] == ' ' || t[i] == '\n' || t[i] == '\r' || t[i] == '\t')) ++i;
    };
    // An entity or character reference at t[i] == '&'.
    auto riferimento = [&]() {
        const std::size_t fine = t.find(';', i);
        if (fine == std::string_view::npos) return false;
        const std::string_view ref = t.substr(i + 1, fine - i - 1);
        static const std::set<std::string_view> note = {"amp", "lt", "gt", "quot", "apos"};
        bool ok = note.count(ref) > 0;
        if (!ok && ref.size() > 1 && ref[0] == '#') {
            ok = true;
            const bool esa = ref[1] == 'x';
            for (std::size_t k = esa ? 2 : 1; k < ref.size(); ++k) {
                const auto u = static_cast<unsigned char>(ref[k]);
                ok = ok && (esa ? std::isxdigit(u) : std::isdigit(u));
            }
        }
        i = fine + 1;
        return ok;
    };
    if (t.substr(0, 5) == "<?xml") {
        const std::size_t fine = t.find("?>");
        if (fine == std::string_view::npos) return errore("unterminated XML declaration");
        i = fine + 2;
    }
    while (i < t.size()) {
        if (t[i] != '<') {
            if (t[i] == '&') {
                if (!riferimento()) return errore("bad reference");
                continue;
            }
            if (t[i] == '>') return errore("'>' in text");
            if (pila.empty() && !std::isspace(static_cast<unsigned char>(t[i]))) return errore("text outside the root");
            ++i;
            continue;
        }
        if (t.substr(i, 4) == "<!--") {
            const std::size_t fine = t.find("-->", i + 4);
            if (fine == std::string_view::npos) return errore("unterminated comment");
            i = fine + 3;
            continue;
        }
        if (t.substr(i, 2) == "</") {
            i += 2;
            const std::string nome = leggi_nome();
            spazi();
            if (i >= t.size() || t[i] != '>') return errore("bad end tag");
            ++i;
            if (pila.empty() || pila.back() != nome) return errore("end tag </" + nome + "> does not match");
            pila.pop_back();
            continue;
        }
        ++i;
        ElementoXml e;
        e.nome = leggi_nome();
        if (e.nome.empty()) return errore("missing element name");
        if (pila.empty() && radice_vista) return errore("second root element");
        radice_vista = true;
        e.profondita = static_cast<int>(pila.size());
        for (;;) {
            const std::size_t prima = i;
            spazi();
            if (i >= t.size()) return errore("unterminated tag");
            if (t[i] == '>' || t.substr(i, 2) == "/>") break;
            if (i == prima) return errore("no blank before an attribute");
            const std::string a = leggi_nome();
            if (a.empty()) return errore("bad attribute name");
            spazi();
            if (i >= t.size() || t[i] != '=') return errore("attribute without '='");
            ++i;
            spazi();
            if (i >= t.size() || (t[i] != '"' && t[i] != '\'')) return errore("unquoted attribute");
            const char q = t[i++];
            std::string v;
            while (i < t.size() && t[i] != q) {
                if (t[i] == '<') return errore("'<' in an attribute value");
                if (t[i] == '&') {
                    const std::size_t a0 = i;
                    if (!riferimento()) return errore("bad reference");
                    v += t.substr(a0, i - a0);
                    continue;
                }
                v += t[i++];
            }
            if (i >= t.size()) return errore("unterminated attribute value");
            ++i;
            if (!e.attributi.emplace(a, v).second) return errore("attribute " + a + " twice");
        }
        const bool vuoto = t[i] == '/';
        i += vuoto ? 2 : 1;
        if (!vuoto) pila.push_back(e.nome);
        r.elementi.push_back(std::move(e));
    }
    if (!pila.empty()) return errore("<" + pila.back() + "> is not closed");
    if (!radice_vista) return errore("no root element");
    return r;
}

}  // namespace compattatore::prova
