'use strict';
// The charts of quantities over time. Each is two canvases, one over the
// other: below, the series, drawn again only when the span of time shown or
// the page's size changes; above, what moves: the playback's cursor and the
// crosshair with a mark on each series. Moving the clock redraws only the
// upper one, a line or two, so playback stays smooth however long the run.
// The same painting, given a recorder of drawing calls, makes the chart's SVG.
const charts = [];
const legendOpen = 12;
const dashes = [[], [7, 3], [2, 3], [10, 3, 2, 3], [4, 4]];
// Past a dozen series a chart draws what they add up to, not a block of lines.
const manySeries = 12;
function swatch(color, text, title) {
  const item = el('span', { class: 'item', title: title || text });
  const i = el('i');
  i.style.background = color;
  item.append(i, document.createTextNode(text));
  return item;
}
// A legend: a row of swatches, or past a dozen a list to open and search.
function legendFor(series) {
  const entry = (s) => swatch(s.color, s.label || s.name, s.name);
  if (series.length <= legendOpen) { const d = el('div', { class: 'legend' }); series.forEach((s) => d.append(entry(s))); return d; }
  const d = el('details', { class: 'legend' });
  const search = el('input', { type: 'search', placeholder: 'find a series', 'aria-label': 'find a series' });
  const list = el('div', { class: 'legendList' });
  d.append(el('summary', {}, series.length + ' series'), search, list);
  const fill = () => {
    list.textContent = '';
    const q = search.value.toLowerCase();
    series.filter((s) => !q || s.name.toLowerCase().includes(q)).forEach((s) => list.append(entry(s)));
  };
  search.addEventListener('input', fill);
  d.addEventListener('toggle', fill, { once: true });
  return d;
}
// The value axis: from the series' values, on a log scale where asked and
// the positive values span more than a hundredfold.
function valueAxis(series, unit, options) {
  const values = series.flatMap((s) => s.v).filter((v) => v !== null && isFinite(v));
  const line = options.line ? [options.line.v] : [];
  let lo = Math.min(...values, ...line), hi = Math.max(...values, ...line);
  const positive = values.filter((v) => v > 0);
  const log = !!(options.log && positive.length && Math.max(...positive) / Math.min(...positive) > 100);
  if (log) { lo = Math.log10(Math.min(...positive)); hi = Math.log10(Math.max(...positive)); }
  if (options.zero && !log) lo = Math.min(lo, 0);
  if (hi - lo < 1e-12) { hi += 1; lo -= log ? 1 : 0; }
  const pad = (hi - lo) * 0.05; hi += pad; if (!options.zero || log) lo -= pad;
  const p = unit ? thousands(Math.max(Math.abs(log ? Math.pow(10, hi) : hi), Math.abs(log ? 0 : lo))) : 1;
  return { lo, hi, log, scale: Math.pow(1000, p - 1), prefix: prefixes[p], tickText: (v) => log ? si(Math.pow(10, v), unit, 2) : num(v / Math.pow(1000, p - 1)) };
}
// A chart of series {name, label, color, t, v, steps?, bars?, text?, marks?}
// added to the page (or to options.into); options: zero, log, line {v, label},
// noValues, whole (a count: whole ticks), note, whenZero (the note when
// every value is zero). Returns it, or nothing when no series has a point.
function chart(title, quantity, unit, series, options) {
  options = options || {};
  const c = { title, quantity, unit, series: [], colors: [], points: 0 };
  const box = el('div', { class: 'chart' }), head = el('div', { class: 'chartHead' });
  const area = el('div', { class: 'plotArea' }), canvas = el('canvas', { class: 'base' }), layer = el('canvas', { class: 'layer' });
  const readout = el('div', { class: 'readout' }), note = el('p', { class: 'note' });
  head.append(el('h3', {}, title), exportTools(c));
  area.append(canvas, layer);
  box.append(head, note, area, readout);
  Object.assign(c, { box, canvas, layer, readout, note });
  let axis = null, legend = null;
  // New series: a new value axis and legend; a chart left with none leaves the page.
  c.show = function (list) {
    c.series = list.filter((s) => s.t.length);
    c.points = c.series.reduce((n, s) => n + s.t.length, 0);
    c.colors = c.series.map((s) => s.color);
    if (legend) legend.remove();
    if (!c.series.length) { box.remove(); const i = charts.indexOf(c); if (i >= 0) charts.splice(i, 1); return false; }
    axis = valueAxis(c.series, unit, options);
    // a chart of zeros says so, in the words of its story where it has one
    const zeros = !options.noValues && c.series.every((s) => s.v.every((v) => v === null || v === 0));
    note.textContent = zeros ? options.whenZero || 'Every value here is zero.' : options.note || '';
    note.hidden = !note.textContent;
    legend = legendFor(c.series);
    box.append(legend);
    if (!charts.includes(c)) { (options.into || document.getElementById('chartList')).append(box); charts.push(c); }
    return true;
  };
  c.paint = function (g, w, h) {
    const { lo, hi, log, tickText } = axis;
    g.font = '11px system-ui, sans-serif'; g.lineWidth = 1;
    // marks in time alone have no value to read off: no value axis
    // a count has no half: its ticks are whole numbers
    const yTicks = options.noValues ? [] : ticks(lo, hi, 5).filter((v) => !options.whole || Number.isInteger(v));
    c.yTicks = yTicks;
    const widest = Math.max(0, ...yTicks.map((v) => g.measureText(tickText(v)).width));
    const l = options.noValues ? 14 : widest + 30, r = 14, top = 10, bottom = 34, pw = w - l - r, ph = h - top - bottom;
    if (pw <= 10 || ph <= 10) { c.geo = null; return; }
    const from = span.from, width = span.to - span.from;
    const X = (t) => l + (t - from) / width * pw;
    const Y = (v) => top + ph - ((log ? Math.log10(v) : v) - lo) / (hi - lo) * ph;
    c.geo = { l, top, pw, ph, X, Y, T: (x) => from + (x - l) / pw * width };
    for (const v of yTicks) {
      const y = Y(log ? Math.pow(10, v) : v);
      g.strokeStyle = '#e3e7ec'; g.beginPath(); g.moveTo(l, y); g.lineTo(l + pw, y); g.stroke();
      g.fillStyle = '#5b6675'; g.textAlign = 'right'; g.fillText(tickText(v), l - 4, y + 4);
    }
    const tu = timeUnit();
    g.fillStyle = '#5b6675';
    for (const t of ticks(span.from / tu.s, span.to / tu.s, Math.max(2, Math.floor(pw / 90)))) { g.textAlign = 'center'; g.fillText(num(t), X(t * tu.s), top + ph + 14); }
    g.fillText(tu.name, l + pw / 2, top + ph + 29);
    if (!options.noValues) {
      g.save(); g.translate(11, top + ph / 2); g.rotate(-Math.PI / 2); g.textAlign = 'center';
      g.fillText(quantity + (unit ? ' (' + axis.prefix + unit + ')' : ''), 0, 0); g.restore();
    }
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
    const many = c.series.length;
    c.series.forEach((s, n) => {
      const shown = (v) => v !== null && !(log && v <= 0);
      // the points within the span and one either side
      const i0 = Math.max(0, before(s.t, span.from)), i1 = Math.min(s.t.length - 1, before(s.t, span.to) + 1);
      g.strokeStyle = s.color; g.fillStyle = s.color; g.beginPath();
      g.lineWidth = 1.6 + (many > 1 && many <= manySeries ? 2.4 * (many - 1 - n) / (many - 1) : 0);
      g.setLineDash(dashes[n % dashes.length]);
      if (s.bars) for (let i = i0; i <= i1; i++) { g.moveTo(X(s.t[i]), Y(0)); g.lineTo(X(s.t[i]), Y(1)); }
      else {
        let pen = false;
        for (let i = i0; i <= i1; i++) {
          if (!shown(s.v[i])) { pen = false; continue; }
          const x = X(s.t[i]), y = Y(s.v[i]);
          if (!pen) g.moveTo(x, y);
          else if (s.steps) { g.lineTo(x, Y(s.v[i - 1])); g.lineTo(x, y); } else g.lineTo(x, y);
          pen = true;
        }
      }
      g.stroke(); g.setLineDash([]);
      if (i1 - i0 < 200) for (let i = i0; i <= i1; i++) if (shown(s.v[i])) { g.beginPath(); g.arc(X(s.t[i]), Y(s.v[i]), 2, 0, 2 * Math.PI); g.fill(); }
      for (const [mt, mv] of s.marks || []) ring(g, X(mt), Y(mv));
    });
    g.restore();
  };
  c.draw = function () {
    const { g, w, h } = canvasFor(canvas);
    c.paint(g, w, h);
    c.drawLayer();
  };
  // While playing, a chart out of sight keeps its cursor until it comes into
  // sight: every layer redrawn is copied for the screen at each frame.
  c.seen = true;
  if (typeof IntersectionObserver === 'function') {
    new IntersectionObserver((seen) => {
      c.seen = seen[seen.length - 1].isIntersecting;
      if (c.seen && c.behind) c.drawLayer();
    }).observe(area);
  }
  // The upper layer: the clock's cursor, the crosshair, and the values read.
  c.drawLayer = function () {
    c.behind = state.playing && !c.seen;
    if (c.behind) return;
    const { g } = canvasFor(layer), geo = c.geo;
    if (!geo) return;
    const inside = (t) => t !== null && t >= span.from && t <= span.to;
    const line = (t, color, dash) => {
      g.strokeStyle = color; g.lineWidth = 1; g.setLineDash(dash); g.beginPath();
      g.moveTo(geo.X(t), geo.top); g.lineTo(geo.X(t), geo.top + geo.ph); g.stroke(); g.setLineDash([]);
    };
    if (inside(state.t)) line(state.t, '#1d2430', []);
    const t = hover.t !== null ? hover.t : state.t;
    if (inside(hover.t)) {
      line(hover.t, '#5b6675', [3, 3]);
      for (const s of c.series) {
        const v = s.bars ? null : seriesAt(s, hover.t);
        if (v === null || (axis.log && v <= 0)) continue;
        g.fillStyle = s.color; g.strokeStyle = '#ffffff'; g.lineWidth = 1.5;
        g.beginPath(); g.arc(geo.X(hover.t), geo.Y(v), 4, 0, 2 * Math.PI); g.fill(); g.stroke();
      }
    }
    // while playing, the values are read at the pointer only: text that
    // changes every frame would have the page laid out again every frame
    if (state.playing && hover.t === null) return;
    c.reading = { t, values: c.series.slice(0, legendOpen).map((s) => [s.label || s.name, readingOf(s, t, unit), s.color]) };
    readout.textContent = '';
    readout.append(el('b', {}, (hover.t !== null ? 'at the pointer, ' : 'at the clock, ') + clockText(t) + ': '));
    for (const [name, value, color] of c.reading.values) readout.append(swatch(color, name + ' ' + value));
    if (c.series.length > legendOpen) readout.append(el('span', {}, ' and ' + (c.series.length - legendOpen) + ' more'));
  };
  timeMouse(area, c);
  return c.show(series) ? c : null;
}
// Parts of one series, in time order, joined with a gap between them.
function joined(parts) {
  const t = [], v = [], marks = [];
  for (const part of parts) {
    if (!part.t.length) continue;
    if (t.length) { t.push(part.t[0]); v.push(null); }
    for (let i = 0; i < part.t.length; i++) { t.push(part.t[i]); v.push(part.v[i]); }
    if (part.marks) for (const m of part.marks) marks.push(m);
  }
  return marks.length ? { t, v, marks } : { t, v };
}
// A vessel's series over each session it was in, one track each.
function acrossSessions(v, ofTrack) {
  const kin = v.kin || [v], first = ofTrack(kin[0]);
  if (kin.length === 1) return first;
  return Object.assign(first, joined(kin.map(ofTrack)));
}
// A quantity of a vessel; where asked, a value left out (null) where keep says.
const vesselSeries = (v, key, keep) => acrossSessions(v, (w) => ({ name: w.title, label: w.label, color: w.color, t: w.t,
  v: w[key] ? (keep ? w[key].map((x, i) => (keep(w, i) ? x : null)) : w[key]) : w.t.map(() => null) }));
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
// A rock's health: whole when made, a tenth less at each contact; a rock
// brought back by a load is made whole again.
const rockHealth = (v) => acrossSessions(v, healthOfTrack);
function healthOfTrack(v) {
  const t = [v.created], h = [100];
  v.hits.forEach((ht, i) => { t.push(ht); h.push(healthAfter(i)); });
  t.push(v.end); h.push(h[h.length - 1]);
  return { name: v.name, label: v.label, color: v.color, t, v: h, steps: true, marks: v.hits.map((ht, i) => [ht, healthAfter(i)]) };
}
