'use strict';
// Charts the reader asks for: a quantity of a vessel, or the distance
// between two (or from one to a blast), several on one chart where they
// share a quantity. What is picked goes into the link, as "q.a" or "q.a.b"
// with vessels by their place in the record ("d.3.b7": from vessel 3 to
// the blast of vessel 7).
const quantities = {
  d: { name: 'distance', title: 'Distance', unit: 'm', has: (v) => !!v.wx },
  s: { name: 'speed', title: 'Speed relative to the planet', unit: 'm/s', has: (v) => !!v.s },
  alt: { name: 'altitude', title: 'Altitude', unit: 'm', has: (v) => !!v.alt },
  f: { name: 'force', title: 'Force received from the bombs', unit: 'N', has: (v) => !!v.f, log: true },
  h: { name: 'health', title: 'Health of rocks, from their contacts', unit: '%', has: isRock },
  lv: { name: 'blast level', title: 'Blast level of bombs', unit: '', has: (v) => isBomb(v) && !!v.lv },
};
const picked = [];
const pickedCharts = {};
const pickedList = el('div', { id: 'pickedList' });

// The distance from a to b (or to b's blast from its moment on) at the
// points of both tracks while both are there.
function trackDistance(a, b, blast) {
  const from = Math.max(a.t[0], b.t[0], blast ? b.detonated : -Infinity), to = Math.min(a.t[a.t.length - 1], b.t[b.t.length - 1]);
  const times = [...new Set(a.t.concat(b.t).filter((t) => t >= from && t <= to))].sort((x, y) => x - y);
  const d = times.map((t) => {
    const p = position(a, t), q = position(b, t);
    return p && q ? Math.hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]) : null;
  });
  return { t: times, v: d };
}
// Over every session both were in: a vessel brought back by a load is the
// one saved.
const distanceSeries = (a, b, blast) => joined(a.kin.flatMap((x) =>
  (blast ? [b] : b.kin).filter((y) => y.session === x.session).map((y) => trackDistance(x, y, blast))));
// Whether a vessel, in any of its sessions, holds a quantity.
const holds = (v, q) => v.kin.some((w) => q.has(w));
// A pick's series, or null when the record does not hold it.
function seriesOf(pick) {
  const a = data.vessels[pick.a], b = data.vessels[pick.b], q = quantities[pick.q];
  if (!a || !q || !holds(a, q)) return null;
  const named = { color: colourOf(picked.indexOf(pick) + 1), name: a.name, label: a.label };
  if (pick.q === 'd') {
    if (!b || b.kin === a.kin || !holds(b, quantities.d) || (pick.blast && !(isBomb(b) && b.detonated >= 0))) return null;
    const other = pick.blast ? 'the blast of ' + b.label : b.name;
    return Object.assign(named, { name: a.name + ' to ' + other, label: a.label + ' → ' + (pick.blast ? 'blast ' + b.label : b.label) }, distanceSeries(a, b, pick.blast));
  }
  if (pick.q === 'h') return Object.assign(rockHealth(a), { color: named.color });
  return Object.assign(named, vesselSeries(a, pick.q), { color: named.color });
}
const pickCode = (p) => p.q + '.' + p.a + (p.q === 'd' ? '.' + (p.blast ? 'b' : '') + p.b : '');
// A vessel by any of its tracks is named by its first; a blast is its track's own.
function pickFrom(code) {
  const [q, a, b] = code.split('.'), blast = /^b/.test(b || '');
  const first = (i) => (data.vessels[i] ? data.vessels[i].kin[0].index : i);
  return { q, a: first(Number(a)), b: b === undefined ? undefined : blast ? Number(b.slice(1)) : first(Number(b)), blast };
}
// Every pick's chart drawn anew: one chart a quantity, in the order first picked.
function showPicks() {
  for (const q in quantities) {
    const series = picked.filter((p) => p.q === q).map(seriesOf).filter((s) => s);
    const c = pickedCharts[q];
    if (c && !c.show(series)) delete pickedCharts[q];
    else if (c) c.draw();
    else if (series.length) {
      const made = chart(quantities[q].title + ' (picked)', quantities[q].name, quantities[q].unit, series, { into: pickedList, log: quantities[q].log, zero: q !== 'd' });
      if (made) { pickedCharts[q] = made; made.draw(); }
    }
  }
  chips();
  spanChanged();
}
function addPick(pick) {
  if (!seriesOf(pick) || picked.some((p) => pickCode(p) === pickCode(pick))) return false;
  picked.push(pick);
  showPicks();
  return true;
}
function removePick(pick) { picked.splice(picked.indexOf(pick), 1); showPicks(); }

const picker = el('div', { class: 'controls', id: 'picker' });
const quantity = el('select', { 'aria-label': 'quantity' }), first = el('select', { 'aria-label': 'vessel' });
const second = el('select', { 'aria-label': 'other vessel or blast' }), add = el('button', { type: 'button' }, 'Plot');
const toLabel = el('span', {}, 'to');
const chipList = el('span', { class: 'chips' });
function chips() {
  chipList.textContent = '';
  for (const p of picked) {
    const s = seriesOf(p), b = el('button', { type: 'button', class: 'chip', title: 'remove from the chart' }, (s ? s.label || s.name : pickCode(p)) + ' ×');
    b.addEventListener('click', () => removePick(p));
    chipList.append(b);
  }
}
for (const [code, q] of Object.entries(quantities)) quantity.append(el('option', { value: code }, q.name + (q.unit ? ' (' + q.unit + ')' : '')));
const vesselOption = (v, value) => el('option', { value }, v.label === v.name ? v.name : v.label + ' (' + v.name + ')');
function fillVessels() {
  const q = quantities[quantity.value];
  first.textContent = ''; second.textContent = '';
  for (const v of onePerVessel(data.vessels.filter(q.has))) first.append(vesselOption(v, v.index));
  for (const v of detonated) second.append(el('option', { value: 'b' + v.index }, 'the blast of ' + v.label + ' (' + v.name + ')'));
  for (const v of onePerVessel(data.vessels.filter((v) => v.wx))) second.append(vesselOption(v, v.index));
  toLabel.hidden = second.hidden = quantity.value !== 'd';
}
quantity.addEventListener('change', fillVessels);
add.addEventListener('click', () => addPick(pickFrom(quantity.value + '.' + first.value + (quantity.value === 'd' ? '.' + second.value : ''))));
picker.append(el('b', {}, 'Plot'), quantity, el('span', {}, 'of'), first, toLabel, second, add, chipList,
  el('span', { class: 'hint' }, 'Ships carry no health figure in the record: a rock\'s health comes from its contacts, a bomb\'s state is its blast level.'));
fillVessels();
document.getElementById('chartList').before(picker, pickedList);
