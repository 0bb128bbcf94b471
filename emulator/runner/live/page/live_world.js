/* The world on the live page, drawn by the flight report's own views from a
 * record of the same shape that grows as states arrive. Each state gives
 * the vessels nearest the focus, relative to the planet; the record keeps
 * a point a second of each (and its newest), as far back as the server's
 * window and no further, and forgets vessels gone or unseen for as long:
 * a world of ten thousand costs the page what the nearest of them cost.
 * A vessel not in the newest state is not drawn now: its track ends where
 * it was last seen. Vessels are known by the host's serial: two bombs
 * fired alike share a name. */
'use strict';

const liveTrailChoices = [[10, '10 s'], [60, '1 min'], [600, '10 min']];
const pointSpacing = 1;  // s between the points kept, the newest aside
const mostVesselsKept = 3000;

function liveWorld(container, pick) {
  const vessels = [], byId = new Map(), focus = [], frameByName = new Map();
  let serial = 0, bombs = 0, kept = 600, framesKey = '';
  const clock = { t: 0, trail: 60, drawn: {}, marks: {} };
  const source = {
    vessels, detonated: [], start: null, planetRadius: 0,
    aliveAt: () => vessels,
    aliveDuring: () => vessels,
    focusAt(t) {
      let found = focus.length ? focus[0][1] : vessels[0];
      for (const [from, v] of focus) if (from <= t) found = v;
      return found;
    },
  };
  const views = [];
  const world = { clock, source, views, frames: [] };

  function vesselOf(shown, t) {
    const v = {
      id: shown.i, name: shown.n, cls: shown.c, index: serial, color: colourOf(serial), created: t, end: t, deleted: -1, detonated: -1,
      hits: [], t: [], wx: [], wy: [], wz: [], s: [], lv: [],
    };
    serial++;
    // short labels in the views; the whole name on hover
    v.label = isBomb(v) ? 'B' + (++bombs) : v.name.length > 14 ? v.name.slice(0, 13) + '…' : v.name;
    if (shown.a !== undefined) v.alt = [];
    vessels.push(v);
    byId.set(v.id, v);
    return v;
  }

  function addPoint(v, t, shown) {
    const n = v.t.length;
    if (n && t <= v.t[n - 1]) return;
    const at = n >= 2 && t - v.t[n - 2] < pointSpacing ? n - 1 : n;
    v.t[at] = t; v.wx[at] = shown.p[0]; v.wy[at] = shown.p[1]; v.wz[at] = shown.p[2];
    v.s[at] = shown.v; v.lv[at] = shown.lv || 0;
    if (v.alt) v.alt[at] = shown.a === undefined ? 0 : shown.a;
  }

  // Points older than the window go, one before it kept for the trail's start.
  function dropOld(v, from) {
    const i = before(v.t, from);
    if (i < 1) return;
    for (const key of ['t', 'wx', 'wy', 'wz', 's', 'lv', 'alt']) if (v[key]) v[key].splice(0, i);
  }

  function forget(t) {
    for (const v of vessels) dropOld(v, t - kept);
    let keep = vessels.filter((v) => v.end >= t - kept);
    if (keep.length > mostVesselsKept) keep = keep.sort((a, b) => b.end - a.end).slice(0, mostVesselsKept).sort((a, b) => a.index - b.index);
    if (keep.length === vessels.length) return;
    const staying = new Set(keep);
    for (const v of vessels) if (!staying.has(v) && byId.get(v.id) === v) byId.delete(v.id);
    vessels.splice(0, vessels.length, ...keep);
    while (focus.length > 1 && !staying.has(focus[0][1])) focus.shift();
  }

  // Ships first, then bombs, then rocks, so the few that matter get the clearest colours.
  const firstColours = (list) => list.slice().sort((a, b) => (b.c !== 'roid') - (a.c !== 'roid') || (b.c !== 'nuke') - (a.c !== 'nuke'));

  // A world loaded from a scenario may start earlier than the one it
  // replaced: what was known of that one goes.
  function startAfresh() {
    vessels.length = 0; focus.length = 0; source.detonated = [];
    byId.clear(); frameByName.clear();
    serial = 0; bombs = 0; framesKey = ''; source.start = null;
    world.frames = [];
    views[0].chosen = false;
    views[0].offer([]);
  }

  world.take = function (state) {
    const t = state.t;
    if (source.start !== null && t < clock.t) startAfresh();
    kept = state.kept;
    clock.t = t;
    source.planetRadius = state.planetRadius;
    if (source.start === null) source.start = t;
    for (const shown of vessels.length ? state.vessels : firstColours(state.vessels)) {
      let v = byId.get(shown.i);
      if (!v || (v.deleted >= 0 && t > v.deleted)) v = vesselOf(shown, t);
      addPoint(v, t, shown);
      v.end = t;
      if (shown.dt !== undefined) v.detonated = shown.dt;
      for (const hit of shown.h || []) if (!v.hits.length || hit > v.hits[v.hits.length - 1]) v.hits.push(hit);
    }
    for (const [id, when] of state.gone) {
      const v = byId.get(id);
      if (v && v.deleted < 0 && when >= v.created) { v.deleted = when; v.end = when; }
    }
    const focused = byId.get(state.focus);
    if (focused && (!focus.length || focus[focus.length - 1][1] !== focused)) focus.push([t, focused]);
    forget(t);
    // A blast's frame rides with the bomb as it was when it went off: once
    // a point after that is known.
    source.detonated = vessels.filter((v) => v.detonated >= 0 && v.t[v.t.length - 1] > v.detonated)
      .sort((a, b) => a.detonated - b.detonated);
    if (state.planetView && views.length < 2) views.push(planetView(source, clock, { pick }));
    offerFrames();
  };

  // The frames change as bombs go off and ships come and go; each made once.
  function offerFrames() {
    const first = source.focusAt(source.start);
    if (!first || first.t.length < 2) return;
    const frames = framesOf(source).map((f) => frameByName.get(f.name) || (frameByName.set(f.name, f), f));
    const key = frames.map((f) => f.name).join('\n');
    if (key === framesKey) return;
    framesKey = key;
    for (const name of [...frameByName.keys()]) if (!frames.some((f) => f.name === name)) frameByName.delete(name);
    world.frames = frames;
    views[0].offer(frames);
  }

  world.draw = () => views.forEach((v) => v.draw());

  const trail = el('select', { id: 'trail', 'aria-label': 'trails' });
  for (const [value, label] of liveTrailChoices) trail.append(el('option', { value }, label));
  trail.value = String(clock.trail);
  trail.addEventListener('change', () => { clock.trail = Number(trail.value); world.draw(); });
  const label = el('label', {}, 'Trails ');
  label.append(trail);
  container.append(label);
  views.push(closeByView(source, clock, [], { pick }));
  return world;
}
