// Tokenises the exported scenario's two descriptions with the editor's own
// grammar engine and checks the scope of each kind of field.
// Environment: SCENARIO, the folder `compattatore-cli export` wrote.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import vsctm from 'vscode-textmate';
import oniguruma from 'vscode-oniguruma';

const require = createRequire(import.meta.url);
const qui = dirname(fileURLToPath(import.meta.url));
const sintassi = join(qui, '..', '..', 'editors', 'vscode', 'syntaxes');
const scenario = process.env.SCENARIO;

const wasm = readFileSync(require.resolve('vscode-oniguruma/release/onig.wasm')).buffer;
const onig = oniguruma.loadWASM(wasm).then(() => ({
  createOnigScanner: (p) => new oniguruma.OnigScanner(p),
  createOnigString: (s) => new oniguruma.OnigString(s),
}));
const registro = new vsctm.Registry({
  onigLib: onig,
  loadGrammar: async (scope) => {
    const file = { 'source.compattatore.linea': 'linea.tmLanguage.json', 'source.compattatore.treno': 'treno.tmLanguage.json' }[scope];
    return file ? vsctm.parseRawGrammar(readFileSync(join(sintassi, file), 'utf8'), join(sintassi, file)) : null;
  },
});

// Every token of a text as [text, innermost scope].
async function tokenizza(scope, testo) {
  const g = await registro.loadGrammar(scope);
  let stato = vsctm.INITIAL;
  const righe = [];
  for (const riga of testo.split(/\r\n|\n|\r/)) {
    const r = g.tokenizeLine(riga, stato);
    righe.push(r.tokens.map((t) => [riga.slice(t.startIndex, t.endIndex), t.scopes[t.scopes.length - 1]]));
    stato = r.ruleStack;
  }
  return righe;
}

// The scope of the token `pezzo` on the first line that starts with `inizio`.
function scopo(righe, inizio, pezzo) {
  const riga = righe.find((r) => r.map((t) => t[0]).join('').startsWith(inizio));
  assert.ok(riga, `no line starts with ${inizio}`);
  const t = riga.find((x) => x[0].trim() === pezzo);
  assert.ok(t, `no token ${pezzo} in ${JSON.stringify(riga)}`);
  return t[1].replace(/\.compattatore\.(linea|treno)$/, '');
}

const leggi = (nome) => readFileSync(join(scenario, nome), 'latin1');

test('the line description: headers, keywords, numbers, text values, comment fields', async () => {
  const testo = leggi('Valmora PR_Valmora PF_linea.txt') + '- a comment field, pendenza, 100, -7\r\n';
  const r = await tokenizza('source.compattatore.linea', testo);
  const casi = [
    ['[generale]', '[generale]', 'entity.name.section'],
    ['[curve]', '[curve]', 'entity.name.section'],
    ['lunghezza percorso', 'lunghezza percorso', 'keyword.other.entry'],
    ['lunghezza percorso', '93000', 'constant.numeric.integer'],
    ['ripetizione segnali', '1300', 'constant.numeric.integer'],
    ['curvas3', 'curvas3', 'keyword.other.entry'],
    ['pendenza', 'pendenza', 'keyword.other.entry'],
    ['indicatori_vmax', '60', 'constant.numeric.integer'],
    ['cartello_indicatore', 'cartello_indicatore', 'keyword.other.entry'],
    ['cartello_indicatore', '19950', 'constant.numeric.integer'],
    ['cartello_indicatore', '(Cippo Km.)( 20+000  )', 'string.unquoted.text'],
    ['- a comment', '- a comment field', 'comment.line.field'],
    ['- a comment', 'pendenza', 'keyword.other.entry'],
    ['- a comment', '-7', 'constant.numeric.integer'],
  ];
  for (const [riga, pezzo, atteso] of casi) assert.equal(scopo(r, riga, pezzo), atteso, `${pezzo} on ${riga}`);
});

test('the train description: station names are text, blank-separated clock values are numbers', async () => {
  const r = await tokenizza('source.compattatore.treno', leggi('Valmora PR_Valmora PF_5286-.txt'));
  const casi = [
    ['[stazioni]', '[stazioni]', 'entity.name.section'],
    ['orologio', '40', 'constant.numeric.integer'],
    ['stazione,   85950', 'stazione', 'keyword.other.entry'],
    ['stazione,   85950', '85950', 'constant.numeric.integer'],
    ['stazione,   85950', 'VALMORA P.R.', 'string.unquoted.text'],
    ['segnale', '238', 'constant.numeric.integer'],
    ['velocita,   86300', '80', 'constant.numeric.integer'],
  ];
  for (const [riga, pezzo, atteso] of casi) assert.equal(scopo(r, riga, pezzo), atteso, `${pezzo} on ${riga}`);
});

test('a malformed number is marked invalid', async () => {
  const r = await tokenizza('source.compattatore.treno', '[generale]\r\nsabbia, 1x2\r\n');
  assert.equal(scopo(r, 'sabbia', '1x2'), 'invalid.illegal.value');
});
