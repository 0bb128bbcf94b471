'use strict';
// The views of a flight, shared by the flight report and the live page (one
// drawing, two sources of data). A view draws in a frame the reader picks,
// an origin that moves as the frame says, never with the focus: every
// vessel where it was at the clock's moment, its recent track fading behind
// it, and the marks of what happened within the trail, each where it was in
// that frame at its own moment.
//
// A source holds what is drawn:
//   vessels                 every vessel: name, cls, label, color, index,
//                           created, end, deleted and detonated (-1 for
//                           never), hits, and its track (see flight_drawing.js);
//   aliveAt(t)              the vessels that may be there at t;
//   aliveDuring(from, to)   those that may have been there in between;
//   focusAt(t)              the vessel in focus at t;
//   detonated               the bombs that went off, in order;
//   start                   the earliest moment drawn;
//   planetRadius.
// A clock holds the moment and the trail's length in seconds (t, trail);
// the views leave in its drawn and marks what they drew, for the browser
// checks.

// A point moving on at the velocity a vessel had at a moment: where it was then.
function ridingWith(v, t0) {
  const a = position(v, t0) || [v.wx[0], v.wy[0], v.wz[0]], u = velocity(v, t0);
  return (t) => [a[0] + u[0] * (t - t0), a[1] + u[1] * (t - t0), a[2] + u[2] * (t - t0)];
}
// Whether a track is its vessel's first: one a load brought back from a
// save (the report's kin) is listed once, by its first.
const firstOfItsVessel = (v) => !v.kin || v.kin[0] === v;
// A vessel's own place, held at its first or last while it does not exist;
// one a load brought back is followed into each session it was in.
function following(v) {
  const kin = v.kin || [v];
  return (t) => {
    const w = kin.find((k) => t <= k.end) || kin[kin.length - 1];
    return position(w, Math.max(w.created, Math.min(w.end, t))) || [w.wx[0], w.wy[0], w.wz[0]];
  };
}
// A bomb brought back by a load blasts anew: each blast names its session.
const blastFrame = (b) => ({ name: 'the blast of ' + b.label + ((b.kin || [b]).filter((k) => k.detonated >= 0).length > 1 ? ' in session ' + (b.session + 1) : '') + ' (' + b.name + ')',
  origin: ridingWith(b, b.detonated), bomb: b });
// The frames on offer: each blast's point, the start, and riding with each
// ship.
function framesOf(source) {
  const frames = [], detonated = source.detonated;
  for (const b of detonated.slice(0, 20)) frames.push(blastFrame(b));
  // Without a blast, the vessel first in focus comes first: the rock field gathers there.
  const ships = source.vessels.filter((v) => !isBomb(v) && !isRock(v) && firstOfItsVessel(v));
  if (source.vessels.length) {
    const first = source.focusAt(source.start);
    const startFrame = { name: 'the start: where ' + (first.title || first.name) + ' was, moving on as it was', origin: ridingWith(first, first.created) };
    if (!detonated.length) ships.sort((a, b) => (b === first) - (a === first));
    ships.slice(0, 30).forEach((v) => frames.push({ name: 'riding with ' + (v.title || v.name), origin: following(v) }));
    frames.splice(detonated.length ? Math.min(20, detonated.length) : 1, 0, startFrame);
  }
  // The list is cut to what a reader can scan, and says so.
  const more = (n, what) => n > 0 ? num(n, 15) + ' more ' + what + (n > 1 ? 's' : '') : '';
  const left = [more(detonated.length - 20, 'blast'), more(ships.length - 30, 'ship')].filter(Boolean);
  if (left.length) frames.leftOut = left.join(' and ') + ' not listed (a blast\'s event opens its frame)';
  return frames;
}

// A view, added to the page's #views: options.frames to pick from, or
// fixed on the planet; labelOf(v, t) and hover(v, t) say what is written;
// least, extra and decorate shape it; pick(v) is told of a vessel clicked.
function makeView(source, clock, title, options) {
  const box = el('div', { class: 'view' });
  const canvas = el('canvas');
  const view = { title, canvas, frames: options.frames || [], frame: options.frames && options.frames[0] || planetFrame, center: [0, 0], ext: 1, auto: true, positions: [] };
  const bar = el('div', { class: 'viewControls' });
  const fit = el('button', { type: 'button', title: 'everything in view' }, 'Fit');
  const closer = el('button', { type: 'button', title: 'closer' }, '+');
  const farther = el('button', { type: 'button', title: 'farther' }, '−');
  bar.append(fit, closer, farther);
  if (options.frames) {
    const choose = el('select', { 'aria-label': 'frame' });
    view.choose = choose;
    const label = el('label', {}, 'Frame ');
    label.append(choose);
    bar.append(label);
    choose.addEventListener('change', () => { view.chosen = true; show(view.frames[choose.value]); });
  }
  bar.prepend(el('h3', {}, title));
  box.append(bar, canvas);
  document.getElementById('views').append(box);
  const labelWidths = new Map(), backdrop = keptPicture(), trails = trailLayer();
  const leaveDrawn = (list) => Object.defineProperty(clock.drawn, title, { get: list, configurable: true, enumerable: true });
  // The frame's origin, found once a drawing for each moment: a thousand
  // vessels share a few moments, the clock's and their points'.
  const origins = new Map();
  let originsOf = null;
  const originAt = (t) => {
    if (originsOf !== view.frame) { origins.clear(); originsOf = view.frame; }
    let o = origins.get(t);
    if (!o) origins.set(t, o = view.frame.origin(t));
    return o;
  };
  const rel = (p, t) => { const o = originAt(t); return [p[0] - o[0], p[1] - o[1], p[2] - o[2]]; };
  // The two axes along which the ships and bombs spread most in this frame.
  function planeOf() {
    const spread = [0, 0, 0];
    for (const v of source.vessels.filter((v) => !isRock(v)).slice(0, 200)) {
      const step = Math.max(1, Math.floor(v.t.length / 50));
      for (let i = 0; i < v.t.length; i += step) {
        const r = rel([v.wx[i], v.wy[i], v.wz[i]], v.t[i]);
        for (let k = 0; k < 3; k++) spread[k] += r[k] * r[k];
      }
    }
    return [0, 1, 2].sort((a, b) => spread[b] - spread[a]).slice(0, 2).sort();
  }
  // Every vessel there at the moment, in the frame's plane.
  function now(t) {
    const out = [];
    for (const v of source.aliveAt(t)) {
      const p = position(v, t);
      if (!p) continue;
      const r = rel(p, t);
      out.push({ v, a: r[view.plane[0]], b: r[view.plane[1]] });
    }
    return out;
  }
  // How far from the frame's origin a point reaches, in the canvas's shorter
  // side's terms: the canvas measured once, not for each of a thousand points.
  function reacher() {
    const [cw, ch] = canvasSize(canvas), w = Math.max(1, cw - 92), h = Math.max(1, ch - 92), side = Math.min(w, h);
    return (p) => Math.max(Math.abs(p.a) * side / w, Math.abs(p.b) * side / h);
  }
  // How far the vessels there at t reach, leaving out the few far off (a
  // ship 20 km from a rock field 200 m across): beyond ten times the median.
  function usualReach(present) {
    const near = Float64Array.from(present, reacher()), away = near.filter((r) => r > 0).sort();
    const median = away.length ? away[(away.length - 1) >> 1] : 0;
    return near.reduce((most, r) => (r <= median * 10 ? Math.max(most, r) : most), 0);
  }
  // Fit: centred on the frame's origin, wide enough for all but the far off,
  // who stay arrows at the edge.
  view.fitAll = function () {
    view.plane = view.plane || planeOf();
    const extra = options.extra ? options.extra(view) : [];
    view.center = [0, 0];
    view.ext = Math.max(options.least || 50, usualReach(now(clock.t)) * 1.3, ...extra.map(reacher()));
    view.auto = true;
    draw();
  };
  function draw() {
    view.plane = view.plane || planeOf();
    origins.clear();
    const { g, w, h } = canvasFor(canvas);
    const m = 46, wide = w - 2 * m, high = h - 2 * m, size = Math.min(wide, high);
    leaveDrawn(() => []);
    if (size <= 10) return;  // a canvas too small to hold the view
    const present = now(clock.t);
    if (view.auto) {
      // until the reader zooms or pans, the view follows the action: it grows
      // so nothing that moves away is lost, and closes in when it is far too wide
      const far = usualReach(present), least = Math.max(options.least || 50, ...(options.extra ? options.extra(view) : []).map(reacher()));
      if (far > view.ext * 0.95 || far < view.ext * 0.3) view.ext = Math.max(least, far * 1.3);
    }
    const ext = view.ext, [ca, cb] = view.center;
    const cx = m + wide / 2, cy = m + high / 2, k = size / (2 * ext), extA = ext * wide / size, extB = ext * high / size;
    const px = (a) => cx + (a - ca) * k, py = (b) => cy - (b - cb) * k;
    view.toScreen = (a, b) => [px(a), py(b)];
    view.fromScreen = (x, y) => [ca + (x - cx) / k, cb - (y - cy) / k];
    // grid, ticks with one SI prefix for the axis, axis names
    const axes = ['x', 'y', 'z'], [ka, kb] = view.plane;
    const p = thousands(ext), scale = Math.pow(1000, p - 1), unit = prefixes[p] + 'm';
    // all of it, and what the view's options paint beneath the vessels, the
    // same from frame to frame while the view holds still
    backdrop(g, [ext, ca, cb, ka, kb, w, h], (g) => {
      g.font = '11px system-ui, sans-serif'; g.strokeStyle = '#e3e7ec'; g.fillStyle = '#5b6675'; g.lineWidth = 1;
      for (const v of ticks(ca - extA, ca + extA, Math.max(2, Math.round(wide / 90)))) {
        g.beginPath(); g.moveTo(px(v), m); g.lineTo(px(v), m + high); g.stroke();
        g.textAlign = 'center'; g.fillText(num(v / scale), px(v), m + high + 14);
      }
      for (const v of ticks(cb - extB, cb + extB, Math.max(2, Math.round(high / 90)))) {
        g.beginPath(); g.moveTo(m, py(v)); g.lineTo(m + wide, py(v)); g.stroke();
        g.save(); g.translate(m - 6, py(v)); g.rotate(-Math.PI / 2); g.textAlign = 'center'; g.fillText(num(v / scale), 0, 0); g.restore();
      }
      g.strokeStyle = '#9aa5b1'; g.strokeRect(m, m, wide, high);
      g.textAlign = 'center'; g.fillText(axes[ka] + ' (' + unit + ')', cx, m + high + 30);
      g.save(); g.translate(14, cy); g.rotate(-Math.PI / 2); g.fillText(axes[kb] + ' (' + unit + ')', 0, 0); g.restore();
      // scale bar: the largest 1, 2 or 5 times a power of ten within a quarter of the view
      const quarter = ext / 2, mag = Math.pow(10, Math.floor(Math.log10(quarter)));
      const bar = [5, 2, 1].map((f) => f * mag).find((b) => b <= quarter);
      g.strokeStyle = '#1d2430'; g.lineWidth = 2; g.beginPath();
      g.moveTo(m + 10, m + 14); g.lineTo(m + 10 + bar * k, m + 14); g.stroke();
      g.fillStyle = '#1d2430'; g.textAlign = 'left'; g.fillText(si(bar, 'm'), m + 14 + bar * k, m + 18);
      g.beginPath(); g.rect(m, m, wide, high); g.clip();
      if (options.decorate) options.decorate(g, view, k, px, py);
    });
    g.save(); g.beginPath(); g.rect(m, m, wide, high); g.clip();
    const t = clock.t, trail = clock.trail, marks = [];
    const inPlane = (r) => [r[ka], r[kb]];
    const markAt = (v, tm) => { const q = position(v, tm); return q ? inPlane(rel(q, tm)) : null; };
    // each bomb blasting now: its 200 km reach, shaded by its level
    for (const v of source.aliveAt(t)) {
      if (!isBomb(v) || !v.lv || t < v.detonated || t > v.end) continue;
      const level = at(v, 'lv', t), q = markAt(v, t);
      if (!level || !q) continue;
      g.fillStyle = 'rgba(213, 94, 0, ' + (0.22 * level).toFixed(3) + ')';
      g.beginPath(); g.arc(px(q[0]), py(q[1]), Math.max(0, blastRadius * k), 0, 2 * Math.PI); g.fill();
      g.strokeStyle = '#d55e00'; g.lineWidth = 2; g.stroke();
    }
    // trails: the recent past of every vessel there now, each point where it
    // was in the frame at its own moment, from its first recorded point on:
    // before that there is no place to draw, only a guess in a moving frame
    const trailStarts = [], spans = [];
    for (const { v, a, b } of present) {
      const from = Math.max(v.created, v.t[0], t - trail);
      let i = Math.max(0, before(v.t, from));
      if (v.t[i] < from) i++;
      const first = markAt(v, from);
      if (first) trailStarts.push([v.index, first[0], first[1], from]);
      spans.push({ v, i, j: before(v.t, t), first, a, b });
    }
    const [wa, wb] = [['wx', 'wy', 'wz'][ka], ['wx', 'wy', 'wz'][kb]];
    // point i of v's track, where it was in the frame then: a line drawn to it, or a move
    const toPoint = (g, v, i, move) => {
      const o = originAt(v.t[i]), x = px(v[wa][i] - o[ka]), y = py(v[wb][i] - o[kb]);
      if (move) g.moveTo(x, y); else g.lineTo(x, y);
    };
    trails.draw(g, [view.frame, ka, kb, ext, ca, cb, w, h], spans, toPoint);
    // each trail's two moving ends, from its first moment to its first
    // point and from its last point to now; alone when no point lies between
    g.lineWidth = 1.4;
    for (const { v, i, j, first, a, b } of spans) {
      g.strokeStyle = v.color; g.globalAlpha = isRock(v) ? 0.45 : 0.7; g.beginPath();
      if (first) g.moveTo(px(first[0]), py(first[1]));
      if (i <= j) {
        toPoint(g, v, i);
        toPoint(g, v, j, true);
      }
      g.lineTo(px(a), py(b));
      g.stroke();
    }
    g.globalAlpha = 1;
    // marks of what happened within the trail: removed rocks (hundreds an
    // hour on a long run, so one path for all), contacts, detonations on top
    const removed = [], stars = [];
    for (const v of source.aliveDuring(t - trail, t)) {
      if (isRock(v) && v.deleted >= 0 && v.deleted <= t && v.deleted >= t - trail) {
        const q = markAt(v, v.deleted);
        if (q) { removed.push([px(q[0]), py(q[1])]); marks.push(['removed', v.name, q[0], q[1], v.index]); }
      }
      for (const ht of v.hits) {
        if (ht > t || ht < t - trail) continue;
        const q = markAt(v, ht);
        if (q) { ring(g, px(q[0]), py(q[1])); marks.push(['contact', v.name, q[0], q[1], v.index]); }
      }
      if (isBomb(v) && v.detonated >= 0 && v.detonated <= t && (v.detonated >= t - trail || v === source.detonated[0])) {
        const q = markAt(v, v.detonated);
        if (q) { stars.push([px(q[0]), py(q[1])]); marks.push(['detonation', v.name, q[0], q[1], v.index]); }
      }
    }
    crosses(g, removed, rockColour);
    for (const [x, y] of stars) star(g, x, y);
    clock.marks[title] = marks;
    if (clock.trailStarts) clock.trailStarts[title] = trailStarts;
    g.restore();
    // every vessel at the playback's time; one outside the view is an arrow at its edge
    const here = present;
    for (const p of here) { p.x = px(p.a); p.y = py(p.b); }
    view.positions = here;
    // a vessel's size where the record holds it and it shows, within the
    // view's frame: a contact at a station's edge is seen to touch it
    const sized = [];
    g.save(); g.beginPath(); g.rect(m, m, wide, high); g.clip();
    g.lineWidth = 1.5; g.globalAlpha = 0.8;
    for (const p of here) {
      if (!(p.x >= m && p.x <= m + wide && p.y >= m && p.y <= m + high && p.v.r * k > 4)) continue;
      g.strokeStyle = p.v.color; g.beginPath(); g.arc(p.x, p.y, p.v.r * k, 0, 2 * Math.PI); g.stroke();
      sized.push([p.v.index, p.v.r * k]);
    }
    g.restore();
    for (const p of here) {
      const inside = p.x >= m && p.x <= m + wide && p.y >= m && p.y <= m + high;
      const x = Math.max(m, Math.min(m + wide, p.x)), y = Math.max(m, Math.min(m + high, p.y));
      g.fillStyle = p.v.color; g.beginPath();
      if (inside) g.arc(x, y, isRock(p.v) ? 3.5 : 5, 0, 2 * Math.PI);
      else { const d = Math.atan2(p.y - cy, p.x - cx); g.moveTo(x + 8 * Math.cos(d), y + 8 * Math.sin(d)); g.lineTo(x + 5 * Math.cos(d + 2.4), y + 5 * Math.sin(d + 2.4)); g.lineTo(x + 5 * Math.cos(d - 2.4), y + 5 * Math.sin(d - 2.4)); }
      g.fill();
      p.sx = x; p.sy = y;
    }
    if (clock.sizes) clock.sizes[title] = sized;
    // labels placed so none overlaps; the corner holding the scale bar is taken
    g.font = '12px system-ui, sans-serif';
    const placed = labelSpace(), focus = source.focusAt(t);
    placed.take({ x: m, y: m, w: 150, h: 24 });
    const order = here.slice().sort((a, b) => (isRock(a.v) - isRock(b.v)) || (b.v === focus) - (a.v === focus));
    for (const p of order.slice(0, 300)) {
      const text = options.labelOf(p.v, t);
      // a label holding a height changes with every frame: the widths kept are the recent ones
      if (labelWidths.size > 20000) labelWidths.clear();
      if (!labelWidths.has(text)) labelWidths.set(text, g.measureText(text).width);
      const tw = labelWidths.get(text) + 4, th = 14;
      const spots = [[8, -7], [8, 9], [-8 - tw, -7], [-8 - tw, 9], [-tw / 2, -20], [-tw / 2, 22]];
      for (const [dx, dy] of spots) {
        const r = { x: p.sx + dx, y: p.sy + dy - th + 3, w: tw, h: th };
        if (r.x < 2 || r.y < 2 || r.x + r.w > w - 2 || r.y + r.h > h - 2) continue;
        if (!placed.free(r)) continue;
        placed.take(r);
        g.fillStyle = 'rgba(255,255,255,0.8)'; g.fillRect(r.x, r.y, r.w, r.h);
        g.fillStyle = '#1d2430'; g.textAlign = 'left'; g.fillText(text, r.x + 2, r.y + th - 3);
        break;
      }
    }
    // for the browser checks, the labels written out only when read: a
    // thousand labels each frame would cost more than drawing them
    let listed = null;
    leaveDrawn(() => listed || (listed = here.map((q) => [q.v.name, q.x, q.y, q.a, q.b, q.v.index, options.labelOf(q.v, t)])));
  }
  view.draw = draw;
  const zoom = (f, at) => {
    const [a, b] = at || view.center;
    view.center = [a + (view.center[0] - a) * f, b + (view.center[1] - b) * f];
    view.ext *= f; view.auto = false; draw();
  };
  fit.addEventListener('click', () => view.fitAll());
  closer.addEventListener('click', () => zoom(0.5));
  farther.addEventListener('click', () => zoom(2));
  canvas.addEventListener('wheel', (e) => {
    e.preventDefault();
    const r = canvas.getBoundingClientRect();
    zoom(e.deltaY < 0 ? 0.8 : 1.25, view.fromScreen(e.clientX - r.left, e.clientY - r.top));
  }, { passive: false });
  let dragging = null;
  canvas.addEventListener('mousedown', (e) => { dragging = [e.clientX, e.clientY, view.center.slice()]; });
  window.addEventListener('mouseup', () => { dragging = null; });
  canvas.addEventListener('mousemove', (e) => {
    const r = canvas.getBoundingClientRect();
    if (dragging) {
      const [a0, b0] = view.fromScreen(dragging[0] - r.left, dragging[1] - r.top), [a1, b1] = view.fromScreen(e.clientX - r.left, e.clientY - r.top);
      view.center = [dragging[2][0] - (a1 - a0), dragging[2][1] - (b1 - b0)];
      view.auto = false; draw();
      return;
    }
    const near = view.positions.filter((p) => Math.hypot(p.sx - (e.clientX - r.left), p.sy - (e.clientY - r.top)) < 8);
    showTip(e, near.map((p) => (p.v.title || p.v.name) + ' (' + p.v.cls + ')' + (options.hover ? ' ' + options.hover(p.v, clock.t) : '')).join('\n'));
  });
  canvas.addEventListener('mouseleave', () => showTip(null, ''));
  if (options.pick) {
    // a click, not the end of a drag: the vessel under it, if any
    let pressed = null;
    canvas.addEventListener('mousedown', (e) => { pressed = [e.clientX, e.clientY]; });
    canvas.addEventListener('click', (e) => {
      if (!pressed || Math.hypot(e.clientX - pressed[0], e.clientY - pressed[1]) > 3) return;
      const r = canvas.getBoundingClientRect(), x = e.clientX - r.left, y = e.clientY - r.top;
      const near = view.positions.map((p) => [Math.hypot(p.sx - x, p.sy - y), p.v]).filter((n) => n[0] < 8).sort((a, b) => a[0] - b[0]);
      if (near.length) options.pick(near[0][1]);
    });
  }
  // Shown in a frame: fitted anew, in the plane the vessels spread in there.
  function show(frame) { view.frame = frame; view.plane = null; view.fitAll(); }
  view.showFrame = function (i) {
    if (!view.choose || !view.frames[i]) return;
    view.chosen = true;
    view.choose.value = String(i);
    show(view.frames[i]);
  };
  // The frames on offer change as the flight goes on: the one shown stays
  // while it is offered and the reader chose it; otherwise the first is
  // shown, or the planet's while none is offered.
  view.offer = function (frames) {
    if (!view.choose) return;
    view.frames = frames;
    view.choose.textContent = '';
    frames.forEach((f, i) => view.choose.append(el('option', { value: i }, f.name)));
    if (frames.leftOut) view.choose.append(el('option', { disabled: '', class: 'leftOut' }, frames.leftOut));
    const kept = view.chosen ? frames.indexOf(view.frame) : frames.indexOf(view.frame) === 0 ? 0 : -1;
    view.choose.value = String(Math.max(0, kept));
    if (kept < 0 && (frames[0] || planetFrame) !== view.frame) show(frames[0] || planetFrame);
  };
  view.offer(view.frames);
  return view;
}
// A picture drawn on a canvas of its own and laid on a view's as it is
// while what it depends on (key, and the canvas's size) stays the same:
// drawn afresh for every frame it would be most of the frame's time.
function keptPicture() {
  let kept = [], picture = null;
  return function lay(g, key, paint) {
    const r = g.getTransform().a;
    key = key.concat([g.canvas.width, g.canvas.height, r]);
    if (key.length !== kept.length || key.some((x, n) => x !== kept[n])) {
      kept = key;
      if (picture) picture.close();
      // a bitmap, laid as it is: another canvas would be copied at each laying
      const own = new OffscreenCanvas(g.canvas.width, g.canvas.height), og = own.getContext('2d');
      og.setTransform(r, 0, 0, r, 0, 0);
      paint(og);
      picture = own.transferToImageBitmap();
    }
    g.save(); g.setTransform(1, 0, 0, 1, 0, 0); g.drawImage(picture, 0, 0); g.restore();
  };
}
// The trails' settled part, between their first and last points: it
// changes only as a point enters or leaves a trail, or the view moves.
// spans: { v, i, j }, points i to j of v's track; toPoint(g, v, i, move)
// draws a line to point i, or moves there.
function trailLayer() {
  const lay = keptPicture();
  let kept = [], drawings = 0;
  return {
    draw(g, key, spans, toPoint) {
      // what each trail holds: its vessel, its first and last points' moments
      let n = 0, same = true;
      for (const { v, i, j } of spans) {
        if (i >= j) continue;
        same = same && kept[n] === v && kept[n + 1] === v.t[i] && kept[n + 2] === v.t[j];
        kept[n++] = v; kept[n++] = v.t[i]; kept[n++] = v.t[j];
      }
      same = same && kept.length === n;
      kept.length = n;
      if (!same) drawings++;
      lay(g, key.concat([drawings]), (g) => {
        g.lineWidth = 1.4;
        for (const { v, i, j } of spans) {
          if (i >= j) continue;
          g.strokeStyle = v.color; g.globalAlpha = isRock(v) ? 0.45 : 0.7; g.beginPath();
          for (let n = i; n <= j; n++) toPoint(g, v, n, n === i);
          g.stroke();
        }
      });
    },
  };
}
// The labels placed, found by the cells of a coarse grid each covers: a
// label is checked against those near it, not against hundreds.
function labelSpace() {
  const size = 64, cells = new Map();
  const keys = (r) => {
    const out = [];
    for (let i = Math.floor(r.x / size); i <= Math.floor((r.x + r.w) / size); i++)
      for (let j = Math.floor(r.y / size); j <= Math.floor((r.y + r.h) / size); j++) out.push(i * 4096 + j);
    return out;
  };
  const overlap = (r, q) => r.x < q.x + q.w && q.x < r.x + r.w && r.y < q.y + q.h && q.y < r.y + r.h;
  return {
    free: (r) => keys(r).every((k) => !(cells.get(k) || []).some((q) => overlap(r, q))),
    take: (r) => keys(r).forEach((k) => { if (!cells.has(k)) cells.set(k, []); cells.get(k).push(r); }),
  };
}
// What the views' symbols mean, then a swatch for each vessel, the list
// filled when opened (a live flight's vessels come and go).
const symbols = [
  ['a vessel (a rock smaller)', (g) => { g.fillStyle = '#0072b2'; g.beginPath(); g.arc(9, 8, 5, 0, 2 * Math.PI); g.fill(); }],
  ['outside the view, that way', (g) => { g.fillStyle = '#0072b2'; g.beginPath(); g.moveTo(15, 8); g.lineTo(6, 3); g.lineTo(6, 13); g.fill(); }],
  ['its trail', (g) => { g.strokeStyle = '#0072b2'; g.globalAlpha = 0.7; g.lineWidth = 1.4; g.beginPath(); g.moveTo(1, 12); g.lineTo(17, 4); g.stroke(); }],
  ['a detonation', (g) => star(g, 9, 8)],
  ['a contact', (g) => ring(g, 9, 8)],
  ['a rock removed', (g) => crosses(g, [[9, 8]], rockColour)],
  ['a blast\'s reach (200 km), darker as its level rises', (g) => {
    g.fillStyle = 'rgba(213, 94, 0, 0.15)'; g.strokeStyle = '#d55e00'; g.lineWidth = 2; g.beginPath(); g.arc(9, 8, 7, 0, 2 * Math.PI); g.fill(); g.stroke();
  }],
];
function viewLegend(source) {
  // one for all the views, which draw alike
  const box = el('div', { class: 'legend viewLegend' });
  for (const [text, paint] of symbols) {
    const item = el('span', { class: 'item symbol' }), c = el('canvas', { width: 18, height: 16 });
    paint(c.getContext('2d'));
    item.append(c, document.createTextNode(text));
    box.append(item);
  }
  // a page holding tens of thousands of entries plays slowly: past a
  // two thousand, the reader types a name to find one
  const most = 2000;
  const list = el('details', { class: 'vesselLegend' }), summary = el('summary', {}, 'the vessels'), items = el('div', { class: 'legendList' });
  const search = el('input', { type: 'search', placeholder: 'find a vessel', 'aria-label': 'find a vessel' });
  list.append(summary, search, items);
  const fill = () => {
    items.textContent = '';
    if (!list.open) return;
    const q = search.value.toLowerCase(), found = source.vessels.filter((v) => firstOfItsVessel(v) && (!q || v.name.toLowerCase().includes(q)));
    for (const v of found.slice(0, most)) {
      const item = el('span', { class: 'item', title: v.name + ' (' + v.cls + ')', 'data-index': v.index }), i = el('i');
      i.style.background = v.color;
      item.append(i, document.createTextNode(v.label === v.name ? v.name : v.label + ' ' + v.name));
      items.append(item);
    }
    if (found.length > most) items.append(el('span', { class: 'more' }, 'and ' + (found.length - most) + ' more: type a name to find one'));
  };
  list.addEventListener('toggle', fill);
  search.addEventListener('input', fill);
  box.append(list);
  return box;
}
const atPlanet = Object.freeze([0, 0, 0]), planetFrame = { name: 'the planet', origin: () => atPlanet };
const blastRadius = 200000;  // m, how far a blast reaches

// The two views: close by, in a frame the reader picks, and around the planet.
function closeByView(source, clock, frames, more) {
  return makeView(source, clock, 'Close by', Object.assign({ frames,
    labelOf: (v, t) => v.label + (flagsAt(v, t) & belowSurface ? ' (below the surface)' : ''),
    hover: (v, t) => {
      if (flagsAt(v, t) & fasterThanLight) return 'a speed above light\'s: no real speed';
      const s = at(v, 's', t);
      return s === null ? '' : si(s, 'm/s');
    } }, more));
}
function planetView(source, clock, more) {
  const radius = source.planetRadius;
  return makeView(source, clock, 'Around the planet', Object.assign({
    least: radius * 1.08,
    extra: () => [{ a: -radius, b: -radius }, { a: radius, b: radius }],
    decorate: (g, view, k, px, py) => {
      g.fillStyle = '#cfe3f5'; g.strokeStyle = '#0072b2'; g.lineWidth = 1.5;
      g.beginPath(); g.arc(px(0), py(0), Math.max(0, radius * k), 0, 2 * Math.PI); g.fill(); g.stroke();
    },
    labelOf: (v, t) => v.label + (flagsAt(v, t) & belowSurface ? ' below the surface' : v.alt ? ' ' + si(at(v, 'alt', t) || 0, 'm', 3) + ' up' : ''),
  }, more));
}
