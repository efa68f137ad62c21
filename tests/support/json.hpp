// A strict JSON syntax check for what the tools print: one value, strings
// with valid escapes and no raw control characters, numbers in JSON form,
// nothing after the value but blanks. Returns an empty string when valid.
#pragma once

#include <cctype>
#include <string>
#include <string_view>

namespace compattatore::prova {

class ControlloJson {
public:
    explicit ControlloJson(std::string_view t) : t_(t) {}

    std::string esegui() {
        try {
            spazi();
            valore();
            spazi();
            if (i_ != t_.size()) fallisci("text after the value");
        } catch (const std::string& e) {
            return e + " at byte " + std::to_string(i_);
        }
        return "";
    }

private:
    [[noreturn]] void fallisci(const std::string& m) { throw m; }
    char c() const { return i_ < t_.size() ? t_[i_] : '\0'; }
    void spazi() {
        while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\n' || t_[i_] == '\r' || t_[i_] == '\t')) ++i_;
    }
    void atteso(char x) {
        if (c() != x) fallisci(std::string("expected '") + x + "'");
        ++i_;
    }
    void parola(std::string_view w) {
        if (t_.substr(i_, w.size()) != w) fallisci("bad literal");
        i_ += w.size();
    }
    void stringa() {
        atteso('"');
        for (;;) {
            if (i_ >= t_.size()) fallisci("unterminated string");
            const auto u = static_cast<unsigned char>(t_[i_]);
            if (u < 0x20) fallisci("raw control character in a string");
            ++i_;
            if (u == '"') return;
            if (u == '\\') {
                const char e = c();
                ++i_;
                if (e == 'u') {
                    for (int k = 0; k < 4; ++k, ++i_) {
                        if (!std::isxdigit(static_cast<unsigned char>(c()))) fallisci("bad \\u escape");
                    }
                } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
                    fallisci("bad escape");
                }
            }
        }
    }
    void numero() {
        if (c() == '-') ++i_;
        if (c() == '0') {
            ++i_;
        } else if (std::isdigit(static_cast<unsigned char>(c()))) {
            while (std::isdigit(static_cast<unsigned char>(c()))) ++i_;
        } else {
            fallisci("bad number");
        }
        if (c() == '.') {
            ++i_;
            if (!std::isdigit(static_cast<unsigned char>(c()))) fallisci("bad fraction");
            while (std::isdigit(static_cast<unsigned char>(c()))) ++i_;
        }
        if (c() == 'e' || c() == 'E') {
            ++i_;
            if (c() == '+' || c() == '-') ++i_;
            if (!std::isdigit(static_cast<unsigned char>(c()))) fallisci("bad exponent");
            while (std::isdigit(static_cast<unsigned char>(c()))) ++i_;
        }
    }
    void valore() {
        switch (c()) {
            case '{': {
                ++i_;
                spazi();
                if (c() == '}') { ++i_; return; }
                for (;;) {
                    spazi();
                    stringa();
                    spazi();
                    atteso(':');
                    spazi();
                    valore();
                    spazi();
                    if (c() == ',') { ++i_; continue; }
                    atteso('}');
                    return;
                }
            }
            case '[': {
                ++i_;
                spazi();
                if (c() == ']') { ++i_; return; }
                for (;;) {
                    spazi();
                    valore();
                    spazi();
                    if (c() == ',') { ++i_; continue; }
                    atteso(']');
                    return;
                }
            }
            case '"': stringa(); return;
            case 't': parola("true"); return;
            case 'f': parola("false"); return;
            case 'n': parola("null"); return;
            default: numero(); return;
        }
    }

    std::string_view t_;
    std::size_t i_ = 0;
};

inline std::string errore_json(std::string_view t) { return ControlloJson(t).esegui(); }

}  // namespace compattatore::prova
