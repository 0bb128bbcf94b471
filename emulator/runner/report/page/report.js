'use strict';
// The flight report's page: reads the run from the JSON beside it and draws
// it with the canvas and SVG the browser has. Every text from the run goes in
// as textContent, never as markup.
//
// Positions come relative to the planet, a frame that does not move with the
// focus; the views draw them in a frame the reader picks (by default one
// riding with the first blast's point), and every mark stays where it was
// in that frame at its moment.
const data = JSON.parse(document.getElementById('flight').textContent);
let bombCount = 0;
data.vessels.forEach((v, i) => {
  v.index = i;
  v.cls = data.classes[v.c];
  if (v.created === undefined) v.created = v.t[0];
  if (v.gone) v.deleted = v.t[v.t.length - 1];
  for (const k of ['deleted', 'trigger', 'detonated']) if (v[k] === undefined) v[k] = -1;
  v.hits = v.hits || [];
  v.end = v.deleted >= 0 ? v.deleted : data.simulated;
  // short labels in the views and legends; the whole name on hover
  v.label = isBomb(v) ? 'B' + (++bombCount) : v.name.length > 14 ? v.name.slice(0, 13) + '…' : v.name;
  v.title = v.name;
});
// A vessel is who it is, not its name: bombs fired with the same settings
// share one, and a load makes its vessels anew. Each of a shared name is
// numbered in the order it was made.
const named = new Map();
for (const v of data.vessels) named.set(v.name, (named.get(v.name) || []).concat([v]));
for (const list of named.values()) {
  if (list.length < 2) continue;
  list.forEach((v, k) => {
    v.title = v.name + ' #' + (k + 1);
    if (!isBomb(v)) v.label = (v.name.length > 11 ? v.name.slice(0, 10) + '…' : v.name) + ' #' + (k + 1);
  });
}
// Colours go to ships first, then bombs, then rocks, so the few that matter
// get the clearest.
data.vessels.slice().sort((a, b) => (isRock(a) - isRock(b)) || (isBomb(a) - isBomb(b)) || a.index - b.index)
  .forEach((v, i) => { v.color = colourOf(i); });
const start = Math.min(0, ...data.vessels.map((v) => v.created));
const end = Math.max(data.simulated, start + 1e-9);
// The vessels alive in each stretch of time, so that a moment of a day with
// twenty thousand vessels looks at the hundred or so there then.
const stretches = 10000, stretchOf = (t) => Math.max(0, Math.min(stretches - 1, Math.floor((t - start) / (end - start) * stretches)));
const alive = Array.from({ length: stretches }, () => []);
for (const v of data.vessels) for (let i = stretchOf(v.created); i <= stretchOf(v.end); i++) alive[i].push(v);
const aliveAt = (t) => alive[stretchOf(t)];
function aliveDuring(from, to) {
  if (from <= start) return data.vessels;
  const found = new Set();
  for (let i = stretchOf(from); i <= stretchOf(to); i++) for (const v of alive[i]) found.add(v);
  return found;
}
const state = { t: start, playing: false, drawn: {}, marks: {} };
window.flightReport = state;  // what the browser checks read

function svgEl(tag, attrs, text) {
  const e = document.createElementNS('http://www.w3.org/2000/svg', tag);
  for (const k in attrs || {}) e.setAttribute(k, attrs[k]);
  if (text !== undefined) e.textContent = text;
  return e;
}
function duration(s) { return s >= 3600 ? num(s / 3600, 3) + ' h' : s >= 120 ? num(s / 60, 3) + ' min' : num(s, 4) + ' s'; }

// ---- what happened, in order
// Events of a vessel carry only its index: its name is in its track.
for (const e of data.events) {
  e[1] = data.eventKinds[e[1]];
  if (e[3] === undefined) e[3] = '';
}
// What a rock struck: the vessels nearest it at the moment (centres within
// a metre of the nearest are named together; the page has no sizes).
function struckBy(rock, t) {
  const p = position(rock, t), near = [];
  for (const v of aliveAt(t)) {
    if (v === rock || isBomb(v)) continue;
    const q = position(v, t);
    if (q) near.push([Math.hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]), v]);
  }
  if (!near.length) return 'another vessel';
  const least = Math.min(...near.map((n) => n[0]));
  return near.filter((n) => n[0] <= least + 1).map((n) => n[1].name).join(' or ');
}
// A rock loses a tenth of its health with each contact.
const healthAfter = (hit) => Math.max(0, 100 - 10 * (hit + 1));
const contacts = data.vessels.filter(isRock).flatMap((v) => v.hits.map((t, i) => ({ t, rock: v, hit: i })));
for (const c of contacts) c.other = struckBy(c.rock, c.t);
// Creations, deletions and contacts come from the tracks; the sort keeps each
// time's order, but for a load's: the old session's vessels go, the new
// session starts, and its vessels come.
const loadRank = (e) => (e[1] === 'deleted' && e[3] === 'removed with the session' ? 0 : e[1] === 'session' ? 1 : 2);
data.events = data.events.concat(data.vessels.flatMap((v, i) => [[v.created, 'created', i, '']]
  .concat(v.deleted >= 0 ? [[v.deleted, 'deleted', i, v.how || '']] : [])))
  .concat(contacts.map((c) => [c.t, 'contact', c.rock.index, c.rock.name + ' against ' + c.other + '; ' + c.rock.name +
    '\'s health after it: ' + healthAfter(c.hit) + ' %']))
  .sort((a, b) => a[0] - b[0] || loadRank(a) - loadRank(b));
for (const e of data.events) {
  const v = data.vessels[e[2]];
  if (e[1] === 'created') e[3] = v.title + ' (' + v.cls + (v.by === 'load' ? ', made by the load' : '') + ')';
  else if (e[1] === 'deleted') e[3] = v.title + (e[3] ? ' (' + e[3] + ')' : '');
  else if (e[1] === 'blast') e[3] = v.title;
  else if (e[1] === 'screen') {
    const s = data.screens[e[2]];
    e[3] = 'display ' + s.name + ' (' + (s.mode || 'no mode') + ')' + (s.title && s.title !== s.mode ? ': ' + s.title : '');
  }
}
// a load sets the clock too: a new session starts there
const clockJumps = data.events.filter((e) => e[1] === 'jump' || e[1] === 'session').map((e) => e[0]);

// ---- the header: what happened, in plain words, then the figures
function namesOf(list, most) {
  const names = list.slice(0, most).map((v) => v.title);
  if (list.length > most) return names.join(', ') + ' and ' + (list.length - most) + ' more';
  return names.length > 1 ? names.slice(0, -1).join(', ') + ' and ' + names[names.length - 1] : names.join('');
}
// 1,202 rather than 1202
function whole(n) { return n.toLocaleString('en'); }
function plural(n, one, many) { return n + ' ' + (n === 1 ? one : many); }
function verdict() {
  const c = data.counts, lines = [];
  // ships before rocks: they are what the reader came to see pushed
  const pushed = data.vessels.filter((v) => v.f && !isBomb(v)).sort((a, b) => (isRock(a) - isRock(b)) || a.index - b.index);
  if (c.bombsFired || c.bombsDetonated) {
    let s = plural(c.bombsFired, 'bomb', 'bombs') + ' fired, ' + c.bombsDetonated + ' detonated';
    // every vessel pushed is counted; only those with a track can be named
    const all = Math.max(c.vesselsPushed || 0, pushed.length);
    const listed = all > pushed.length ? '; ' + whole(pushed.length) + ' listed' : '';
    s += all ? '; ' + (all === 1 ? '1 vessel' : whole(all) + ' vessels') + ' pushed' + listed + ': ' + namesOf(pushed, 6) + '.' : '; nothing was pushed.';
    lines.push(s);
  } else lines.push('No bomb was fired.');
  if (pushed.length) {
    let strongest = null, strongestF = 0, fastest = null, fastestDv = -1;
    for (const v of pushed) {
      const peak = Math.max(...v.f);
      if (peak > strongestF) { strongestF = peak; strongest = v; }
      if (!v.s) continue;
      const first = v.f.findIndex((f) => f > 0), last = v.f.length - 1 - v.f.slice().reverse().findIndex((f) => f > 0);
      const dv = Math.abs(v.s[Math.min(v.s.length - 1, last + 1)] - v.s[Math.max(0, first - 1)]);
      if (!(v.fl && v.fl.some((f) => f & fasterThanLight)) && dv > fastestDv) { fastestDv = dv; fastest = v; }
    }
    let s = 'The strongest push: ' + si(strongestF, 'N') + ' on ' + strongest.title;
    if (fastest) s += '; the largest change of speed: ' + si(fastestDv, 'm/s', 3) + ' (' + fastest.title + ')';
    lines.push(s + '.');
  }
  if (c.rocksSpawned) {
    lines.push(plural(c.rocksSpawned, 'rock', 'rocks') + ' spawned; ' + c.rocksByDamage + ' destroyed by contacts, ' + c.rocksByRange +
      ' left behind out of range, ' + c.rocksAlive + ' still there at the end.');
  }
  lines.push(c.contacts ? plural(c.contacts, 'contact', 'contacts') + (contacts.length ? ', the first at ' + num(contacts[0].t, 5) + ' s: ' +
    contacts[0].rock.name + ' against ' + contacts[0].other : '') + '.' : 'No contacts.');
  // How the run ended is the runner's word when it gives one; a live
  // flight ended by its pilot ended as it should.
  const ended = data.events.find((e) => e[1] === 'ended');
  if (data.ending) lines.push('The run ' + data.ending.text + '.');
  else if (ended) lines.push('The run ended early, at ' + num(ended[0], 6) + ' s: ' + ended[3] + '.');
  const byPilot = data.ending && data.ending.kind === 'ended';
  return { lines, pushed, early: !byPilot && !!(data.ending || ended) };
}
(function header() {
  const h = document.getElementById('header');
  const name = data.scenario.split(/[\\/]/).pop();
  document.title = name + ' — brimstar flight report';
  const v = verdict();
  const said = el('div', { class: 'verdict' + (v.early ? ' early' : ''), id: 'verdict' });
  for (const line of v.lines) said.append(el('p', {}, line));
  const comment = el('details', { class: 'comment' });
  comment.append(el('summary', {}, 'The scenario\'s own words'), el('div', {}, data.comment));
  h.append(el('h1', {}, name), said);
  if (data.comment) h.append(comment);
  const c = data.counts;
  const facts = [
    [duration(data.simulated), 'simulated'], [data.steps + ' × ' + num(data.step) + ' s', 'steps'],
    [num(data.wall, 3) + ' s', 'wall time'], [c.created + ' / ' + c.deleted, 'vessels created / deleted'],
    [c.bombsFired + ' / ' + c.bombsDetonated, 'bombs fired / detonated'],
    [c.rocksSpawned + '', 'rocks spawned'], [c.rocksByDamage + ' / ' + c.rocksByRange, 'rocks removed by damage / range'],
    [c.contacts + '', 'contacts'], [c.messageBoxes + '', 'message boxes'], [data.collision, 'collision library at the end'],
  ];
  const sessions = data.events.filter((e) => e[1] === 'session').length;
  if (sessions) facts.push([(sessions + 1) + '', 'sessions (each load starts one)'], [c.removedWithSession + '', 'vessels removed with the session']);
  for (const [bit, what] of [[belowSurface, 'below the planet\'s surface'], [fasterThanLight, 'faster than light (not charted)']]) {
    const flagged = data.vessels.filter((v) => v.fl && v.fl.some((f) => f & bit));
    if (flagged.length) facts.push([namesOf(flagged, 4), what + ' at some moment']);
  }
  if (data.vesselsLeftOut) facts.push([whole(data.vesselsLeftOut), 'vessels not drawn (tracks kept for at most ' + (c.created - data.vesselsLeftOut - data.rockTracksLeftOut) + ')']);
  if (data.rockTracksLeftOut) facts.push([whole(data.rockTracksLeftOut), 'rock tracks left out (of rocks gone: the latest are kept, the older ones thinned)']);
  if (data.eventsLeftOut) facts.push([whole(data.eventsLeftOut), 'events left out of the list (its start and its latest are kept)']);
  if (data.debugFolded) facts.push([whole(data.debugFolded), 'debug lines left out, alike but for their numbers (the first and last of each stretch are kept)']);
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

// ---- the views, from the whole run
function focusAt(t) {
  let found = data.focus.length ? data.focus[0][1] : 0;
  for (const [from, i] of data.focus) if (from <= t) found = i;
  return data.vessels[found];
}
const detonated = data.vessels.filter((v) => isBomb(v) && v.detonated >= 0);
const flight = { vessels: data.vessels, aliveAt, aliveDuring, focusAt, detonated, start, planetRadius: data.planetRadius };
const frames = framesOf(flight);
state.frames = frames;
const views = [closeByView(flight, state, frames)];
if (data.planetView) views.push(planetView(flight, state));
const trailChoices = [[10, '10 s'], [60, '1 min'], [600, '10 min'], [3600, '1 h'], [Infinity, 'the whole run']];

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
const play = document.getElementById('play'), speed = document.getElementById('speed'), trailChoice = document.getElementById('trail');
// Playback speeds in simulated seconds a second; the default plays the run in 15 s.
const wholeIn15 = (end - start) / 15;
for (const [value, label] of [[wholeIn15, 'the run in 15 s']].concat([0.25, 1, 2, 5, 10, 30, 100, 1000, 10000].map((x) => [x, '×' + x]))) {
  speed.append(el('option', { value }, label));
}
for (const [value, label] of trailChoices) trailChoice.append(el('option', { value }, label));
// a trail of about a quarter of the run, at least the shortest choice
const quarter = (end - start) / 4;
state.trail = trailChoices.filter(([s]) => s <= quarter).concat([trailChoices[0]]).sort((a, b) => b[0] - a[0])[0][0];
trailChoice.value = String(state.trail);
trailChoice.addEventListener('change', () => { state.trail = Number(trailChoice.value); setTime(state.t); });
let last = 0;
function frame(now) {
  if (!state.playing) return;
  if (last) setTime(state.t + Number(speed.value) * (now - last) / 1000);
  last = now;
  if (state.t >= end) { state.playing = false; play.textContent = '▶ Play'; return; }
  requestAnimationFrame(frame);
}
play.addEventListener('click', () => {
  state.playing = !state.playing;
  play.textContent = state.playing ? '❚❚ Pause' : '▶ Play';
  if (state.playing) { if (state.t >= end) setTime(start); last = 0; requestAnimationFrame(frame); }
});

// ---- the charts
const charts = [];
const legendOpen = 12;
const dashes = [[], [7, 3], [2, 3], [10, 3, 2, 3], [4, 4]];
// A legend: a row of swatches, or past a dozen a list to open and search.
function legendFor(series) {
  const swatch = (s) => { const item = el('span', { class: 'item', title: s.name }); const i = el('i'); i.style.background = s.color; item.append(i, document.createTextNode(s.label || s.name)); return item; };
  if (series.length <= legendOpen) { const d = el('div', { class: 'legend' }); series.forEach((s) => d.append(swatch(s))); return d; }
  const d = el('details', { class: 'legend' });
  const search = el('input', { type: 'search', placeholder: 'find a series', 'aria-label': 'find a series' });
  const list = el('div', { class: 'legendList' });
  d.append(el('summary', {}, series.length + ' series'), search, list);
  const fill = () => {
    list.textContent = '';
    const q = search.value.toLowerCase();
    const found = series.filter((s) => !q || s.name.toLowerCase().includes(q));
    found.slice(0, 200).forEach((s) => list.append(swatch(s)));
    if (found.length > 200) list.append(el('span', {}, ' and ' + (found.length - 200) + ' more'));
  };
  search.addEventListener('input', fill);
  d.addEventListener('toggle', fill, { once: true });
  return d;
}
function chart(title, quantity, unit, series, options) {
  series = series.filter((s) => s.t.length);
  if (!series.length) return;
  options = options || {};
  const box = el('div', { class: 'chart' });
  const canvas = el('canvas');
  box.append(el('h3', {}, title), canvas, legendFor(series));
  document.getElementById('chartList').append(box);
  const values = series.flatMap((s) => s.v).filter((v) => v !== null && isFinite(v));
  let lo = Math.min(...values, options.line ? options.line.v : Infinity), hi = Math.max(...values, options.line ? options.line.v : -Infinity);
  const positive = values.filter((v) => v > 0);
  const log = options.log && positive.length && Math.max(...positive) / Math.min(...positive) > 100;
  if (log) { lo = Math.log10(Math.min(...positive)); hi = Math.log10(Math.max(...positive)); }
  if (options.zero && !log) lo = Math.min(lo, 0);
  if (hi - lo < 1e-12) { hi += 1; lo -= log ? 1 : 0; }
  const pad = (hi - lo) * 0.05; hi += pad; if (!options.zero || log) lo -= pad;
  const c = { title, points: series.reduce((n, s) => n + s.t.length, 0), colors: series.map((s) => s.color), series };
  const p = unit ? thousands(Math.max(Math.abs(log ? Math.pow(10, hi) : hi), Math.abs(log ? 0 : lo))) : 1;
  const scale = Math.pow(1000, p - 1), axisTitle = quantity + (unit ? ' (' + prefixes[p] + unit + ')' : '');
  const tickText = (v) => log ? si(Math.pow(10, v), unit, 2) : num(v / scale);
  c.draw = function () {
    const { g, w, h } = canvasFor(canvas);
    g.font = '11px system-ui, sans-serif'; g.lineWidth = 1;
    // marks in time alone have no value to read off: no value axis
    // a count has no half: its ticks are whole numbers
    const yTicks = options.noValues ? [] : ticks(lo, hi, 5).filter((v) => !options.whole || Number.isInteger(v));
    c.yTicks = yTicks;
    const widest = Math.max(0, ...yTicks.map((v) => g.measureText(tickText(v)).width));
    const l = options.noValues ? 14 : widest + 30, r = 14, top = 10, bottom = 34, pw = w - l - r, ph = h - top - bottom;
    if (pw <= 10 || ph <= 10) return;
    const X = (t) => l + (t - start) / (end - start) * pw;
    const Y = (v) => top + ph - ((log ? Math.log10(v) : v) - lo) / (hi - lo) * ph;
    for (const v of yTicks) {
      const y = Y(log ? Math.pow(10, v) : v);
      g.strokeStyle = '#e3e7ec'; g.beginPath(); g.moveTo(l, y); g.lineTo(l + pw, y); g.stroke();
      g.fillStyle = '#5b6675'; g.textAlign = 'right'; g.fillText(tickText(v), l - 4, y + 4);
    }
    const tUnit = end >= 7200 ? 3600 : 1, tName = tUnit === 3600 ? 'time (h)' : 'time (s)';
    for (const t of ticks(start / tUnit, end / tUnit, Math.max(2, Math.floor(pw / 90)))) { g.textAlign = 'center'; g.fillText(num(t), X(t * tUnit), top + ph + 14); }
    g.fillText(tName, l + pw / 2, top + ph + 29);
    if (!options.noValues) { g.save(); g.translate(11, top + ph / 2); g.rotate(-Math.PI / 2); g.textAlign = 'center'; g.fillText(axisTitle, 0, 0); g.restore(); }
    g.strokeStyle = '#9aa5b1'; g.strokeRect(l, top, pw, ph);
    g.save(); g.beginPath(); g.rect(l, top, pw, ph); g.clip();
    if (options.line) {
      g.strokeStyle = '#cc0000'; g.setLineDash([6, 4]); g.beginPath();
      g.moveTo(l, Y(options.line.v)); g.lineTo(l + pw, Y(options.line.v)); g.stroke(); g.setLineDash([]);
      g.fillStyle = '#cc0000'; g.textAlign = 'left'; g.fillText(options.line.label, l + 6, Y(options.line.v) - 4);
    }
    // a time jump: the clock went elsewhere, the flight's time runs on
    g.strokeStyle = '#7a4fb0'; g.setLineDash([2, 3]);
    for (const t of clockJumps) { g.beginPath(); g.moveTo(X(t), top); g.lineTo(X(t), top + ph); g.stroke(); }
    g.setLineDash([]);
    // the first series widest and each later one dashed its own way, so
    // lines that lie on each other still show each
    series.forEach((s, n) => {
      g.strokeStyle = s.color; g.fillStyle = s.color; g.beginPath();
      g.lineWidth = 1.6 + (series.length > 1 && series.length <= manySeries ? 2.4 * (series.length - 1 - n) / (series.length - 1) : 0);
      g.setLineDash(dashes[n % dashes.length]);
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
      g.stroke(); g.setLineDash([]);
      if (s.t.length < 200) for (let i = 0; i < s.t.length; i++) if (s.v[i] !== null && !(log && s.v[i] <= 0)) { g.beginPath(); g.arc(X(s.t[i]), Y(s.v[i]), 2, 0, 2 * Math.PI); g.fill(); }
      for (const [mt, mv] of s.marks || []) ring(g, X(mt), Y(mv));
    });
    g.strokeStyle = '#1d2430'; g.lineWidth = 1; g.beginPath(); g.moveTo(X(state.t), top); g.lineTo(X(state.t), top + ph); g.stroke();
    g.restore();
    c.X = X; c.Y = Y; c.left = l; c.width = pw;
  };
  canvas.addEventListener('mousemove', (e) => {
    const b = canvas.getBoundingClientRect(), mx = e.clientX - b.left, my = e.clientY - b.top;
    let best = null, bestD = 10;
    for (const s of series) for (let i = 0; i < s.t.length; i++) {
      if (s.v[i] === null || (log && s.v[i] <= 0)) continue;
      const d = Math.hypot(c.X(s.t[i]) - mx, c.Y(s.v[i]) - my);
      if (d < bestD) { bestD = d; best = s.name + ' at ' + num(s.t[i], 6) + ' s: ' + (s.text ? s.text[i] : unit ? si(s.v[i], unit) : num(s.v[i])); }
    }
    showTip(e, best);
  });
  canvas.addEventListener('mouseleave', () => showTip(null, ''));
  canvas.addEventListener('click', (e) => { const b = canvas.getBoundingClientRect(); setTime(start + (e.clientX - b.left - c.left) / c.width * (end - start)); });
  charts.push(c);
}
const vesselSeries = (v, key) => ({ name: v.title, label: v.label, color: v.color, t: v.t, v: v[key] });
// Past a dozen series a chart draws what they add up to, not a block of lines.
const manySeries = 12;
// How many of the vessels were doing something at each change.
function countOver(items, from, to, name, color) {
  // what is still doing it at the end stays counted to the end
  const changes = items.flatMap((v) => [[from(v), 1], [to(v), -1]]).filter((c) => c[0] <= end).sort((a, b) => a[0] - b[0] || a[1] - b[1]);
  const times = [start], counts = [0];
  let n = 0;
  for (const [t, d] of changes) { n += d; if (times[times.length - 1] === t) counts[counts.length - 1] = n; else { times.push(t); counts.push(n); } }
  times.push(end); counts.push(n);
  return { name, color, t: times, v: counts, steps: true };
}
const bombs = data.vessels.filter((v) => isBomb(v) && v.lv);
if (bombs.length > manySeries) {
  chart('Bombs in their blast window', 'bombs blasting', '', [countOver(bombs, (v) => v.detonated >= 0 ? v.detonated : v.end, (v) => v.end, 'bombs blasting', palette[5])], { zero: true, whole: true });
} else {
  chart('Blast level of each bomb', 'level (0 to 1)', '', bombs.map((v) => vesselSeries(v, 'lv')), { zero: true });
}
const pushedSeries = data.vessels.filter((v) => v.f).map((v) => vesselSeries(v, 'f'));
pushedSeries.sort((a, b) => Math.max(...b.v) - Math.max(...a.v));
chart('Force each vessel received from the bombs' + (pushedSeries.length > manySeries ? ' (the ' + manySeries + ' pushed hardest of ' + pushedSeries.length + ')' : ''),
  'force', 'N', pushedSeries.slice(0, manySeries), { log: true, zero: true });
const speeds = data.vessels.filter((v) => !isRock(v) && !isBomb(v));
chart('Speed relative to the planet' + (speeds.length > manySeries ? ' (the first ' + manySeries + ' of ' + speeds.length + ' vessels)' : ''),
  'speed', 'm/s', speeds.slice(0, manySeries).map((v) => {
    // a speed above light's is no speed: left out, and the header says so
    const s = vesselSeries(v, 's');
    if (v.fl) s.v = s.v.map((x, i) => (v.fl[i] & fasterThanLight ? null : x));
    return s;
  }));
const pushPairs = data.pushes.slice(0, manySeries * 2);
const leftOut = data.pushesLeftOut + data.pushes.length - pushPairs.length;
chart('Distance from each bomb to each vessel it pushed' + (leftOut ? ' (' + leftOut + ' more pairs not drawn)' : ''), 'distance', 'm',
  pushPairs.map((p, i) => ({ name: data.vessels[p.bomb].name + ' → ' + data.vessels[p.target].name, label: data.vessels[p.bomb].label + ' → ' + data.vessels[p.target].label, color: colourOf(i), t: p.t, v: p.d })));
const triggered = data.vessels.filter((v) => v.trigger > 0 && v.alt);
if (triggered.length) {
  const carriers = data.vessels.filter((v) => !isBomb(v) && !isRock(v) && v.alt);
  const more = triggered.length > 6 || carriers.length > 6 ? ' (the first 6 of ' + whole(triggered.length) + ' bombs and of ' + whole(carriers.length) + ' other vessels)' : '';
  chart('Altitude, with the trigger height' + more, 'altitude', 'm', triggered.slice(0, 6).concat(carriers.slice(0, 6)).map((v) => vesselSeries(v, 'alt')),
    { line: { v: triggered[0].trigger, label: 'trigger height ' + si(triggered[0].trigger, 'm') }, zero: true });
}
const rocks = data.vessels.filter(isRock);
if (rocks.length) {
  chart('Rocks alive', 'rocks', '', [countOver(rocks, (v) => v.created, (v) => v.deleted >= 0 ? v.deleted : Infinity, 'rocks alive', '#7a6a58')], { zero: true, whole: true });
  // only rocks that were struck: the others stay whole, a line that says nothing
  const struck = rocks.filter((v) => v.hits.length);
  const shown = struck.slice(0, manySeries);
  chart('Health of each rock struck, with its contacts' + (shown.length < struck.length ? ' (' + shown.length + ' of ' + struck.length + ')' : ''),
    'health', '%', shown.map((v) => {
      const t = [v.created], h = [100];
      v.hits.forEach((ht, i) => { t.push(ht); h.push(healthAfter(i)); });
      t.push(v.end); h.push(h[h.length - 1]);
      return { name: v.name, label: v.label, color: v.color, t, v: h, steps: true, marks: v.hits.map((ht, i) => [ht, healthAfter(i)]) };
    }), { zero: true });
}
const debug = data.events.filter((e) => e[1] === 'debug');
chart('When the debug line changed (hover a mark for its text)', 'changes', '', [{ name: 'debug line', color: '#0072b2', t: debug.map((e) => e[0]), v: debug.map(() => 1), text: debug.map((e) => e[3]), bars: true }],
  { zero: true, noValues: true });

// ---- the displays: every text at its pixel position, buttons beside
(function displays() {
  const list = document.getElementById('screenList');
  if (!data.screens.length) { list.append(el('p', {}, 'No display was shown in this run.')); return; }
  const scale = 0.75;
  data.screens.forEach((s, i) => {
    const fig = el('figure', { class: 'screen', id: 'screen-' + i });
    fig.append(el('figcaption', {}, 't = ' + num(s.t, 6) + ' s · ' + (s.mode || s.title) + ' display ' + s.name + ' · ' + s.width + ' × ' + s.height + ' px'));
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
  const labels = { session: 'new session', created: 'created', deleted: 'deleted', blast: 'blast', contact: 'contact', message: 'message box', debug: 'debug line', input: 'input box', pilot: 'pilot', screen: 'display', ended: 'run ended', touchdown: 'touchdown', jump: 'clock jump' };
  const kinds = [...new Set(data.events.map((e) => e[1]))];
  kinds.forEach((k) => filter.append(el('option', { value: k }, labels[k])));
  const limit = 2000;
  function fill() {
    body.textContent = '';
    const shown = data.events.filter((e) => !filter.value || e[1] === filter.value);
    for (const e of shown.slice(0, limit)) {
      const row = el('tr', { 'data-kind': e[1] });
      if (/: refused$/.test(e[3])) row.className = 'refused'; else if (/: accepted$/.test(e[3])) row.className = 'accepted';
      if (['contact', 'ended', 'blast', 'touchdown', 'jump', 'session'].includes(e[1])) row.classList.add('key');
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
state.views = views;
// The page opens just into the first blast, or at the first contact, or halfway.
const firstBlast = detonated[0];
state.showcase = firstBlast ? Math.min(end, firstBlast.detonated + data.step) : contacts.length ? contacts[0].t : start + (end - start) / 2;
window.addEventListener('resize', () => setTime(state.t));
state.t = state.showcase;
views.forEach((v) => v.fitAll());
setTime(state.showcase);
