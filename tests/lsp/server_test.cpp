// The language server's message handling, in process: a table of exchanges
// (messages sent, what the answer must hold), and the behaviours that need a
// sequence (coalescing, line and train pairing, encodings, framing).
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "describe/dati_linea.hpp"
#include "describe/dati_treno.hpp"
#include "lsp/server.hpp"
#include "lsp/trama.hpp"

namespace compattatore::lsp {
namespace {

using nlohmann::json;

const std::string uri_linea = "file:///scen/Valmora%20PR_Valmora%20PF_linea.txt";
const std::string uri_treno = "file:///scen/Valmora%20PR_Valmora%20PF_5286-.txt";

// Files "on disk" for the server: none unless a test puts some there.
struct Disco {
    std::map<std::string, std::string> file;
    LeggiFile lettore() {
        return [this](const std::filesystem::path& p) -> std::optional<std::string> {
            auto it = file.find(p.generic_string());
            if (it == file.end()) return std::nullopt;
            return it->second;
        };
    }
};

std::string msg(const json& j) { return incornicia(j.dump()); }
json richiesta(int id, const std::string& metodo, json parametri = json::object()) {
    return {{"jsonrpc", "2.0"}, {"id", id}, {"method", metodo}, {"params", std::move(parametri)}};
}
json notifica(const std::string& metodo, json parametri = json::object()) {
    return {{"jsonrpc", "2.0"}, {"method", metodo}, {"params", std::move(parametri)}};
}
json apri(const std::string& uri, const std::string& testo, int versione = 1) {
    return notifica("textDocument/didOpen",
                    {{"textDocument", {{"uri", uri}, {"languageId", "plaintext"}, {"version", versione}, {"text", testo}}}});
}
json cambia(const std::string& uri, const std::string& testo, int versione) {
    return notifica("textDocument/didChange", {{"textDocument", {{"uri", uri}, {"version", versione}}},
                                               {"contentChanges", json::array({{{"text", testo}}})}});
}
json inizia(json capacita = json::object()) { return richiesta(1, "initialize", {{"capabilities", std::move(capacita)}}); }

// The messages in what the server wrote.
std::vector<json> messaggi(const std::string& byte) {
    Trama t;
    t.aggiungi(byte);
    std::vector<json> r;
    while (auto p = t.prossimo()) r.push_back(json::parse(p->corpo));
    return r;
}

std::vector<json> scambia(Server& s, const std::vector<json>& m) {
    std::string b;
    for (const json& x : m) b += msg(x);
    return messaggi(s.ricevi(b));
}

const json* risposta(const std::vector<json>& m, int id) {
    for (const json& x : m) {
        if (x.contains("id") && x["id"] == id && !x.contains("method")) return &x;
    }
    return nullptr;
}

std::vector<json> pubblicati(const std::vector<json>& m, const std::string& uri) {
    std::vector<json> r;
    for (const json& x : m) {
        if (x.value("method", "") == "textDocument/publishDiagnostics" && x["params"]["uri"] == uri) r.push_back(x["params"]);
    }
    return r;
}

std::string treno_con(std::string_view da, std::string_view a) {
    std::string t = testo_treno();
    t.replace(t.find(da), da.size(), a);
    return t;
}

// --- The table: each case sends its messages after initialize and checks
// the answer to request 2 (or, with id 0, that nothing at all is answered).
struct Caso {
    const char* nome;
    std::vector<json> messaggi;
    std::function<void(const json& risposta)> verifica;
};

json hover_a(int riga, int carattere, const std::string& uri = uri_treno) {
    return richiesta(2, "textDocument/hover",
                     {{"textDocument", {{"uri", uri}}}, {"position", {{"line", riga}, {"character", carattere}}}});
}

// A small line: the same keyword in the general section and after it, and a
// gradient.
const std::string linea_piccola =
    "[generale]\r\nlunghezza percorso, 10000\r\nsfondo uno, 1\r\n[curve]\r\nsfondo uno, 1\r\n"
    "[pendenze]\r\npendenza, 1500, 8\r\nripetizione segnali 4 codici, 0, 0\r\n[fine]\r\n";

json formatta_richiesta(int id, const std::string& uri) {
    return richiesta(id, "textDocument/formatting",
                     {{"textDocument", {{"uri", uri}}}, {"options", {{"tabSize", 4}, {"insertSpaces", true}}}});
}

std::string valore_hover(const json& r) { return r["result"]["contents"]["value"].get<std::string>(); }

std::vector<Caso> casi() {
    const std::string treno = testo_treno();
    const json doc{{"textDocument", {{"uri", uri_treno}}}};
    return {
        {"hover on a station names its fields and what it marks",
         {apri(uri_treno, treno), hover_a(11, 12)},
         [](const json& r) {
             const std::string v = valore_hover(r);
             EXPECT_NE(v.find("**stazione**"), std::string::npos) << v;
             EXPECT_NE(v.find("**stazione**: station"), std::string::npos) << v;
             EXPECT_NE(v.find("**posizione**: 85950 m (position of the station; multiple of 50 (status 8)"),
                       std::string::npos) << v;
             EXPECT_NE(v.find("- tipo: 12 (station kind"), std::string::npos) << v;
             EXPECT_NE(v.find("Zone from 85,800 m to 86,100 m"), std::string::npos) << v;
             EXPECT_NE(v.find("Stops at cell 1721"), std::string::npos) << v;
             EXPECT_NE(v.find("81 on cell 1720"), std::string::npos) << v;
             EXPECT_NE(v.find("Time 13:41:00"), std::string::npos) << v;
             EXPECT_EQ(r["result"]["range"]["start"], (json{{"line", 11}, {"character", 0}}));
         }},
        {"hover on a signal gives its cell, aspects and approach marks",
         {apri(uri_treno, treno), hover_a(15, 3)},
         [](const json& r) {
             const std::string v = valore_hover(r);
             // The metre of a signal's cell is the signal's, as inspect names it.
             EXPECT_NE(v.find("On cell 1733 (86,600 m)"), std::string::npos) << v;
             EXPECT_NE(v.find("Aspects 20, 30, 0"), std::string::npos) << v;
             EXPECT_NE(v.find("61 on cell 1731, 62 on cell 1729, 63 on cell 1727, 64 on cell 1725"), std::string::npos) << v;
             EXPECT_NE(v.find("Time 238 s"), std::string::npos) << v;
         }},
        {"hover on the clock reads blank-separated numbers",
         {apri(uri_treno, treno), hover_a(4, 2)},
         [](const json& r) { EXPECT_NE(valore_hover(r).find("Starts at 13:40:45"), std::string::npos) << valore_hover(r); }},
        {"hover on a gradient gives its cell and metre",
         {apri(uri_linea, linea_piccola), hover_a(6, 3, uri_linea)},
         [](const json& r) {
             const std::string v = valore_hover(r);
             EXPECT_NE(v.find("**pendenza**: gradient (line, feature part)"), std::string::npos) << v;
             EXPECT_NE(v.find("Gradient 8 \u2030 from 1,500 m, cell 30 (1,500 m)."), std::string::npos) << v;
         }},
        {"hover on a general entry in the general section explains it",
         {apri(uri_linea, linea_piccola), hover_a(2, 3, uri_linea)},
         [](const json& r) { EXPECT_NE(valore_hover(r).find("**sfondo uno**"), std::string::npos) << r; }},
        {"hover on a general entry past the general section is null, as the reader ignores it",
         {apri(uri_linea, linea_piccola), hover_a(4, 3, uri_linea)},
         [](const json& r) { EXPECT_TRUE(r["result"].is_null()) << r; }},
        {"hover off any entry is null",
         {apri(uri_treno, treno + "\r\n\r\n"), hover_a(19, 0)},
         [](const json& r) { EXPECT_TRUE(r["result"].is_null()) << r; }},
        {"completion offers the train's keywords and headers",
         {apri(uri_treno, treno), richiesta(2, "textDocument/completion", {{"textDocument", {{"uri", uri_treno}}}, {"position", {{"line", 0}, {"character", 0}}}})},
         [](const json& r) {
             std::map<std::string, json> per_nome;
             for (const json& e : r["result"]["items"]) per_nome[e["label"]] = e;
             ASSERT_TRUE(per_nome.count("segnale"));
             EXPECT_EQ(per_nome["segnale"]["insertText"],
                       "segnale, ${1:posizione}, ${2:sx}, ${3:s1}, ${4:s2}, ${5:s3}, ${6:rapp}, ${7:dx}, ${8:d1}, ${9:d2}, ${10:d3}, ${11:tempo}");
             EXPECT_EQ(per_nome["segnale"]["detail"], "signal");
             EXPECT_EQ(per_nome["segnale"]["insertTextFormat"], 2);
             EXPECT_TRUE(per_nome.count("[stazioni]"));
             EXPECT_FALSE(per_nome.count("pendenza")) << "a line entry offered in a train";
         }},
        {"completion in a line writes a keyword the reader accepts",
         {apri(uri_linea, linea_piccola), richiesta(2, "textDocument/completion", {{"textDocument", {{"uri", uri_linea}}}, {"position", {{"line", 0}, {"character", 0}}}})},
         [](const json& r) {
             std::map<std::string, json> per_nome;
             for (const json& e : r["result"]["items"]) per_nome[e["label"]] = e;
             ASSERT_TRUE(per_nome.count("ripetizione segnali"));
             // Without its digit the keyword is refused (no code system).
             EXPECT_EQ(per_nome["ripetizione segnali"]["insertText"], "ripetizione segnali 4 codici, ${1:inizio}, ${2:fine}");
             EXPECT_EQ(per_nome["curva"]["insertText"], "curva${1|s,d|}${2|1,2,3,4,5,6|}, ${3:inizio}, ${4:lunghezza}");
             EXPECT_FALSE(per_nome.count("stazione")) << "a train entry offered in a line";
         }},
        {"formatting gives the whole text in the canonical layout as one edit",
         {apri(uri_treno, treno), formatta_richiesta(2, uri_treno)},
         [](const json& r) {
             ASSERT_TRUE(r["result"].is_array()) << r;
             ASSERT_EQ(r["result"].size(), 1u);
             const json& e = r["result"][0];
             EXPECT_EQ(e["range"]["start"], (json{{"line", 0}, {"character", 0}}));
             // The text ends with a line end: the range ends on the empty line after it.
             EXPECT_EQ(e["range"]["end"], (json{{"line", 18}, {"character", 0}}));
             const std::string t = e["newText"];
             EXPECT_NE(t.find("numero vetture,               2\r\n"), std::string::npos) << t;
             EXPECT_NE(t.find("VALMORA P.R."), std::string::npos) << t;
         }},
        {"formatting a text the files cannot hold is null",
         {apri(uri_treno, treno + "\u20ac\u0100\r\n"), formatta_richiesta(2, uri_treno)},
         [](const json& r) { EXPECT_TRUE(r["result"].is_null()) << r; }},
        {"document symbols: sections, stations by name, the signal by kilometre",
         {apri(uri_treno, treno), richiesta(2, "textDocument/documentSymbol", doc)},
         [](const json& r) {
             std::vector<std::string> nomi;
             for (const json& s : r["result"]) {
                 nomi.push_back(s["name"]);
                 for (const json& f : s["children"]) nomi.push_back("  " + f["name"].get<std::string>());
             }
             const std::vector<std::string> attesi{"[generale]", "[aderenze]", "[vel_limite]", "[stazioni]", "  VALMORA P.R.",
                                                   "  VALMORA P.F.", "[rallentamenti]", "[segnali]", "  segnale km 86.600",
                                                   "[codici]", "[fine]"};
             EXPECT_EQ(nomi, attesi);
         }},
        {"inlay hints name the value fields of the long entries in the range",
         {apri(uri_treno, treno), richiesta(2, "textDocument/inlayHint", {{"textDocument", {{"uri", uri_treno}}},
                                                                          {"range", {{"start", {{"line", 0}, {"character", 0}}}, {"end", {{"line", 11}, {"character", 0}}}}}})},
         [](const json& r) {
             ASSERT_EQ(r["result"].size(), 17u);  // one station, nothing for the short entries
             EXPECT_EQ(r["result"][0]["label"], "posizione:");
             EXPECT_EQ(r["result"][0]["position"], (json{{"line", 11}, {"character", 12}}));
             EXPECT_EQ(r["result"][16]["label"], "nome:");
         }},
        {"an unknown request is MethodNotFound",
         {richiesta(2, "textDocument/frobnicate")},
         [](const json& r) { EXPECT_EQ(r["error"]["code"], -32601); }},
        {"a request with malformed parameters is InvalidParams",
         {richiesta(2, "textDocument/hover", {{"textDocument", 7}})},
         [](const json& r) { EXPECT_EQ(r["error"]["code"], -32602); }},
        {"a request for a document not open is answered with null",
         {hover_a(0, 0)},
         [](const json& r) { EXPECT_TRUE(r["result"].is_null()); }},
        {"shutdown answers null; later requests are refused",
         {richiesta(3, "shutdown"), hover_a(0, 0)},
         [](const json& r) { EXPECT_EQ(r["error"]["code"], -32600); }},
    };
}

TEST(ServerLsp, TabellaDiRichieste) {
    for (const Caso& c : casi()) {
        SCOPED_TRACE(c.nome);
        Server s([](const std::filesystem::path&) { return std::optional<std::string>(); });
        std::vector<json> m{inizia(json{{"textDocument", {{"completion", {{"completionItem", {{"snippetSupport", true}}}}},
                                                          {"documentSymbol", {{"hierarchicalDocumentSymbolSupport", true}}}}}}),
                            notifica("initialized")};
        m.insert(m.end(), c.messaggi.begin(), c.messaggi.end());
        const std::vector<json> out = scambia(s, m);
        const json* r = risposta(out, 2);
        ASSERT_NE(r, nullptr);
        c.verifica(*r);
    }
}

TEST(ServerLsp, InizializzazioneECodificaDellePosizioni) {
    struct Riga {
        json capacita;
        const char* codifica;
    };
    for (const Riga& x : std::vector<Riga>{{json::object(), "utf-16"},
                                           {json{{"general", {{"positionEncodings", {"utf-16"}}}}}, "utf-16"},
                                           {json{{"general", {{"positionEncodings", {"utf-32", "utf-8"}}}}}, "utf-8"}}) {
        Server s;
        const auto out = scambia(s, {inizia(x.capacita)});
        ASSERT_NE(risposta(out, 1), nullptr);
        const json& cap = (*risposta(out, 1))["result"]["capabilities"];
        EXPECT_EQ(cap["positionEncoding"], x.codifica);
        EXPECT_TRUE(cap["hoverProvider"]);
        EXPECT_TRUE(cap["documentFormattingProvider"]);
        EXPECT_TRUE(cap["inlayHintProvider"]);
    }
}

TEST(ServerLsp, PrimaDiInitializeLeRichiesteSonoRifiutate) {
    Server s;
    const auto out = scambia(s, {richiesta(5, "textDocument/hover"), apri(uri_treno, "x")});
    ASSERT_EQ(out.size(), 1u);  // the notification is dropped
    EXPECT_EQ(out[0]["error"]["code"], -32002);
}

TEST(ServerLsp, IngressiMalformati) {
    struct Riga {
        const char* nome;
        std::string byte;
        int codice;  // 0: nothing answered
    };
    const std::vector<Riga> righe{
        {"not JSON", incornicia("{nope"), -32700},
        {"JSON but not an object", incornicia("[1,2]"), -32600},
        {"neither method nor id", incornicia(R"({"jsonrpc":"2.0"})"), -32600},
        {"an id that is an object", incornicia(R"({"jsonrpc":"2.0","id":{},"method":"x"})"), -32600},
        {"a header without Content-Length", "Content-Type: x\r\n\r\n", -32700},
        {"a Content-Length that is not a number", "Content-Length: 1e3\r\n\r\n", -32700},
        {"a body larger than the server takes", "Content-Length: 99999999999\r\n\r\n", -32700},
        {"invalid UTF-8 in a string", incornicia("{\"jsonrpc\":\"2.0\",\"id\":9,\"method\":\"\xff\"}"), -32700},
        {"an unknown notification", incornicia(R"({"jsonrpc":"2.0","method":"$/cancelRequest","params":{"id":1}})"), 0},
        {"a response from the client", incornicia(R"({"jsonrpc":"2.0","id":4,"result":null})"), 0},
        {"a notification with malformed parameters", incornicia(R"({"jsonrpc":"2.0","method":"textDocument/didOpen","params":3})"), 0},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        Server s;
        scambia(s, {inizia()});
        const std::vector<json> out = messaggi(s.ricevi(r.byte));
        if (r.codice == 0) {
            EXPECT_TRUE(out.empty());
        } else {
            ASSERT_EQ(out.size(), 1u);
            EXPECT_EQ(out[0]["error"]["code"], r.codice);
        }
        // The stream goes on: the next request is answered.
        const auto dopo = scambia(s, {richiesta(7, "shutdown")});
        ASSERT_NE(risposta(dopo, 7), nullptr);
        EXPECT_TRUE((*risposta(dopo, 7))["result"].is_null());
    }
}

TEST(ServerLsp, MessaggiSpezzatiInPezziQualsiasi) {
    Server s;
    const std::string b = msg(inizia()) + msg(richiesta(2, "shutdown"));
    std::string out;
    for (const char c : b) out += s.ricevi(std::string_view(&c, 1));
    const auto m = messaggi(out);
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[1]["id"], 2);
}

TEST(ServerLsp, ExitDopoShutdownEsceConZeroSenzaConUno) {
    for (const bool chiudi : {true, false}) {
        Server s;
        std::vector<json> m{inizia()};
        if (chiudi) m.push_back(richiesta(2, "shutdown"));
        m.push_back(notifica("exit"));
        m.push_back(richiesta(3, "shutdown"));  // after exit: not handled
        const auto out = scambia(s, m);
        EXPECT_TRUE(s.terminato());
        EXPECT_EQ(s.uscita(), chiudi ? 0 : 1);
        EXPECT_EQ(risposta(out, 3), nullptr);
    }
}

TEST(ServerLsp, UnErroreDelTrenoHaIlCampoComeIntervallo) {
    Disco disco;
    disco.file["/scen/Valmora PR_Valmora PF_linea.txt"] = testo_linea();
    Server s(disco.lettore());
    scambia(s, {inizia()});
    auto out = scambia(s, {apri(uri_treno, treno_con("stazione,   85950", "stazione,   85975"), 4)});
    auto p = pubblicati(out, uri_treno);
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0]["version"], 4);
    ASSERT_EQ(p[0]["diagnostics"].size(), 1u);
    const json& d = p[0]["diagnostics"][0];
    EXPECT_EQ(d["code"], 8);
    EXPECT_EQ(d["severity"], 1);
    // The station's position, the value refused.
    EXPECT_EQ(d["range"], (json{{"start", {{"line", 11}, {"character", 12}}}, {"end", {{"line", 11}, {"character", 17}}}}));
    EXPECT_NE(d["message"].get<std::string>().find("85975"), std::string::npos);

    // Fixed: the diagnostics are cleared.
    out = scambia(s, {cambia(uri_treno, testo_treno(), 5)});
    p = pubblicati(out, uri_treno);
    ASSERT_EQ(p.size(), 1u);
    EXPECT_TRUE(p[0]["diagnostics"].empty());
}

// The checks on meaning reach the editor too: a misspelt keyword, which the
// format skips in silence, is a warning at its field, named by its class.
TEST(ServerLsp, UnaParolaChiaveSbagliataEUnAvvisoDellaSuaClasse) {
    Disco disco;
    disco.file["/scen/Valmora PR_Valmora PF_linea.txt"] = testo_linea();
    Server s(disco.lettore());
    scambia(s, {inizia()});
    auto out = scambia(s, {apri(uri_treno, treno_con("stazione,   85950", "stazoine,   85950"), 1)});
    auto p = pubblicati(out, uri_treno);
    ASSERT_EQ(p.size(), 1u);
    bool trovato = false;
    for (const json& d : p[0]["diagnostics"]) {
        if (d["code"] != "unknown-entry") continue;
        trovato = true;
        EXPECT_EQ(d["severity"], 2);
        EXPECT_EQ(d["range"]["start"], (json{{"line", 11}, {"character", 0}}));
        EXPECT_NE(d["message"].get<std::string>().find("stazione"), std::string::npos) << d.dump();
    }
    EXPECT_TRUE(trovato) << p[0].dump(1);
}

TEST(ServerLsp, UnTrenoSenzaLineaLoDice) {
    Server s([](const std::filesystem::path&) { return std::optional<std::string>(); });
    scambia(s, {inizia()});
    const auto p = pubblicati(scambia(s, {apri(uri_treno, testo_treno())}), uri_treno);
    ASSERT_EQ(p.size(), 1u);
    ASSERT_EQ(p[0]["diagnostics"].size(), 1u);
    EXPECT_NE(p[0]["diagnostics"][0]["message"].get<std::string>().find("Valmora PR_Valmora PF_linea.txt"), std::string::npos);
}

TEST(ServerLsp, LaCopiaApertaDellaLineaVinceSulDiscoEUnSuoCambioRicontrollaIlTreno) {
    Disco disco;
    disco.file["/scen/Valmora PR_Valmora PF_linea.txt"] = testo_linea();
    Server s(disco.lettore());
    scambia(s, {inizia(), apri(uri_treno, testo_treno())});
    // A line of 80 km, open in the editor: its last curves run past it, so
    // the train is not read; the train says so.
    std::string corta = testo_linea();
    corta.replace(corta.find("93000"), 5, "80000");
    auto out = scambia(s, {apri(uri_linea, corta)});
    ASSERT_EQ(pubblicati(out, uri_linea).size(), 1u);
    auto p = pubblicati(out, uri_treno);
    ASSERT_EQ(p.size(), 1u) << "the open train is re-checked";
    ASSERT_EQ(p[0]["diagnostics"].size(), 1u) << p[0];
    EXPECT_EQ(p[0]["diagnostics"][0]["code"], 103);
    EXPECT_EQ(p[0]["diagnostics"][0]["severity"], 2);
    EXPECT_NE(p[0]["diagnostics"][0]["message"].get<std::string>().find("not checked"), std::string::npos);
    // Closed, the line on disk counts again.
    out = scambia(s, {notifica("textDocument/didClose", {{"textDocument", {{"uri", uri_linea}}}})});
    p = pubblicati(out, uri_treno);
    ASSERT_EQ(p.size(), 1u);
    EXPECT_TRUE(p[0]["diagnostics"].empty()) << p[0];
}

TEST(ServerLsp, UnaRafficaDiCambiVieneControllataUnaVoltaSola) {
    Server s([](const std::filesystem::path&) { return std::optional<std::string>(); });
    scambia(s, {inizia(), apri(uri_linea, testo_linea())});
    std::vector<json> raffica;
    for (int v = 2; v < 100; ++v) raffica.push_back(cambia(uri_linea, testo_linea(), v));
    raffica.push_back(cambia(uri_linea, "[generale]\r\nlunghezza percorso, 2000000\r\n[fine]\r\n", 100));
    const auto p = pubblicati(scambia(s, raffica), uri_linea);
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0]["version"], 100);
    ASSERT_EQ(p[0]["diagnostics"].size(), 1u);
    EXPECT_EQ(p[0]["diagnostics"][0]["code"], 1);
}

TEST(ServerLsp, UnTestoGiaFormattatoNonHaModifiche) {
    Server s([](const std::filesystem::path&) { return std::optional<std::string>(); });
    scambia(s, {inizia(), apri(uri_linea, testo_linea())});
    const auto risposte = scambia(s, {formatta_richiesta(2, uri_linea)});
    const json* prima = risposta(risposte, 2);
    ASSERT_NE(prima, nullptr);
    ASSERT_EQ((*prima)["result"].size(), 1u) << *prima;
    const std::string formattato = (*prima)["result"][0]["newText"];
    const auto dopo = scambia(s, {cambia(uri_linea, formattato, 2), formatta_richiesta(3, uri_linea)});
    const json* r = risposta(dopo, 3);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ((*r)["result"], json::array());
    // The formatted line still compiles clean.
    const auto p = pubblicati(dopo, uri_linea);
    ASSERT_EQ(p.size(), 1u);
    EXPECT_TRUE(p[0]["diagnostics"].empty()) << p[0];
}

TEST(ServerLsp, CambiIncrementaliNellaCodificaConcordata) {
    // "è" is one UTF-16 unit and two UTF-8 bytes; "😀" two units and four bytes.
    struct Riga {
        json capacita;
        int carattere;  // where the "x" after the two characters starts
    };
    for (const Riga& x : std::vector<Riga>{{json::object(), 3}, {json{{"general", {{"positionEncodings", {"utf-8"}}}}}, 6}}) {
        Server s([](const std::filesystem::path&) { return std::optional<std::string>(); });
        scambia(s, {inizia(x.capacita)});
        const std::string uri = "file:///scen/R_linea.txt";
        auto out = scambia(s, {apri(uri, "[generale]\r\n\xc3\xa8\xf0\x9f\x98\x80x\r\n")});
        auto p = pubblicati(out, uri);
        ASSERT_EQ(p.size(), 1u);
        // The emoji has no Windows-1252 byte: reported at its place.
        bool trovato = false;
        for (const json& d : p[0]["diagnostics"]) {
            if (d["message"].get<std::string>().find("U+1F600") == std::string::npos) continue;
            trovato = true;
            EXPECT_EQ(d["range"]["start"], (json{{"line", 1}, {"character", x.carattere == 3 ? 1 : 2}}));
            EXPECT_EQ(d["range"]["end"], (json{{"line", 1}, {"character", x.carattere}}));
        }
        EXPECT_TRUE(trovato) << p[0];
        // Replace the "x" with a length entry: the editor's position in its unit.
        json r{{"start", {{"line", 1}, {"character", x.carattere}}}, {"end", {{"line", 1}, {"character", x.carattere + 1}}}};
        out = scambia(s, {notifica("textDocument/didChange",
                                   {{"textDocument", {{"uri", uri}, {"version", 2}}},
                                    {"contentChanges", json::array({{{"range", r}, {"text", ",\r\nlunghezza percorso, 2000000"}}})}})});
        p = pubblicati(out, uri);
        ASSERT_EQ(p.size(), 1u);
        bool lunghezza = false;
        for (const json& d : p[0]["diagnostics"]) lunghezza = lunghezza || d["code"] == 1;
        EXPECT_TRUE(lunghezza) << p[0];
    }
}

TEST(ServerLsp, UnDocumentoDiTrentaMegaNonFermaIlServer) {
    Server s([](const std::filesystem::path&) { return std::optional<std::string>(); });
    scambia(s, {inizia()});
    std::string grande = "[generale]\r\nlunghezza percorso, 1000000\r\n[pendenze]\r\n";
    while (grande.size() < std::size_t{30} * 1024 * 1024) grande += "- a comment line that the reader skips, 1, 2, 3, 4\r\n";
    const auto out = scambia(s, {apri("file:///scen/G_linea.txt", grande), richiesta(2, "shutdown")});
    EXPECT_EQ(pubblicati(out, "file:///scen/G_linea.txt").size(), 1u);
    EXPECT_NE(risposta(out, 2), nullptr);
}

// With an Italian locale the server says everything in Italian: its own
// diagnostics, the hover (the guide's words and its own), its protocol errors.
TEST(ServerLsp, ConLocaleItalianoParlaItaliano) {
    Disco disco;
    Server s(disco.lettore());
    scambia(s, {richiesta(1, "initialize", {{"capabilities", json::object()}, {"locale", "it-IT"}})});

    // A train without its line.
    auto p = pubblicati(scambia(s, {apri(uri_treno, testo_treno())}), uri_treno);
    ASSERT_EQ(p.size(), 1u);
    ASSERT_EQ(p[0]["diagnostics"].size(), 1u);
    EXPECT_EQ(p[0]["diagnostics"][0]["message"],
              "nessuna descrizione della linea Valmora PR_Valmora PF_linea.txt è aperta o accanto a questo file: il "
              "treno non è controllato");

    // A line the train runs past: refused, and the train not checked past it.
    std::string corta = testo_linea();
    corta.replace(corta.find("93000"), 5, "80000");
    p = pubblicati(scambia(s, {apri(uri_linea, corta)}), uri_treno);
    ASSERT_EQ(p.size(), 1u);
    ASSERT_EQ(p[0]["diagnostics"].size(), 1u) << p[0];
    const std::string rifiutata = p[0]["diagnostics"][0]["message"];
    EXPECT_EQ(rifiutata.rfind("la descrizione della linea Valmora PR_Valmora PF_linea.txt:", 0), 0u) << rifiutata;
    EXPECT_TRUE(rifiutata.ends_with("): il treno non è controllato oltre")) << rifiutata;

    // The hover of a gradient.
    scambia(s, {notifica("textDocument/didClose", {{"textDocument", {{"uri", uri_linea}}}}), apri(uri_linea, linea_piccola)});
    const auto out = scambia(s, {hover_a(6, 3, uri_linea)});
    ASSERT_NE(risposta(out, 2), nullptr);
    const std::string v = valore_hover(*risposta(out, 2));
    EXPECT_NE(v.find("Pendenza 8 \u2030 da 1,500 m, cella 30 (1,500 m)."), std::string::npos) << v;
    EXPECT_EQ(v.find("Gradient"), std::string::npos) << v;

    // A protocol error.
    const auto errore = scambia(s, {richiesta(3, "textDocument/nessuno")});
    ASSERT_NE(risposta(errore, 3), nullptr);
    EXPECT_EQ((*risposta(errore, 3))["error"]["message"], "metodo sconosciuto: textDocument/nessuno");
}

TEST(ServerLsp, UriDiFile) {
    EXPECT_EQ(percorso_di_uri("file:///a%20b/c_linea.txt"), std::filesystem::path("/a b/c_linea.txt"));
    EXPECT_EQ(percorso_di_uri("file://host/x"), std::filesystem::path("/x"));
    EXPECT_EQ(percorso_di_uri("untitled:Untitled-1"), std::nullopt);
    EXPECT_EQ(percorso_di_uri("file:///bad%zz"), std::filesystem::path("/bad%zz"));
}

}  // namespace
}  // namespace compattatore::lsp
