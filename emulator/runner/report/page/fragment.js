'use strict';
// A link to a moment: the address's fragment holds the clock, the frame of
// the first view (its place in the list, or a blast's as b and its bomb's
// place in the record), the charts' span of time, the trail and what was picked to
// plot (#t=812.5&frame=b7&from=600&to=900&trail=60&plot=d.3.b7,s.2), so a
// report opened with it shows the same view. It is written as the reader
// moves, not while playing; the history keeps one entry for the page.
let restoring = true;
function fragmentText() {
  const frame = views[0].frame.bomb ? 'b' + views[0].frame.bomb.index : views[0].frames.indexOf(views[0].frame);
  const parts = [['t', +state.t.toPrecision(10)], ['frame', frame], ['trail', state.trail]];
  if (span.from > start || span.to < end) parts.push(['from', +span.from.toPrecision(10)], ['to', +span.to.toPrecision(10)]);
  if (picked.length) parts.push(['plot', picked.map(pickCode).join(',')]);
  return '#' + parts.filter(([, v]) => v !== -1).map(([k, v]) => k + '=' + encodeURIComponent(String(v))).join('&');
}
// Written a moment after the last change: a drag of the slider is one entry's
// worth of work, not one for each of its steps.
let writing = 0;
function momentChanged() {
  if (restoring || writing) return;
  writing = setTimeout(() => {
    writing = 0;
    const text = fragmentText();
    if (location.hash !== text) history.replaceState(null, '', text);
  }, 150);
}
const spanChanged = momentChanged;
// What a fragment asks for, each part on its own: a part that is not a
// number or names nothing here is left as the page would open.
function restore(hash) {
  const asked = new URLSearchParams(hash.replace(/^#/, ''));
  const number = (k) => { const v = asked.get(k); return v !== null && v !== '' && isFinite(Number(v)) ? Number(v) : null; };
  for (const code of (asked.get('plot') || '').split(',').filter((c) => /^[a-z]+\.\d+(\.b?\d+)?$/.test(c))) addPick(pickFrom(code));
  const trail = asked.get('trail');
  if (trail !== null && trailChoices.some(([s]) => String(s) === trail)) { state.trail = Number(trail); trailChoice.value = trail; }
  const frame = asked.get('frame') || '';
  if (/^b\d+$/.test(frame) && data.vessels[frame.slice(1)]) showBlast(data.vessels[frame.slice(1)]);
  else if (number('frame') !== null) views[0].showFrame(number('frame'));
  if (number('from') !== null && number('to') !== null && number('to') > number('from')) showSpan(number('from'), number('to'));
  return number('t');
}
if (views[0].choose) views[0].choose.addEventListener('change', momentChanged);
