'use strict';
// The time axis all the charts share: one span of time shown, so that their
// moments line up one above the other, and one crosshair that reads every
// chart at the pointer's moment. The span is narrowed and moved with the
// wheel, a drag, the keys or a link; the playback's cursor moves within it.
const span = { from: start, to: end };
const hover = { t: null };
// Narrower than a step, a chart shows one point stretched across it.
const narrowestSpan = Math.min(end - start, Math.max((end - start) * 1e-6, data.step || 1e-3));

function showSpan(from, to) {
  const width = Math.max(narrowestSpan, Math.min(end - start, to - from));
  span.from = Math.max(start, Math.min(end - width, from));
  span.to = span.from + width;
  charts.forEach((c) => c.draw());
  spanChanged();
}
function zoomTime(factor, around) {
  showSpan(around - (around - span.from) * factor, around + (span.to - around) * factor);
}
function panTime(by) { showSpan(span.from + by, span.to + by); }
const wholeRun = () => showSpan(start, end);
function hoverAt(t) {
  hover.t = t;
  charts.forEach((c) => c.drawLayer());
}

// The time axis's unit: hours once the span shown reaches two.
function timeUnit() { return span.to - span.from >= 7200 ? { s: 3600, name: 'time (h)' } : { s: 1, name: 'time (s)' }; }

// A series' value at t: between its points (held from one to the next for
// steps and marks), null before its first point or after its last.
function seriesAt(s, t) {
  if (!s.t.length || t < s.t[0] || t > s.t[s.t.length - 1]) return null;
  const i = Math.max(0, before(s.t, t)), v = s.v[i];
  if (s.steps || s.bars || i === s.t.length - 1 || v === null || s.v[i + 1] === null || s.t[i + 1] === s.t[i]) return v;
  return v + (s.v[i + 1] - v) * (t - s.t[i]) / (s.t[i + 1] - s.t[i]);
}
// What a series reads at t, as words: its value with its unit, or its mark's text.
function readingOf(s, t, unit) {
  if (s.text) {
    const i = before(s.t, t);
    return i < 0 ? '—' : s.text[i];
  }
  const v = seriesAt(s, t);
  return v === null ? '—' : unit ? si(v, unit) : num(v);
}

// The mouse on a chart's drawing: a move reads values, the wheel zooms in
// time around the pointer, a drag pans, a click moves the clock there, a
// double click shows the whole run again.
function timeMouse(area, c) {
  const tAt = (e) => { const g = c.geo, x = e.clientX - area.getBoundingClientRect().left; return g ? g.T(x) : start; };
  let pressed = null;
  area.addEventListener('mousemove', (e) => {
    if (pressed && c.geo) {
      const moved = e.clientX - pressed.x;
      if (Math.abs(moved) > 3) pressed.dragged = true;
      if (pressed.dragged) showSpan(pressed.from - moved / c.geo.pw * (pressed.to - pressed.from), pressed.to - moved / c.geo.pw * (pressed.to - pressed.from));
    }
    hoverAt(Math.max(span.from, Math.min(span.to, tAt(e))));
  });
  area.addEventListener('mouseleave', () => { pressed = null; hoverAt(null); });
  area.addEventListener('mousedown', (e) => { pressed = { x: e.clientX, from: span.from, to: span.to, dragged: false }; e.preventDefault(); });
  area.addEventListener('mouseup', (e) => {
    if (pressed && !pressed.dragged) setTime(tAt(e));
    pressed = null;
  });
  area.addEventListener('dblclick', wholeRun);
  area.addEventListener('wheel', (e) => { e.preventDefault(); zoomTime(e.deltaY < 0 ? 0.8 : 1.25, tAt(e)); }, { passive: false });
}
