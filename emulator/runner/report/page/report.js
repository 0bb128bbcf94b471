'use strict';
// The flight report's page: reads the run from the JSON beside it and draws
// it with the canvas and SVG the browser has. Every text from the run goes in
// as textContent, never as markup.
const data = JSON.parse(document.getElementById('flight').textContent);
const palette = ['#2b6cb0', '#2f855a', '#805ad5', '#d69e2e', '#319795', '#d53f8c', '#4a5568', '#3182ce', '#38a169', '#b7791f'];
const isBomb = (v) => v.cls === 'nuke';
const isRock = (v) => v.cls === 'roid';
data.vessels.forEach((v, i) => {
  v.index = i;
  v.cls = data.classes[v.c];
  if (v.created === undefined) v.created = v.t[0];
  if (v.gone) v.deleted = v.t[v.t.length - 1];
  for (const k of ['deleted', 'trigger', 'detonated']) if (v[k] === undefined) v[k] = -1;
  v.hits = v.hits || [];
  v.color = isBomb(v) ? '#e8590c' : isRock(v) ? '#8c7355' : palette[i % palette.length];
  v.end = v.deleted >= 0 ? v.deleted : data.simulated;
});
const start = Math.min(0, ...data.vessels.map((v) => v.created));
const end = Math.max(data.simulated, start + 1e-9);
const state = { t: start, zoom: 1, playing: false, drawn: {} };
window.flightReport = state;  // what the browser checks read

function el(tag, attrs, text) {
  const e = document.createElement(tag);
  for (const k in attrs || {}) e.setAttribute(k, attrs[k]);
  if (text !== undefined) e.textContent = text;
  return e;
}
function svgEl(tag, attrs, text) {
  const e = document.createElementNS('http://www.w3.org/2000/svg', tag);
  for (const k in attrs || {}) e.setAttribute(k, attrs[k]);
  if (text !== undefined) e.textContent = text;
  return e;
}
function num(x, digits) { return Number(x.toPrecision(digits || 4)).toString(); }
function length(m) {
  const a = Math.abs(m);
  return a >= 1000 ? num(m / 1000) + ' km' : num(m) + ' m';
}
function duration(s) { return s >= 3600 ? num(s / 3600, 3) + ' h' : s >= 120 ? num(s / 60, 3) + ' min' : num(s, 4) + ' s'; }
function ticks(lo, hi, count) {
  const span = hi - lo || 1;
  const raw = span / count, mag = Math.pow(10, Math.floor(Math.log10(raw)));
  const step = [1, 2, 5, 10].map((f) => f * mag).find((s) => s >= raw);
  const out = [];
  for (let v = Math.ceil(lo / step) * step; v <= hi + step * 1e-9; v += step) out.push(Math.abs(v) < step * 1e-9 ? 0 : v);
  return out;
}
// The index of the last point at or before t, or -1.
function before(times, t) {
  let lo = 0, hi = times.length - 1, found = -1;
  while (lo <= hi) {
    const mid = (lo + hi) >> 1;
    if (times[mid] <= t) { found = mid; lo = mid + 1; } else hi = mid - 1;
  }
  return found;
}
// A vessel's value at t, between its points; null while it does not exist.
function at(v, key, t) {
  if (!v[key] || !v.t.length || t < v.created || t > v.end) return null;
  const i = Math.max(0, before(v.t, t));
  if (i === v.t.length - 1) return v[key][i];
  const cut = data.focusChanges.some((c) => c > v.t[i] && c <= v.t[i + 1]);
  if (cut && (key === 'x' || key === 'y' || key === 'z')) return v[key][i];
  const f = (t - v.t[i]) / (v.t[i + 1] - v.t[i]);
  return v[key][i] + (v[key][i + 1] - v[key][i]) * f;
}
function canvasFor(c) {
  const r = window.devicePixelRatio || 1, w = c.clientWidth, h = c.clientHeight;
  if (c.width !== Math.round(w * r)) { c.width = Math.round(w * r); c.height = Math.round(h * r); }
  const g = c.getContext('2d');
  g.setTransform(r, 0, 0, r, 0, 0);
  g.clearRect(0, 0, w, h);
  return { g, w, h };
}
const tip = document.getElementById('tip');
function showTip(e, text) {
  if (!text) { tip.hidden = true; return; }
  tip.textContent = text; tip.hidden = false;
  tip.style.left = (e.clientX + 14) + 'px'; tip.style.top = (e.clientY + 10) + 'px';
}

// Events of a vessel carry only its index: its name is in its track.
for (const e of data.events) {
  e[1] = data.eventKinds[e[1]];
  if (e[3] === undefined) e[3] = '';
}
// Creations and deletions come from the tracks; the sort keeps each time's order.
data.events = data.events.concat(data.vessels.flatMap((v, i) => [[v.created, 'created', i, '']]
  .concat(v.deleted >= 0 ? [[v.deleted, 'deleted', i, v.how || '']] : []))).sort((a, b) => a[0] - b[0]);
for (const e of data.events) {
  const v = data.vessels[e[2]];
  if (e[1] === 'created') e[3] = v.name + ' (' + v.cls + ')';
  else if (e[1] === 'deleted') e[3] = v.name + (e[3] ? ' (' + e[3] + ')' : '');
  else if (e[1] === 'blast') e[3] = v.name;
}

// ---- the header
(function header() {
  const h = document.getElementById('header');
  const name = data.scenario.split(/[\\/]/).pop();
  document.title = name + ' — brimstar flight report';
  h.append(el('h1', {}, name));
  if (data.ending) h.append(el('p', { class: 'ending state-absent' }, 'The run ' + data.ending.text + '.'));
  h.append(el('div', { class: 'comment' }, data.comment));
  const c = data.counts;
  const facts = [
    [duration(data.simulated), 'simulated'], [data.steps + ' × ' + num(data.step) + ' s', 'steps'],
    [num(data.wall, 3) + ' s', 'wall time'], [c.created + ' / ' + c.deleted, 'vessels created / deleted'],
    [c.bombsFired + ' / ' + c.bombsDetonated, 'bombs fired / detonated'],
    [c.rocksSpawned + '', 'rocks spawned'], [c.rocksByDamage + ' / ' + c.rocksByRange, 'rocks removed by damage / range'],
    [c.contacts + '', 'contacts'], [c.messageBoxes + '', 'message boxes'], [data.collision, 'collision library at the end'],
  ];
  if (data.vesselsLeftOut) facts.push([data.vesselsLeftOut + '', 'vessels not drawn (tracks kept for at most ' + (c.created - data.vesselsLeftOut) + ')']);
  const grid = el('div', { class: 'facts' });
  for (const [value, label] of facts) {
    const f = el('div', { class: 'fact' });
    const b = el('b', {}, value);
    if (label.startsWith('collision')) b.className = 'state-' + value;
    f.append(b, el('span', {}, label));
    grid.append(f);
  }
  h.append(grid);
})();

// ---- the views
// The two axes along which the points spread most, in their order.
function planeOf(keys) {
  const spread = keys.map((k) => data.vessels.reduce((s, v) => s + (v[k] || []).reduce((a, x) => a + x * x, 0), 0));
  const order = [0, 1, 2].sort((a, b) => spread[b] - spread[a]).slice(0, 2).sort();
  return order.map((i) => keys[i]);
}
function quantile(values, q) {
  if (!values.length) return 0;
  values.sort((a, b) => a - b);
  return values[Math.min(values.length - 1, Math.floor(q * values.length))];
}
function makeView(title, keys, extentOf, decorate, labelOf) {
  const box = el('div', { class: 'view' });
  const canvas = el('canvas');
  box.append(el('h3', {}, title), canvas);
  document.getElementById('views').append(box);
  const [ka, kb] = planeOf(keys);
  const names = { x: 'x', y: 'y', z: 'z', px: 'x', py: 'y', pz: 'z' };
  const view = { canvas, ka, kb, extent: extentOf(), positions: [] };
  view.draw = function () {
    const { g, w, h } = canvasFor(canvas);
    const m = 46, size = Math.min(w, h) - 2 * m, ext = view.extent / (view === views[0] ? state.zoom : 1);
    const cx = m + size / 2, cy = m + size / 2, k = size / (2 * ext);
    const px = (a) => cx + a * k, py = (b) => cy - b * k;
    view.toScreen = (a, b) => [px(a), py(b)];
    // grid, ticks in m or km, axis names
    g.font = '11px system-ui, sans-serif'; g.strokeStyle = '#e3e7ec'; g.fillStyle = '#5b6675'; g.lineWidth = 1;
    const tk = ticks(-ext, ext, 6), km = ext >= 2000, unit = km ? 'km' : 'm';
    for (const v of tk) {
      g.beginPath(); g.moveTo(px(v), m); g.lineTo(px(v), m + size); g.moveTo(m, py(v)); g.lineTo(m + size, py(v)); g.stroke();
      const label = num(km ? v / 1000 : v);
      g.textAlign = 'center'; g.fillText(label, px(v), m + size + 14);
      g.textAlign = 'right'; g.fillText(label, m - 4, py(v) + 4);
    }
    g.strokeStyle = '#9aa5b1'; g.strokeRect(m, m, size, size);
    g.textAlign = 'center'; g.fillText(names[ka] + ' (' + unit + ')', cx, m + size + 30);
    g.save(); g.translate(12, cy); g.rotate(-Math.PI / 2); g.fillText(names[kb] + ' (' + unit + ')', 0, 0); g.restore();
    // scale bar
    // the largest 1, 2 or 5 times a power of ten within a quarter of the view
    const quarter = ext / 2, mag = Math.pow(10, Math.floor(Math.log10(quarter)));
    const bar = [5, 2, 1].map((f) => f * mag).find((b) => b <= quarter);
    g.strokeStyle = '#1d2430'; g.lineWidth = 2; g.beginPath();
    g.moveTo(m + 10, m + 14); g.lineTo(m + 10 + bar * k, m + 14); g.stroke();
    g.fillStyle = '#1d2430'; g.textAlign = 'left'; g.fillText(length(bar), m + 14 + bar * k, m + 18);
    g.save(); g.beginPath(); g.rect(m, m, size, size); g.clip();
    decorate(g, view, k, px, py, ext);
    // tracks, cut where the focus moves on
    g.lineWidth = 1.2;
    for (const v of data.vessels) {
      if (!v[ka] || !v.t.length) continue;
      g.strokeStyle = v.color; g.globalAlpha = isRock(v) ? 0.35 : 0.6; g.beginPath();
      let pen = false;
      for (let i = 0; i < v.t.length; i++) {
        if (i && data.focusChanges.some((c) => c > v.t[i - 1] && c <= v.t[i])) pen = false;
        const x = px(v[ka][i]), y = py(v[kb][i]);
        if (pen) g.lineTo(x, y); else g.moveTo(x, y);
        pen = true;
      }
      g.stroke();
    }
    g.globalAlpha = 1;
    // removed rocks and detonations, once they have happened
    for (const v of data.vessels.filter((v) => v[ka])) {
      if (isRock(v) && v.deleted >= 0 && v.deleted <= state.t && v.t.length) {
        const x = px(v[ka][v.t.length - 1]), y = py(v[kb][v.t.length - 1]);
        g.strokeStyle = '#8c7355'; g.lineWidth = 1.5; g.beginPath();
        g.moveTo(x - 4, y - 4); g.lineTo(x + 4, y + 4); g.moveTo(x + 4, y - 4); g.lineTo(x - 4, y + 4); g.stroke();
      }
      if (isBomb(v) && v.detonated >= 0 && v.detonated <= state.t) {
        const i = Math.max(0, before(v.t, v.detonated));
        star(g, px(v[ka][i]), py(v[kb][i]));
      }
    }
    // every vessel at the playback's time, labels placed so none overlaps
    // the corner holding the scale bar and the blast's caption is taken
    const placed = [{ x: m, y: m, w: 230, h: 42 }], now = [];
    for (const v of data.vessels) {
      const a = at(v, ka, state.t), b = at(v, kb, state.t);
      if (a === null || b === null) continue;
      now.push({ v, x: px(a), y: py(b) });
    }
    view.positions = now;
    g.restore();
    for (const p of now) {
      const inside = p.x >= m && p.x <= m + size && p.y >= m && p.y <= m + size;
      const x = Math.max(m, Math.min(m + size, p.x)), y = Math.max(m, Math.min(m + size, p.y));
      g.fillStyle = p.v.color; g.beginPath();
      if (inside) g.arc(x, y, isRock(p.v) ? 3.5 : 5, 0, 2 * Math.PI);
      else { const d = Math.atan2(p.y - cy, p.x - cx); g.moveTo(x + 8 * Math.cos(d), y + 8 * Math.sin(d)); g.lineTo(x + 5 * Math.cos(d + 2.4), y + 5 * Math.sin(d + 2.4)); g.lineTo(x + 5 * Math.cos(d - 2.4), y + 5 * Math.sin(d - 2.4)); }
      g.fill();
      p.sx = x; p.sy = y;
    }
    g.font = '12px system-ui, sans-serif';
    const order = now.slice().sort((a, b) => (isRock(a.v) - isRock(b.v)) || (b.v === focusAt(state.t)) - (a.v === focusAt(state.t)));
    for (const p of order) {
      const text = labelOf(p.v, state.t, p);
      const wide = g.measureText(text).width + 4, high = 14;
      const spots = [[8, -7], [8, 9], [-8 - wide, -7], [-8 - wide, 9], [-wide / 2, -20], [-wide / 2, 22]];
      for (const [dx, dy] of spots) {
        const r = { x: p.sx + dx, y: p.sy + dy - high + 3, w: wide, h: high };
        if (r.x < 2 || r.y < 2 || r.x + r.w > w - 2 || r.y + r.h > h - 2) continue;
        if (placed.some((q) => r.x < q.x + q.w && q.x < r.x + r.w && r.y < q.y + q.h && q.y < r.y + r.h)) continue;
        placed.push(r);
        g.fillStyle = 'rgba(255,255,255,0.8)'; g.fillRect(r.x, r.y, r.w, r.h);
        g.fillStyle = '#1d2430'; g.textAlign = 'left'; g.fillText(text, r.x + 2, r.y + high - 3);
        break;
      }
    }
    state.drawn[title] = now.map((p) => [p.v.name, p.x, p.y]);
  };
  canvas.addEventListener('mousemove', (e) => {
    const r = canvas.getBoundingClientRect();
    const near = view.positions.filter((p) => Math.hypot(p.sx - (e.clientX - r.left), p.sy - (e.clientY - r.top)) < 8);
    showTip(e, near.map((p) => labelOf(p.v, state.t, p) + ' (' + p.v.cls + ')').join('\n'));
  });
  canvas.addEventListener('mouseleave', () => showTip(null, ''));
  return view;
}
function star(g, x, y) {
  g.fillStyle = '#e8590c'; g.beginPath();
  for (let i = 0; i < 10; i++) {
    const r = i % 2 ? 3 : 8, a = Math.PI / 5 * i - Math.PI / 2;
    g.lineTo(x + r * Math.cos(a), y + r * Math.sin(a));
  }
  g.fill();
}
function focusAt(t) {
  // the focus is the vessel whose relative position is zero at t
  return data.vessels.find((v) => { const x = at(v, 'x', t); return x !== null && Math.abs(x) + Math.abs(at(v, 'y', t)) + Math.abs(at(v, 'z', t)) < 1e-6; });
}
const blastRadius = 200000;
const views = [];
views.push(makeView('Relative to the vessel in focus (at the centre)', ['x', 'y', 'z'], () => {
  const d = [];
  for (const v of data.vessels) for (let i = 0; i < v.t.length; i++) {
    const r = Math.hypot(v.x[i], v.y[i], v.z[i]);
    if (r > 1e-6) d.push(r);
  }
  return Math.max(50, quantile(d, 0.6) * 1.3);
}, (g, view, k, px, py, ext) => {
  // each bomb blasting now: its 200 km reach, shaded by its level
  for (const v of data.vessels) {
    if (!isBomb(v) || !v.lv) continue;
    const level = at(v, 'lv', state.t), a = at(v, view.ka, state.t), b = at(v, view.kb, state.t);
    if (!level || a === null) continue;
    g.fillStyle = 'rgba(232, 89, 12, ' + (0.28 * level).toFixed(3) + ')';
    g.beginPath(); g.arc(px(a), py(b), blastRadius * k, 0, 2 * Math.PI); g.fill();
    g.strokeStyle = '#e8590c'; g.lineWidth = 2; g.stroke();
    g.fillStyle = '#c2410c'; g.font = 'bold 12px system-ui, sans-serif'; g.textAlign = 'left';
    g.fillText('blast: level ' + num(level, 2) + ', reach ' + length(blastRadius), px(-ext) + 10, py(ext) + 34);
  }
}, (v) => v.name));
if (data.planetView) {
  views.push(makeView('Relative to the planet', ['px', 'py', 'pz'], () => {
    let r = data.planetRadius;
    for (const v of data.vessels.filter((v) => v.px)) for (let i = 0; i < v.t.length; i++) r = Math.max(r, Math.hypot(v.px[i], v.py[i], v.pz[i]));
    return r * 1.08;
  }, (g, view, k, px, py) => {
    g.fillStyle = '#cfe3f5'; g.strokeStyle = '#2b6cb0'; g.lineWidth = 1.5;
    g.beginPath(); g.arc(px(0), py(0), data.planetRadius * k, 0, 2 * Math.PI); g.fill(); g.stroke();
  }, (v, t) => v.name + ' ' + length(at(v, 'alt', t) || 0) + ' up'));
}

// ---- the clock
const slider = document.getElementById('slider'), clock = document.getElementById('clock');
function setTime(t) {
  state.t = Math.max(start, Math.min(end, t));
  slider.value = Math.round((state.t - start) / (end - start) * 1000);
  clock.textContent = 't = ' + num(state.t, 6) + ' s';
  views.forEach((v) => v.draw());
  charts.forEach((c) => c.draw());
}
state.setTime = setTime;
slider.addEventListener('input', () => setTime(start + (end - start) * slider.value / 1000));
const play = document.getElementById('play');
let last = 0;
function frame(now) {
  if (!state.playing) return;
  if (last) setTime(state.t + (end - start) * (now - last) / 15000);
  last = now;
  if (state.t >= end) { state.playing = false; play.textContent = '▶ Play'; return; }
  requestAnimationFrame(frame);
}
play.addEventListener('click', () => {
  state.playing = !state.playing;
  play.textContent = state.playing ? '❚❚ Pause' : '▶ Play';
  if (state.playing) { if (state.t >= end) setTime(start); last = 0; requestAnimationFrame(frame); }
});
document.getElementById('zoomIn').addEventListener('click', () => { state.zoom *= 2; setTime(state.t); });
document.getElementById('zoomOut').addEventListener('click', () => { state.zoom /= 2; setTime(state.t); });

// ---- the charts
const charts = [];
const maxLegend = 10;
function chart(title, unit, series, options) {
  series = series.filter((s) => s.t.length);
  if (!series.length) return;
  options = options || {};
  const box = el('div', { class: 'chart' });
  const canvas = el('canvas');
  const legend = el('div', { class: 'legend' });
  series.slice(0, maxLegend).forEach((s) => { const i = el('i'); i.style.background = s.color; legend.append(i, document.createTextNode(s.name)); });
  if (series.length > maxLegend) legend.append(document.createTextNode('  and ' + (series.length - maxLegend) + ' more'));
  box.append(el('h3', {}, title), canvas, legend);
  document.getElementById('chartList').append(box);
  const values = series.flatMap((s) => s.v).filter((v) => v !== null && isFinite(v));
  let lo = Math.min(...values, options.line ? options.line.v : Infinity), hi = Math.max(...values, options.line ? options.line.v : -Infinity);
  const positive = values.filter((v) => v > 0);
  const log = options.log && positive.length && Math.max(...positive) / Math.min(...positive) > 100;
  if (log) { lo = Math.log10(Math.min(...positive)); hi = Math.log10(Math.max(...positive)); }
  if (options.zero && !log) lo = Math.min(lo, 0);
  if (hi - lo < 1e-12) { hi += 1; lo -= log ? 1 : 0; }
  const pad = (hi - lo) * 0.05; hi += pad; if (!options.zero || log) lo -= pad;
  const c = { title, points: series.reduce((n, s) => n + s.t.length, 0) };
  c.draw = function () {
    const { g, w, h } = canvasFor(canvas);
    const l = 64, r = 14, top = 10, bottom = 34, pw = w - l - r, ph = h - top - bottom;
    const X = (t) => l + (t - start) / (end - start) * pw;
    const Y = (v) => top + ph - ((log ? Math.log10(v) : v) - lo) / (hi - lo) * ph;
    g.font = '11px system-ui, sans-serif'; g.lineWidth = 1;
    for (const v of ticks(lo, hi, 5)) {
      g.strokeStyle = '#e3e7ec'; g.beginPath(); g.moveTo(l, Y(log ? Math.pow(10, v) : v)); g.lineTo(l + pw, Y(log ? Math.pow(10, v) : v)); g.stroke();
      g.fillStyle = '#5b6675'; g.textAlign = 'right';
      g.fillText(log ? '1e' + num(v, 3) : num(v), l - 4, Y(log ? Math.pow(10, v) : v) + 4);
    }
    for (const t of ticks(start, end, 8)) { g.textAlign = 'center'; g.fillText(num(t), X(t), top + ph + 14); }
    g.fillText('time (s)', l + pw / 2, top + ph + 29);
    g.save(); g.translate(12, top + ph / 2); g.rotate(-Math.PI / 2); g.fillText(unit, 0, 0); g.restore();
    g.strokeStyle = '#9aa5b1'; g.strokeRect(l, top, pw, ph);
    g.save(); g.beginPath(); g.rect(l, top, pw, ph); g.clip();
    if (options.line) {
      g.strokeStyle = '#c53030'; g.setLineDash([6, 4]); g.beginPath();
      g.moveTo(l, Y(options.line.v)); g.lineTo(l + pw, Y(options.line.v)); g.stroke(); g.setLineDash([]);
      g.fillStyle = '#c53030'; g.textAlign = 'left'; g.fillText(options.line.label, l + 6, Y(options.line.v) - 4);
    }
    for (const s of series) {
      g.strokeStyle = s.color; g.fillStyle = s.color; g.lineWidth = 1.6; g.beginPath();
      let pen = false;
      for (let i = 0; i < s.t.length; i++) {
        const v = s.v[i];
        if (v === null || (log && v <= 0)) { pen = false; continue; }
        const x = X(s.t[i]), y = Y(v);
        if (s.bars) continue;
        if (pen && !(s.steps)) g.lineTo(x, y); else if (pen) { g.lineTo(x, Y(s.v[i - 1])); g.lineTo(x, y); } else g.moveTo(x, y);
        pen = true;
      }
      if (s.bars) { g.beginPath(); for (let i = 0; i < s.t.length; i++) { g.moveTo(X(s.t[i]), Y(0)); g.lineTo(X(s.t[i]), Y(1)); } }
      g.stroke();
      if (s.t.length < 200) for (let i = 0; i < s.t.length; i++) if (s.v[i] !== null && !(log && s.v[i] <= 0)) { g.beginPath(); g.arc(X(s.t[i]), Y(s.v[i]), 2, 0, 2 * Math.PI); g.fill(); }
    }
    g.strokeStyle = '#1d2430'; g.lineWidth = 1; g.beginPath(); g.moveTo(X(state.t), top); g.lineTo(X(state.t), top + ph); g.stroke();
    g.restore();
    c.X = X; c.Y = Y;
  };
  canvas.addEventListener('mousemove', (e) => {
    const b = canvas.getBoundingClientRect(), mx = e.clientX - b.left, my = e.clientY - b.top;
    let best = null, bestD = 10;
    for (const s of series) for (let i = 0; i < s.t.length; i++) {
      if (s.v[i] === null || (log && s.v[i] <= 0)) continue;
      const d = Math.hypot(c.X(s.t[i]) - mx, c.Y(s.v[i]) - my);
      if (d < bestD) { bestD = d; best = s.name + ' at ' + num(s.t[i], 6) + ' s: ' + (s.text ? s.text[i] : num(s.v[i]) + ' ' + unit.replace(/.*\((.*)\)/, '$1')); }
    }
    showTip(e, best);
  });
  canvas.addEventListener('mouseleave', () => showTip(null, ''));
  canvas.addEventListener('click', (e) => { const b = canvas.getBoundingClientRect(); setTime(start + (e.clientX - b.left - 64) / (b.width - 78) * (end - start)); });
  charts.push(c);
}
const vesselSeries = (v, key) => ({ name: v.name, color: v.color, t: v.t, v: v[key] });
const bombs = data.vessels.filter((v) => isBomb(v) && v.lv);
chart('Blast level of each bomb', 'level (0 to 1)', bombs.map((v) => vesselSeries(v, 'lv')), { zero: true });
chart('Force each vessel received from the bombs', 'force (N)', data.vessels.filter((v) => v.f).map((v) => vesselSeries(v, 'f')), { log: true, zero: true });
chart('Speed relative to the planet', 'speed (m/s)', data.vessels.filter((v) => !isRock(v)).map((v) => vesselSeries(v, 's')));
chart('Distance from each bomb to each vessel it pushed' + (data.pushesLeftOut ? ' (' + data.pushesLeftOut + ' more pairs not drawn)' : ''), 'distance (m)',
  data.pushes.map((p) => ({ name: data.vessels[p.bomb].name + ' → ' + data.vessels[p.target].name, color: data.vessels[p.target].color, t: p.t, v: p.d })));
const triggered = data.vessels.filter((v) => v.trigger > 0 && v.alt);
if (triggered.length) {
  const carriers = data.vessels.filter((v) => !isBomb(v) && !isRock(v) && v.alt);
  chart('Altitude, with the trigger height', 'altitude (m)', triggered.concat(carriers).map((v) => vesselSeries(v, 'alt')),
    { line: { v: triggered[0].trigger, label: 'trigger height ' + length(triggered[0].trigger) }, zero: true });
}
const rocks = data.vessels.filter(isRock);
if (rocks.length) {
  const times = [], alive = [];
  const changes = rocks.flatMap((v) => [[v.created, 1]].concat(v.deleted >= 0 ? [[v.deleted, -1]] : [])).sort((a, b) => a[0] - b[0]);
  let n = 0;
  times.push(start); alive.push(0);
  for (const [t, d] of changes) { n += d; if (times[times.length - 1] === t) alive[alive.length - 1] = n; else { times.push(t); alive.push(n); } }
  times.push(end); alive.push(n);
  chart('Rocks alive', 'rocks', [{ name: 'rocks alive', color: '#8c7355', t: times, v: alive, steps: true }], { zero: true });
  chart('Health of each rock', 'health (%)', rocks.map((v) => {
    const t = [v.created], h = [100];
    v.hits.forEach((ht, i) => { t.push(ht); h.push(100 - 10 * (i + 1)); });
    t.push(v.end); h.push(h[h.length - 1]);
    return { name: v.name, color: palette[v.index % palette.length], t, v: h, steps: true };
  }), { zero: true });
}
const debug = data.events.filter((e) => e[1] === 'debug');
chart('When the debug line changed (hover a mark for its text)', 'change', [{ name: 'debug line', color: '#2b6cb0', t: debug.map((e) => e[0]), v: debug.map(() => 1), text: debug.map((e) => e[3]), bars: true }],
  { zero: true });

// ---- the displays: every text at its pixel position, buttons beside
(function displays() {
  const list = document.getElementById('screenList');
  if (!data.screens.length) { list.append(el('p', {}, 'No display was shown in this run.')); return; }
  const scale = 0.75;
  data.screens.forEach((s, i) => {
    const fig = el('figure', { class: 'screen', id: 'screen-' + i });
    fig.append(el('figcaption', {}, 't = ' + num(s.t, 6) + ' s · ' + s.name + ' · ' + s.width + ' × ' + s.height + ' px'));
    const face = el('div', { class: 'mfd' });
    const column = (from) => { const c = el('div', { class: 'buttons' }); for (let b = from; b < from + 6; b++) c.append(el('span', {}, s.buttons[b] || '')); return c; };
    const svg = svgEl('svg', { width: s.width * scale, height: s.height * scale, viewBox: '0 0 ' + s.width + ' ' + s.height });
    svg.append(svgEl('text', { x: 8, y: 14, class: 'title', 'data-row': 0 }, s.title));
    for (const [x, y, text] of s.texts) svg.append(svgEl('text', { x, y: y + 13, 'data-x': x, 'data-y': y }, text));
    face.append(column(0), svg, column(6));
    fig.append(face);
    list.append(fig);
  });
})();

// ---- the events
(function events() {
  const body = document.querySelector('#eventTable tbody'), filter = document.getElementById('eventFilter');
  const labels = { created: 'created', deleted: 'deleted', blast: 'blast', message: 'message box', debug: 'debug line', input: 'input box', pilot: 'pilot', screen: 'display', ended: 'run ended' };
  const kinds = [...new Set(data.events.map((e) => e[1]))];
  kinds.forEach((k) => filter.append(el('option', { value: k }, labels[k])));
  const limit = 2000;
  function fill() {
    body.textContent = '';
    const shown = data.events.filter((e) => !filter.value || e[1] === filter.value);
    for (const e of shown.slice(0, limit)) {
      const row = el('tr');
      if (/: refused$/.test(e[3])) row.className = 'refused'; else if (/: accepted$/.test(e[3])) row.className = 'accepted';
      row.append(el('td', {}, num(e[0], 7) + ' s'), el('td', { class: 'kind' }, labels[e[1]]), el('td', {}, e[3]));
      row.addEventListener('click', () => {
        setTime(e[0]);
        document.getElementById(e[1] === 'screen' ? 'screen-' + e[2] : 'playback').scrollIntoView({ behavior: 'smooth' });
      });
      body.append(row);
    }
    document.getElementById('eventCount').textContent = shown.length > limit ? 'the first ' + limit + ' of ' + shown.length + '; choose a kind to see others' : shown.length + ' events';
  }
  filter.addEventListener('change', fill);
  fill();
})();

state.charts = charts;
// A moment worth a picture: just into the first blast, or halfway.
const firstBlast = data.vessels.find((v) => v.detonated >= 0);
state.showcase = firstBlast ? firstBlast.detonated + data.step : start + (end - start) / 2;
window.addEventListener('resize', () => setTime(state.t));
setTime(start);
