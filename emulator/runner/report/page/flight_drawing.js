'use strict';
// What the flight report and the live page draw with alike: colours, numbers
// with their units, a vessel's values between the points of its track, the
// canvas, the hover tip and the marks of what happened. Every text from the
// run goes in as textContent, never as markup.
//
// A vessel's track is columns: t, and wx, wy, wz relative to the planet,
// with s, alt and lv where it has them; it exists from v.created to v.end.

// Okabe and Ito's eight, then Paul Tol's muted set (the pale yellow last): distinct for readers
// with the common colour-vision deficiencies. Past them, hues a golden angle
// apart, each one of its own, written as #rrggbb: a canvas takes that many
// times faster than hsl(), and a thousand vessels' colours are set each frame.
const palette = ['#0072b2', '#e69f00', '#009e73', '#cc79a7', '#56b4e9', '#d55e00', '#000000',
  '#332288', '#88ccee', '#44aa99', '#117733', '#999933', '#ddcc77', '#cc6677', '#882255', '#aa4499', '#f0e442'];
function colourOf(i) {
  if (i < palette.length) return palette[i];
  const n = i - palette.length;
  return hexOfHsl(Number(((n * 137.508) % 360).toFixed(1)), (55 + (n % 3) * 15) / 100, (35 + (n % 4) * 8) / 100);
}
// hue in degrees, saturation and lightness from 0 to 1, as CSS converts them
function hexOfHsl(h, s, l) {
  const a = s * Math.min(l, 1 - l);
  const part = (n) => { const k = (n + h / 30) % 12; return l - a * Math.max(-1, Math.min(k - 3, 9 - k, 1)); };
  return '#' + [0, 8, 4].map((n) => Math.round(part(n) * 255).toString(16).padStart(2, '0')).join('');
}
const isBomb = (v) => v.cls === 'nuke';
const isRock = (v) => v.cls === 'roid';
function el(tag, attrs, text) {
  const e = document.createElement(tag);
  for (const k in attrs || {}) e.setAttribute(k, attrs[k]);
  if (text !== undefined) e.textContent = text;
  return e;
}
// A number to so many significant digits, its thousands grouped from five
// digits on (12,345.6), where a long row of digits is hard to read.
function num(x, digits) {
  const text = Number(x.toPrecision(digits || 4)).toString();
  if (Math.abs(x) < 10000 || /e/.test(text)) return text;
  const [whole, part] = text.split('.');
  return whole.replace(/\B(?=(\d{3})+$)/g, ',') + (part ? '.' + part : '');
}
const prefixes = ['m', '', 'k', 'M', 'G', 'T', 'P', 'E', 'Z', 'Y'];
// The power of a thousand a value reads best in, as an index into prefixes.
function thousands(x) {
  const a = Math.abs(x);
  if (!isFinite(a) || a === 0) return 1;
  return Math.max(0, Math.min(prefixes.length - 1, Math.floor(Math.log10(a) / 3) + 1));
}
// A value with an SI prefix and its unit: 204.6 MN, 50 Gm.
function si(x, unit, digits) {
  if (!isFinite(x)) return String(x) + ' ' + unit;
  const p = thousands(x);
  return num(x / Math.pow(1000, p - 1), digits || 4) + ' ' + prefixes[p] + unit;
}
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
  if (i === v.t.length - 1 || v.t[i + 1] === v.t[i]) return v[key][i];
  const f = Math.max(0, Math.min(1, (t - v.t[i]) / (v.t[i + 1] - v.t[i])));
  return v[key][i] + (v[key][i + 1] - v[key][i]) * f;
}
// What the track holds at t that is not so, as the recorder flags it:
// below the planet's surface, a speed above light's. Between two points,
// what either holds: a flag is never smoothed away.
const belowSurface = 1, fasterThanLight = 2;
function flagsAt(v, t) {
  if (!v.fl || !v.t.length || t < v.created || t > v.end) return 0;
  const i = Math.max(0, before(v.t, t));
  return v.fl[i] | (v.t[i] < t && i + 1 < v.fl.length ? v.fl[i + 1] : 0);
}
// Where a vessel is at t relative to the planet, or null: also before its
// first recorded point, where the record holds no place for it.
function position(v, t) {
  if (!v.wx || !v.t.length || t < v.created || t < v.t[0] || t > v.end) return null;
  const i = Math.max(0, before(v.t, t));
  if (i === v.t.length - 1 || v.t[i + 1] === v.t[i]) return [v.wx[i], v.wy[i], v.wz[i]];
  const f = Math.max(0, Math.min(1, (t - v.t[i]) / (v.t[i + 1] - v.t[i])));
  return [v.wx[i] + (v.wx[i + 1] - v.wx[i]) * f, v.wy[i] + (v.wy[i + 1] - v.wy[i]) * f, v.wz[i] + (v.wz[i + 1] - v.wz[i]) * f];
}
// Its velocity at t, from the points either side.
function velocity(v, t) {
  if (v.t.length < 2) return [0, 0, 0];
  const i = Math.max(0, Math.min(v.t.length - 2, before(v.t, t)));
  const dt = v.t[i + 1] - v.t[i] || 1;
  return ['wx', 'wy', 'wz'].map((k) => (v[k][i + 1] - v[k][i]) / dt);
}
// A canvas's size on the page, kept as the page lays it out: read afresh
// for every frame it would make the browser lay out the page again.
let canvasSizes = new WeakMap();
// After a change of layout the page knows of (a resize): every size read anew.
function forgetCanvasSizes() { canvasSizes = new WeakMap(); }
const canvasWatch = typeof ResizeObserver === 'function' &&
  new ResizeObserver((seen) => seen.forEach((e) => canvasSizes.set(e.target, [e.contentRect.width, e.contentRect.height])));
function canvasSize(c) {
  if (!canvasSizes.has(c)) {
    canvasSizes.set(c, [c.clientWidth, c.clientHeight]);
    if (canvasWatch) canvasWatch.observe(c);
  }
  return canvasSizes.get(c);
}
function canvasFor(c) {
  const r = window.devicePixelRatio || 1, [w, h] = canvasSize(c);
  if (c.width !== Math.round(w * r) || c.height !== Math.round(h * r)) { c.width = Math.round(w * r); c.height = Math.round(h * r); }
  const g = c.getContext('2d');
  g.setTransform(r, 0, 0, r, 0, 0);
  g.clearRect(0, 0, w, h);
  return { g, w, h };
}
const tip = document.getElementById('tip');
function showTip(e, text) {
  if (!text) { tip.hidden = true; return; }
  tip.textContent = text; tip.hidden = false;
  tip.style.left = Math.min(e.clientX + 14, window.innerWidth - 300) + 'px'; tip.style.top = (e.clientY + 10) + 'px';
}

// The marks: a detonation's star, removed rocks' crosses, a contact's ring.
function star(g, x, y) {
  g.fillStyle = '#d55e00'; g.strokeStyle = '#000000'; g.lineWidth = 1; g.beginPath();
  for (let i = 0; i < 10; i++) {
    const r = i % 2 ? 3.5 : 9, a = Math.PI / 5 * i - Math.PI / 2;
    g.lineTo(x + r * Math.cos(a), y + r * Math.sin(a));
  }
  g.closePath(); g.fill(); g.stroke();
}
const rockColour = '#7a6a58';
function crosses(g, points, color) {
  g.strokeStyle = color; g.lineWidth = 1.5; g.beginPath();
  for (const [x, y] of points) { g.moveTo(x - 4, y - 4); g.lineTo(x + 4, y + 4); g.moveTo(x + 4, y - 4); g.lineTo(x - 4, y + 4); }
  g.stroke();
}
function ring(g, x, y) {
  g.strokeStyle = '#cc0000'; g.lineWidth = 2; g.beginPath(); g.arc(x, y, 7, 0, 2 * Math.PI); g.stroke();
}
