#include "cli/vista_pagina.hpp"

#include "cli/svg.hpp"

namespace compattatore::cli {

namespace {

constexpr const char* stile = R"CSS(
body{margin:0;font-family:sans-serif;color:#222;background:#fff}
header{display:flex;flex-wrap:wrap;align-items:center;gap:4px 12px;padding:6px 16px;border-bottom:1px solid #ddd;height:52px;overflow:hidden}
#readout{display:inline-block;min-width:420px;white-space:nowrap}
h1{font-size:18px;margin:0}
#banner{display:none;background:#fdecea;color:#b71c1c;border:1px solid #b71c1c;padding:4px 8px;font-weight:bold;font-size:13px;margin:4px 16px}
#where{font-size:13px;color:#555;min-width:260px}
#search{font-size:13px;padding:2px 6px;width:220px}
#found{font-size:12px;color:#b71c1c}
.help{font-size:12px;color:#666}
svg{display:block;user-select:none}
svg line,svg rect[fill=none]{pointer-events:none}
#profiles{cursor:crosshair}
#profiles.dragging{cursor:grabbing}
#tip{position:fixed;display:none;pointer-events:none;background:#fffbe6;border:1px solid #c9b458;padding:4px 6px;font-size:12px;max-width:480px;white-space:pre-line;box-shadow:0 1px 3px rgba(0,0,0,.2)}
text{font-size:10px}
.ptitle{font-size:12px;font-weight:bold;fill:#555}
.axis{font-size:11px;fill:#444}
)CSS";

constexpr const char* script = R"JS(
'use strict';
const D = JSON.parse(document.getElementById('data').textContent);
const NS = 'http://www.w3.org/2000/svg';
const W = 1400, L = 100, R = 40, PW = W - L - R;
const P = {elev: [24, 120], grad: 152, speed: [190, 120], str: [340, 60], feat: [430, 150], axis: 580};
const C = {station: '#1f5fbf', signal: '#c62828', 'speed-board': '#2e7d32', 'text-board': '#7b1fa2', warning: '#b71c1c',
  'code-point': '#37474f', slowdown: '#fb8c00', limit: '#00838f', elev: '#6d4c41', cab: '#5e35b1', prog: '#00695c'};
const ROW = {station: P.feat[0] + 22, 'speed-board': P.feat[0] + 62, 'text-board': P.feat[0] + 62, signal: P.feat[0] + 100,
  warning: P.speed[0] + 6, 'code-point': P.feat[0] + 136};
const PLURAL = {station: 'stations', signal: 'signals', 'speed-board': 'boards', 'text-board': 'boards', warning: 'warnings'};
const feats = D.features.map((f, i) => Object.assign({i}, f)).sort((a, b) => a.m - b.m);
let v0 = D.from, v1 = D.to;
const MIN_SPAN = 500;
const svgP = document.getElementById('profiles'), svgM = document.getElementById('map');
const tip = document.getElementById('tip'), where = document.getElementById('where');

function el(parent, name, attrs, text) {
  const e = document.createElementNS(NS, name);
  for (const k in attrs) e.setAttribute(k, attrs[k]);
  if (text !== undefined) e.textContent = text;
  parent.appendChild(e);
  return e;
}
const X = m => L + (m - v0) / (v1 - v0) * PW;
const M = x => v0 + (x - L) / PW * (v1 - v0);
const km = m => { const t = (m / 1000).toFixed(3); return t.replace(/\.?0+$/, '') || '0'; };
function width(t, size) {
  let em = 0;
  for (const ch of t) {
    if (ch >= 'A' && ch <= 'Z') em += 0.74; else if (ch >= 'a' && ch <= 'z') em += (ch === 'm' || ch === 'w') ? 0.9 : 0.6;
    else if (ch >= '0' && ch <= '9') em += 0.64; else if (' .,:|\'/'.includes(ch)) em += 0.36; else em += 0.8;
  }
  return em * size + 2;
}

// Boxes taken, bucketed along x.
class Taken {
  constructor() { this.b = new Map(); }
  keys(r) { const a = Math.floor(r[0] / 64), z = Math.floor(r[2] / 64), k = []; for (let i = a; i <= z; i++) k.push(i); return k; }
  free(r) {
    for (const k of this.keys(r)) for (const q of this.b.get(k) || [])
      if (r[0] < q[2] && q[0] < r[2] && r[1] < q[3] && q[1] < r[3]) return false;
    return true;
  }
  take(r) { for (const k of this.keys(r)) { if (!this.b.has(k)) this.b.set(k, []); this.b.get(k).push(r); } }
}

// Labels in lanes, with a leader line when off their point; groups where no lane has room.
function place(g, items, lanes, taken, color, xmin, xmax) {
  const size = 10;
  const tryAt = (x, y0, t) => {
    const w = width(t, size);
    for (const base of lanes) {
      for (const sx of [x - w / 2, x + 5, x - 5 - w]) {
        const lx = Math.min(Math.max(sx, xmin), xmax - w);
        if (lx < xmin - 0.01) continue;
        const box = [lx - 1.5, base - size * 0.86 - 1.5, lx + w + 1.5, base + size * 0.26 + 1.5];
        if (!taken.free(box)) continue;
        const lead = y0 > box[3] ? [x - 0.5, box[3], x + 0.5, y0 - 10] : y0 < box[1] ? [x - 0.5, y0 + 10, x + 0.5, box[1]] : null;
        if (lead && lead[3] > lead[1] && !taken.free(lead)) continue;
        taken.take(box);
        if (lead && lead[3] > lead[1]) taken.take(lead);
        return {lx, base, box, lead};
      }
    }
    return null;
  };
  let i = 0;
  while (i < items.length) {
    const it = items[i];
    const p = tryAt(it.x, it.y, it.t);
    if (p) {
      const gg = el(g, 'g', {'data-tip': it.tip});
      if (p.lead) el(gg, 'line', {x1: it.x, y1: it.y, x2: it.x, y2: p.lead[1] === it.y + 10 ? p.box[1] : p.box[3], stroke: color, 'stroke-width': 0.8, 'stroke-opacity': 0.6});
      el(gg, 'text', {x: p.lx, y: p.base, fill: color, class: 'label'}, it.t);
      i++;
      continue;
    }
    let done = false;
    for (let j = i + 2; j <= items.length && j - i <= 300; j++) {
      const t = (j - i) + ' ' + it.plural;
      const q = tryAt((items[i].x + items[j - 1].x) / 2, lanes[0], t);
      if (q) {
        const gg = el(g, 'g', {'data-tip': items.slice(i, j).map(a => a.tip).join('\n'), class: 'label-group'});
        el(gg, 'text', {x: q.lx, y: q.base, fill: color, class: 'label', 'font-style': 'italic'}, t);
        i = j; done = true; break;
      }
    }
    if (!done) i++;
  }
}

function tipOf(f) { return f.d + '\n' + f.s; }

function drawMap() {
  const pts = D.map;
  svgM.innerHTML = '';
  const H = 300;
  el(svgM, 'rect', {x: 0, y: 0, width: W, height: H, fill: '#fbfbf8', stroke: '#bbb'});
  if (pts.length < 2) { el(svgM, 'text', {x: W / 2, y: H / 2, 'text-anchor': 'middle', class: 'label'}, 'no plan: the line was compiled without one'); return; }
  const a = pts[0], z = pts[pts.length - 1];
  let ang = Math.atan2(z[2] - a[2], z[1] - a[1]);
  if (Math.hypot(z[2] - a[2], z[1] - a[1]) < 1) ang = 0;
  let best = null;
  for (let k = -18; k <= 18; k++) {
    const t = ang + k * Math.PI / 36, c = Math.cos(t), s = Math.sin(t);
    let u0 = 1e300, u1 = -1e300, w0 = 1e300, w1 = -1e300;
    for (const p of pts) { const u = p[1] * c + p[2] * s, w = -p[1] * s + p[2] * c; u0 = Math.min(u0, u); u1 = Math.max(u1, u); w0 = Math.min(w0, w); w1 = Math.max(w1, w); }
    const sc = Math.min((W - 160) / Math.max(u1 - u0, 1), (H - 120) / Math.max(w1 - w0, 1));
    if (!best || sc > best.sc * 1.02) best = {c, s, sc, u0, u1, w0, w1};
  }
  const b = best;
  const proj = p => [W / 2 + (p[1] * b.c + p[2] * b.s - (b.u0 + b.u1) / 2) * b.sc, H / 2 - (-p[1] * b.s + p[2] * b.c - (b.w0 + b.w1) / 2) * b.sc];
  mapXY = m => {
    let lo = 0, hi = pts.length - 1;
    while (hi - lo > 1) { const mid = (lo + hi) >> 1; if (pts[mid][0] <= m) lo = mid; else hi = mid; }
    const p = pts[lo], q = pts[hi], f = q[0] > p[0] ? Math.min(Math.max((m - p[0]) / (q[0] - p[0]), 0), 1) : 0;
    const A = proj(p), B = proj(q);
    return [A[0] + (B[0] - A[0]) * f, A[1] + (B[1] - A[1]) * f];
  };
  el(svgM, 'path', {d: 'M' + pts.map(p => proj(p).map(v => v.toFixed(1)).join(' ')).join(' L'), fill: 'none', stroke: '#333', 'stroke-width': 3, 'stroke-linejoin': 'round'});
  el(svgM, 'path', {id: 'map-window', fill: 'none', stroke: '#ffb300', 'stroke-width': 7, 'stroke-opacity': 0.6});
  el(svgM, 'text', {x: 8, y: 18, class: 'ptitle'}, 'Map of the line: the stretch in view is highlighted');
  const taken = new Taken();
  taken.take([0, 0, 8 + width('Map of the line: the stretch in view is highlighted', 12) * 1.12, 24]);
  const items = [];
  const g = el(svgM, 'g', {});
  for (const f of feats) {
    if (f.k !== 'station') continue;
    const [x, y] = mapXY(f.m);
    el(g, 'circle', {cx: x, cy: y, r: 5, fill: '#fff', stroke: C.station, 'stroke-width': 2.5, 'data-tip': tipOf(f), class: 'feature'});
    taken.take([x - 6, y - 6, x + 6, y + 6]);
    items.push({x, y, t: f.t.replace(/ \d\d:\d\d:\d\d$/, ''), tip: tipOf(f), plural: 'stations'});
  }
  for (const it of items) {
    const gl = el(g, 'g', {});
    place(gl, [it], [it.y - 14, it.y - 28, it.y - 42, it.y + 22, it.y + 36], taken, C.station, 4, W - 4);
    if (!gl.childNodes.length) gl.remove();
  }
  mapCursor = el(svgM, 'circle', {r: 7, fill: '#ffb300', stroke: '#333', 'stroke-width': 1.5, visibility: 'hidden', id: 'map-cursor', 'pointer-events': 'none'});
}
let mapXY = () => [0, 0], mapCursor = null;

function yTicks(g, y0, h, lo, hi, unit, title) {
  const step = niceStep(hi - lo, 4);
  for (let v = Math.ceil(lo / step) * step; v <= hi + 1e-9; v += step) {
    const y = y0 + h - (v - lo) / (hi - lo) * h;
    el(g, 'line', {x1: L, x2: L + PW, y1: y, y2: y, stroke: '#e4e4e4'});
    el(g, 'text', {x: L - 6, y: y + 4, 'text-anchor': 'end', class: 'axis label'}, String(Math.round(v * 100) / 100));
  }
  el(g, 'text', {x: L + 6, y: y0 - 6, class: 'ptitle label'}, title + ' (' + unit + ')');
}
function niceStep(span, n) {
  const raw = span / n, p = Math.pow(10, Math.floor(Math.log10(raw)));
  for (const m of [1, 2, 5, 10]) if (m * p >= raw) return m * p;
  return 10 * p;
}
function frame(g, y, h) { el(g, 'rect', {x: L, y, width: PW, height: h, fill: 'none', stroke: '#bbb'}); }

function render() {
  svgP.innerHTML = '';
  const g = el(svgP, 'g', {});
  const taken = new Taken();
  const clipId = 'clip';
  const defs = el(g, 'defs', {});
  el(el(defs, 'clipPath', {id: clipId}), 'rect', {x: L, y: 0, width: PW, height: P.axis});
  // Elevation: per-pixel min and max of the points in view.
  const e = D.elevation, i0 = Math.max(0, Math.floor(v0 / 50)), i1 = Math.min(e.length - 1, Math.ceil(v1 / 50));
  let lo = Infinity, hi = -Infinity;
  for (let i = i0; i <= i1; i++) { lo = Math.min(lo, e[i]); hi = Math.max(hi, e[i]); }
  if (hi - lo < 20) { const c = (hi + lo) / 2; lo = c - 10; hi = c + 10; }
  const st = niceStep(hi - lo, 4); lo = Math.floor(lo / st) * st; hi = Math.ceil(hi / st) * st;
  const YE = v => P.elev[0] + P.elev[1] - (v - lo) / (hi - lo) * P.elev[1];
  yTicks(g, P.elev[0], P.elev[1], lo, hi, 'm', 'Elevation from the gradients');
  const cols = new Map();
  for (let i = i0; i <= i1; i++) {
    const x = Math.round(X(i * 50));
    const c = cols.get(x); const y = YE(e[i]);
    if (!c) cols.set(x, [y, y, y]); else { c[0] = Math.min(c[0], y); c[1] = Math.max(c[1], y); c[2] = y; }
  }
  let d = '';
  for (const [x, c] of cols) d += (d ? ' L' : 'M') + x + ' ' + c[0].toFixed(1) + (c[1] !== c[0] ? ' L' + x + ' ' + c[1].toFixed(1) : '');
  el(g, 'path', {d, fill: 'none', stroke: C.elev, 'stroke-width': 2, 'clip-path': 'url(#clip)', id: 'elevation'});
  frame(g, P.elev[0], P.elev[1]);
  // Gradients.
  const gg = el(g, 'g', {'clip-path': 'url(#clip)'});
  for (const [a, b, v] of D.gradients) {
    if (b < v0 || a > v1) continue;
    const xa = X(Math.max(a, v0)), xb = X(Math.min(b, v1));
    el(gg, 'rect', {x: xa, y: P.grad, width: Math.max(xb - xa, 0.5), height: 16, fill: v > 0 ? '#f4c7a1' : v < 0 ? '#b9d7ee' : '#eee', 'data-tip': 'gradient ' + v + ' \u2030 from ' + km(a) + ' km to ' + km(b) + ' km'});
    const t = (v > 0 ? '+' : '') + v + '\u2030';
    if (xb - xa > width(t, 10) + 4) el(gg, 'text', {x: (xa + xb) / 2, y: P.grad + 12, 'text-anchor': 'middle', class: 'label'}, t);
  }
  el(g, 'text', {x: L - 6, y: P.grad + 12, 'text-anchor': 'end', class: 'axis label'}, '\u2030');
  // Speed limit and slowdowns.
  let vmax = 0;
  for (const r of D.limits) vmax = Math.max(vmax, r[2]);
  for (const r of D.slowdowns) vmax = Math.max(vmax, r[2]);
  const sst = niceStep(vmax + 10, 4), top = Math.max(2 * sst, Math.ceil((vmax + 50) / sst) * sst);
  const YS = v => P.speed[0] + P.speed[1] - v / top * P.speed[1];
  yTicks(g, P.speed[0], P.speed[1], 0, top, 'km/h', 'Speed limit, slowdowns and their warning boards');
  const sg = el(g, 'g', {'clip-path': 'url(#clip)'});
  const slow = [];
  for (const [a, b, v, s] of D.slowdowns) {
    if (b < v0 || a > v1) continue;
    const xa = X(Math.max(a, v0)), xb = Math.max(X(Math.min(b, v1)), xa + 3);
    const tp = 'slowdown ' + v + ' km/h from ' + km(a) + ' km to ' + km(b) + ' km\n' + s;
    el(sg, 'rect', {x: xa, y: P.speed[0], width: xb - xa, height: P.speed[1], fill: C.slowdown, 'fill-opacity': 0.28, 'data-tip': tp, class: 'feature'});
    el(sg, 'line', {x1: xa, x2: xb, y1: YS(v), y2: YS(v), stroke: C.slowdown, 'stroke-width': 2, 'stroke-dasharray': '4 2'});
    slow.push({x: (xa + xb) / 2, y: P.speed[0] + 20, t: v + ' km/h', tip: tp, plural: 'slowdowns'});
  }
  let ds = '', prevB = null;
  for (const [a, b, v] of D.limits) {
    if (b < v0 || a > v1) continue;
    const xa = X(Math.max(a, v0)), xb = X(Math.min(b, v1)), y = YS(v);
    ds += (prevB === a ? ' L' : ' M') + xa.toFixed(1) + ' ' + y.toFixed(1) + ' L' + xb.toFixed(1) + ' ' + y.toFixed(1);
    prevB = b;
    const t = v + ' km/h';
    if (xb - xa > width(t, 10) + 6) {
      const w = width(t, 10), x = (xa + xb) / 2;
      const box = [x - w / 2, y - 15, x + w / 2, y - 2];
      if (taken.free(box)) { taken.take(box); el(sg, 'text', {x: x - w / 2 + 1, y: y - 5, fill: C.limit, class: 'label'}, t); }
    }
  }
  el(sg, 'path', {d: ds, fill: 'none', stroke: C.limit, 'stroke-width': 2.5, id: 'speed-limit'});
  frame(g, P.speed[0], P.speed[1]);
  // Stretches: mountain zones, cab signalling, progressives.
  const sy = P.str[0];
  el(g, 'text', {x: L + 6, y: sy - 6, class: 'ptitle label'}, 'Mountain zones (type), cab signalling (codes), kilometric progressives');
  for (const [t, y] of [['mountain', sy + 13], ['cab signal', sy + 33], ['progressive', sy + 53]]) el(g, 'text', {x: L - 6, y, 'text-anchor': 'end', class: 'axis label'}, t);
  const tg = el(g, 'g', {'clip-path': 'url(#clip)'});
  const band = (a, b, y, fill, tp, t, dark) => {
    if (b < v0 || a > v1) return;
    const xa = X(Math.max(a, v0)), xb = Math.max(X(Math.min(b, v1)), xa + 1);
    el(tg, 'rect', {x: xa, y, width: xb - xa, height: 16, fill, 'data-tip': tp, class: 'feature'});
    if (xb - xa > width(t, 10) + 4) el(tg, 'text', {x: (xa + xb) / 2, y: y + 12, 'text-anchor': 'middle', fill: dark ? '#fff' : '#3e2723', class: 'label'}, t);
  };
  const mcol = ['#d7ccc8', '#bcaaa4', '#a1887f', '#8d6e63', '#795548', '#6d4c41'];
  for (const [a, b, t] of D.mountains) band(a, b, sy + 2, mcol[Math.min(Math.max(t, 1), 6) - 1], 'mountain zone of type ' + t + ' from ' + km(a) + ' km to ' + km(b) + ' km', 'type ' + t, t >= 4);
  if (D.cab) band(D.cab[0], D.cab[1], sy + 22, C.cab, 'cab-signal repetition from ' + km(D.cab[0]) + ' km to ' + km(D.cab[1]) + ' km, ' + D.cab[2] + ' codes\n' + D.cab[3], 'cab signalling, ' + D.cab[2] + ' codes', true);
  const progs = [];
  for (const [slot, a, b, c, s] of D.progressives) {
    if (a < v0 || a > v1) continue;
    const x = X(a), tp = 'kilometric progressive ' + slot + ' from ' + km(a) + ' km: values ' + a + ' m, ' + b + ' m, ' + c + '\n' + s;
    el(tg, 'rect', {x: x - 1, y: sy + 42, width: 2, height: 16, fill: C.prog, 'data-tip': tp, class: 'feature'});
    taken.take([x - 1, sy + 42, x + 1, sy + 58]);
    progs.push({x, y: sy + 50, t: 'progressive ' + slot, tip: tp, plural: 'progressives'});
  }
  frame(g, sy, P.str[1]);
  // Features.
  const fy = P.feat[0];
  el(g, 'text', {x: L + 6, y: fy - 6, class: 'ptitle label'}, 'Stations (arrival), speed and text boards (side s | side d, km/h), signals, code points');
  for (const [t, k] of [['stations', 'station'], ['boards', 'speed-board'], ['signals', 'signal'], ['code points', 'code-point']]) el(g, 'text', {x: L - 6, y: ROW[k] + 4, 'text-anchor': 'end', class: 'axis label'}, t);
  const fg = el(g, 'g', {'clip-path': 'url(#clip)'});
  const lists = {station: [], 'speed-board': [], 'text-board': [], signal: [], warning: []};
  let lo_i = 0, hi_i = feats.length;
  { let a = 0, b = feats.length; while (a < b) { const m = (a + b) >> 1; if (feats[m].m < v0) a = m + 1; else b = m; } lo_i = a; }
  { let a = lo_i, b = feats.length; while (a < b) { const m = (a + b) >> 1; if (feats[m].m <= v1) a = m + 1; else b = m; } hi_i = a; }
  for (let i = lo_i; i < hi_i; i++) {
    const f = feats[i], x = X(f.m), y = ROW[f.k], tp = tipOf(f);
    const a = {'data-tip': tp, class: 'feature', 'data-k': f.k, fill: C[f.k]};
    if (f.k === 'station') { el(fg, 'path', Object.assign(a, {d: `M${x} ${y - 6} L${x - 6} ${y + 5} L${x + 6} ${y + 5} Z`})); taken.take([x - 6, y - 6, x + 6, y + 5]); }
    else if (f.k === 'speed-board') { el(fg, 'path', Object.assign(a, {d: `M${x} ${y - 5} L${x - 4.5} ${y + 4} L${x + 4.5} ${y + 4} Z`})); taken.take([x - 4.5, y - 5, x + 4.5, y + 4]); }
    else if (f.k === 'text-board') { el(fg, 'rect', Object.assign(a, {x: x - 3.5, y: y - 3.5, width: 7, height: 7, transform: `rotate(45 ${x} ${y})`})); taken.take([x - 5, y - 5, x + 5, y + 5]); }
    else if (f.k === 'signal') { el(fg, 'line', {x1: x, x2: x, y1: y + 8, y2: y - 4, stroke: C.signal, 'stroke-width': 1.5}); el(fg, 'circle', Object.assign(a, {cx: x, cy: y - 7, r: 4})); taken.take([x - 4, y - 11, x + 4, y + 8]); }
    else if (f.k === 'warning') { el(fg, 'path', Object.assign(a, {d: `M${x} ${y + 9} L${x - 5} ${y} L${x + 5} ${y} Z`})); taken.take([x - 5, y, x + 5, y + 9]); }
    else if (f.k === 'code-point') { el(fg, 'rect', Object.assign(a, {x: x - 3, y: y - 3, width: 6, height: 6, transform: `rotate(45 ${x} ${y})`})); taken.take([x - 4.5, y - 4.5, x + 4.5, y + 4.5]); }
    if (lists[f.k]) lists[f.k].push({x, y, t: f.t, tip: tp, plural: PLURAL[f.k]});
  }
  const lg = el(g, 'g', {});
  place(lg, lists.station, [fy + 10, fy + 40], taken, C.station, L + 2, L + PW - 2);
  place(lg, slow, [P.speed[0] + 32, P.speed[0] + 44, P.speed[0] + 56], taken, '#a85d00', L + 2, L + PW - 2);
  place(lg, progs, [sy + 54], taken, C.prog, L + 2, L + PW - 2);
  const boards = lists['speed-board'].concat(lists['text-board']).sort((a, b) => a.x - b.x);
  place(lg, boards, [fy + 76, fy + 88], taken, C['speed-board'], L + 2, L + PW - 2);
  place(lg, lists.signal, [fy + 121], taken, C.signal, L + 2, L + PW - 2);
  frame(g, fy, P.feat[1]);
  // The kilometre axis.
  const ks = niceStep((v1 - v0) / 1000, 12);
  for (let k = Math.ceil(v0 / 1000 / ks - 1e-9) * ks; k * 1000 <= v1 + 1e-6; k += ks) {
    const x = X(k * 1000);
    el(g, 'line', {x1: x, x2: x, y1: P.elev[0], y2: P.axis, stroke: '#e4e4e4', 'stroke-width': 0.8});
    el(g, 'text', {x, y: P.axis + 16, 'text-anchor': 'middle', class: 'axis label'}, String(Math.round(k * 1000) / 1000));
  }
  el(g, 'text', {x: L + PW / 2, y: P.axis + 34, 'text-anchor': 'middle', class: 'axis label'}, 'distance from the start of the line (km)');
  cursorLine = el(g, 'line', {y1: P.elev[0], y2: P.axis, stroke: '#ffb300', 'stroke-width': 1.5, visibility: 'hidden', id: 'cursor', 'pointer-events': 'none'});
  // The stretch in view on the map.
  let dm = '';
  for (let i = 0; i < D.map.length; i++) {
    const m = D.map[i][0];
    if (m < v0 || m > v1) continue;
    const [x, y] = mapXY(m); dm += (dm ? ' L' : 'M') + x.toFixed(1) + ' ' + y.toFixed(1);
  }
  const w0 = mapXY(v0), w1 = mapXY(Math.min(v1, D.line));
  const mw = document.getElementById('map-window');
  if (mw) mw.setAttribute('d', 'M' + w0.join(' ') + (dm ? ' ' + dm.replace(/^M/, 'L') : '') + ' L' + w1.join(' '));
  where.textContent = 'km ' + km(v0) + ' to ' + km(v1) + ' of ' + km(D.total);
}
let cursorLine = null;

function zoom(factor, at) {
  const span = Math.min(Math.max((v1 - v0) * factor, MIN_SPAN), D.total);
  const f = (at - v0) / (v1 - v0);
  v0 = at - f * span; v1 = v0 + span;
  clampView(); render();
}
function pan(dm) { v0 += dm; v1 += dm; clampView(); render(); }
function clampView() {
  const span = v1 - v0;
  if (v0 < 0) { v0 = 0; v1 = span; }
  if (v1 > D.total) { v1 = D.total; v0 = Math.max(0, D.total - span); }
}
function showAt(m, span) { v0 = m - span / 2; v1 = m + span / 2; clampView(); render(); }
function svgX(ev) { const r = svgP.getBoundingClientRect(); return (ev.clientX - r.left) * W / r.width; }

svgP.addEventListener('wheel', ev => { ev.preventDefault(); const x = svgX(ev); if (x < L || x > L + PW) return; zoom(ev.deltaY > 0 ? 1.25 : 0.8, M(x)); }, {passive: false});
let drag = null;
svgP.addEventListener('mousedown', ev => { drag = {x: svgX(ev), v0, v1}; svgP.classList.add('dragging'); });
window.addEventListener('mouseup', () => { drag = null; svgP.classList.remove('dragging'); });
svgP.addEventListener('mousemove', ev => {
  const x = svgX(ev);
  if (drag) {
    const dm = (drag.x - x) / PW * (drag.v1 - drag.v0);
    v0 = drag.v0 + dm; v1 = drag.v1 + dm; clampView(); render();
  }
  if (x >= L && x <= L + PW && cursorLine) {
    const m = M(x);
    cursorLine.setAttribute('x1', x); cursorLine.setAttribute('x2', x); cursorLine.setAttribute('visibility', 'visible');
    const [mx, my] = mapXY(Math.min(m, D.line));
    mapCursor.setAttribute('cx', mx); mapCursor.setAttribute('cy', my); mapCursor.setAttribute('visibility', 'visible');
    const i = Math.min(D.elevation.length - 1, Math.max(0, Math.round(m / 50)));
    let lim = '';
    for (const [a, b, v] of D.limits) if (m >= a && m < b) { lim = ', limit ' + v + ' km/h'; break; }
    document.getElementById('readout').textContent = 'cursor at km ' + (m / 1000).toFixed(3) + ', elevation ' + D.elevation[i].toFixed(1) + ' m' + lim;
  }
});
document.addEventListener('mouseover', ev => {
  const t = ev.target.closest && ev.target.closest('[data-tip]');
  if (!t) { tip.style.display = 'none'; return; }
  tip.textContent = t.getAttribute('data-tip'); tip.style.display = 'block';
});
document.addEventListener('mousemove', ev => {
  if (tip.style.display === 'block') { tip.style.left = Math.min(ev.clientX + 14, innerWidth - 490) + 'px'; tip.style.top = (ev.clientY + 14) + 'px'; }
});
document.addEventListener('keydown', ev => {
  if (ev.target.tagName === 'INPUT') return;
  const mid = (v0 + v1) / 2, span = v1 - v0;
  if (ev.key === '+' || ev.key === '=') zoom(0.5, mid);
  else if (ev.key === '-' || ev.key === '_') zoom(2, mid);
  else if (ev.key === 'ArrowLeft') pan(-span / 5);
  else if (ev.key === 'ArrowRight') pan(span / 5);
  else if (ev.key === 'Home' || ev.key === '0') { v0 = 0; v1 = D.total; render(); }
  else return;
  ev.preventDefault();
});
document.getElementById('search').addEventListener('keydown', ev => {
  if (ev.key !== 'Enter') return;
  const q = ev.target.value.trim(), found = document.getElementById('found');
  found.textContent = '';
  const k = Number(q.replace(',', '.').replace(/\s*km$/i, ''));
  if (q !== '' && Number.isFinite(k)) {
    if (k < 0 || k * 1000 > D.total) { found.textContent = 'km ' + q + ' is off the line (0 to ' + km(D.total) + ')'; return; }
    showAt(k * 1000, Math.min(v1 - v0, 5000)); return;
  }
  const s = feats.find(f => f.k === 'station' && f.t.toLowerCase().includes(q.toLowerCase()));
  if (!s || q === '') { found.textContent = 'no station named "' + q + '"'; return; }
  showAt(s.m, Math.min(v1 - v0, 5000));
});
document.getElementById('search').addEventListener('input', () => { document.getElementById('found').textContent = ''; });
document.getElementById('title').textContent = D.route + ' \u2014 train ' + D.train + ', ' + km(D.line) + ' km of line';
if (D.banner) { const b = document.getElementById('banner'); b.textContent = D.banner; b.style.display = 'block'; }
drawMap();
render();
document.body.setAttribute('data-ready-ms', String(Math.round(performance.now())));
document.body.setAttribute('data-ready', '1');
)JS";

}  // namespace

std::string pagina_vista(const std::string& titolo, const std::string& dati_json) {
    std::string p;
    p.reserve(dati_json.size() + 40000);
    p += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n";
    p += "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; style-src 'unsafe-inline'; "
         "script-src 'unsafe-inline'\">\n";
    p += "<title>" + xml_escape(titolo) + "</title>\n<style>" + stile + "</style>\n</head>\n<body>\n";
    p += "<header><h1 id=\"title\"></h1><span id=\"where\"></span>"
         "<input id=\"search\" type=\"search\" placeholder=\"station name or km, then Enter\" aria-label=\"search\">"
         "<span id=\"found\"></span><span class=\"help\">wheel or +/- zoom, drag or arrows pan, Home shows all</span>"
         "<span id=\"readout\" class=\"help\"></span></header>\n<div id=\"banner\" role=\"alert\"></div>\n";
    p += "<svg id=\"map\" viewBox=\"0 0 1400 300\" width=\"100%\"></svg>\n";
    p += "<svg id=\"profiles\" viewBox=\"0 0 1400 624\" width=\"100%\"></svg>\n";
    p += "<div id=\"tip\" role=\"tooltip\"></div>\n";
    p += "<script id=\"data\" type=\"application/json\">" + dati_json + "</script>\n";
    p += "<script>" + std::string(script) + "</script>\n</body>\n</html>\n";
    return p;
}

}  // namespace compattatore::cli
