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
// A vessel is who it is, not its name: bombs fired with the same settings
// share one, and a load makes its vessels anew. A vessel a load brought back
// from a save of this run is the one saved ("same"): its tracks, one a
// session, are its kin, and share its label, colour and place in lists.
const kinOf = new Map();
data.vessels.forEach((v, i) => {
  v.index = i;
  v.cls = data.classes[v.c];
  if (v.created === undefined) v.created = v.t[0];
  if (v.gone) v.deleted = v.t[v.t.length - 1];
  for (const k of ['deleted', 'trigger', 'detonated']) if (v[k] === undefined) v[k] = -1;
  v.hits = v.hits || [];
  v.end = v.deleted >= 0 ? v.deleted : data.simulated;
  v.session = v.session || 0;
  const who = v.same !== undefined ? v.same : v.id;
  if (!kinOf.has(who)) kinOf.set(who, []);
  v.kin = kinOf.get(who);
  v.kin.push(v);
});
// One track a vessel, its first: what lists and legends name.
const onePerVessel = (tracks) => [...new Set(tracks.map((v) => v.kin[0]))];
const people = [...kinOf.values()].map((kin) => kin[0]);
// short labels in the views and legends; the whole name on hover
let bombCount = 0;
for (const v of people) {
  v.label = isBomb(v) ? 'B' + (++bombCount) : v.name.length > 14 ? v.name.slice(0, 13) + '…' : v.name;
  v.title = v.name;
}
// Each of a shared name is numbered in the order it was made.
const named = new Map();
for (const v of people) { if (!named.has(v.name)) named.set(v.name, []); named.get(v.name).push(v); }
for (const list of named.values()) {
  if (list.length < 2) continue;
  list.forEach((v, k) => {
    v.title = v.name + ' #' + (k + 1);
    if (!isBomb(v)) v.label = (v.name.length > 11 ? v.name.slice(0, 10) + '…' : v.name) + ' #' + (k + 1);
  });
}
// Colours go to ships first, then bombs, then rocks, so the few that matter
// get the clearest.
people.slice().sort((a, b) => (isRock(a) - isRock(b)) || (isBomb(a) - isBomb(b)) || a.index - b.index)
  .forEach((v, i) => { v.color = colourOf(i); });
for (const v of data.vessels) Object.assign(v, { label: v.kin[0].label, title: v.kin[0].title, color: v.kin[0].color });
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
  const first = stretchOf(from), last = stretchOf(to);
  // across many stretches one pass over the vessels costs less than their sets
  if ((last - first + 1) * alive[first].length > data.vessels.length) return data.vessels.filter((v) => v.created <= to && v.end >= from);
  const found = new Set();
  for (let i = first; i <= last; i++) for (const v of alive[i]) found.add(v);
  return found;
}
const state = { t: start, playing: false, drawn: {}, marks: {}, trailStarts: {}, sizes: {} };
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
// What a rock struck: the vessels whose surface is nearest it at the moment
// (within a metre of the nearest are named together): a station's centre
// may be farther than a small ship's while its hull is the nearer.
function struckBy(rock, t) {
  const p = position(rock, t), near = [];
  if (!p) return 'another vessel';
  for (const v of aliveAt(t)) {
    if (v === rock || isBomb(v)) continue;
    const q = position(v, t);
    if (q) near.push([Math.hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]) - (v.r || 0), v]);
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
    [duration(data.simulated), 'simulated'], [num(data.steps, 15) + ' × ' + num(data.step) + ' s', 'steps'],
    [num(data.wall, 3) + ' s', 'wall time'], [num(c.created, 15) + ' / ' + num(c.deleted, 15), 'vessels created / deleted'],
    [num(c.bombsFired, 15) + ' / ' + num(c.bombsDetonated, 15), 'bombs fired / detonated'],
    [num(c.rocksSpawned, 15), 'rocks spawned'], [num(c.rocksByDamage, 15) + ' / ' + num(c.rocksByRange, 15), 'rocks removed by damage / range'],
    [num(c.contacts, 15), 'contacts'], [num(c.messageBoxes, 15), 'message boxes'], [data.collision, 'collision library at the end'],
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
function fitFirstScreen() {
  document.documentElement.style.setProperty('--header', document.getElementById('header').offsetHeight + 'px');
}

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
document.getElementById('views').after(viewLegend(flight));
// A blast's own frame; one not among those offered takes the last place,
// which holds the latest such asked for.
const offered = frames.length;
function showBlast(bomb) {
  if (!isBomb(bomb) || bomb.detonated < 0) return;
  let i = frames.findIndex((f) => f.bomb === bomb);
  if (i < 0) { frames[offered] = blastFrame(bomb); views[0].offer(frames); i = offered; }
  views[0].showFrame(i);
}
const trailChoices = [[10, '10 s'], [60, '1 min'], [600, '10 min'], [3600, '1 h'], [Infinity, 'the whole run']];

// ---- the displays: every text at its pixel position, buttons beside
(function displays() {
  const list = document.getElementById('screenList');
  if (!data.screens.length) { list.append(el('p', {}, 'No display was shown in this run.')); return; }
  const scale = 0.75;
  // what happened just before each display was drawn, so that two drawn at
  // one moment read apart
  const after = {};
  data.events.forEach((e, i) => {
    const prev = data.events[i - 1];
    if (e[1] === 'screen' && prev && prev[1] !== 'screen' && prev[0] === e[0]) after[e[2]] = prev[3];
  });
  data.screens.forEach((s, i) => {
    const fig = el('figure', { class: 'screen', id: 'screen-' + i });
    fig.append(el('figcaption', {}, (data.screens.length > 1 ? (i + 1) + ' of ' + data.screens.length + ' · ' : '') + 't = ' + num(s.t, 6) + ' s · ' +
      (s.mode || s.title) + ' display ' + s.name + ' · ' + s.width + ' × ' + s.height + ' px' + (after[i] ? ' · after: ' + after[i] : '')));
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
        // a blast is seen from its own point
        if (e[1] === 'blast') showBlast(data.vessels[e[2]]);
        setTime(e[0]);
        document.getElementById(e[1] === 'screen' ? 'screen-' + e[2] : 'playback').scrollIntoView({ behavior: 'smooth' });
      });
      body.append(row);
    }
    document.getElementById('eventCount').textContent = shown.length > limit ? 'the first ' + num(limit, 15) + ' of ' + num(shown.length, 15) + '; choose a kind to see others' : shown.length + ' events';
  }
  filter.addEventListener('change', fill);
  fill();
})();
