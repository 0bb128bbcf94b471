'use strict';
// The clock: the slider, play and pause, the speed and the trail's length,
// and the keys. Moving it redraws the views and only the charts' upper
// layers; the charts' series stay as drawn.
const slider = document.getElementById('slider'), clock = document.getElementById('clock');
const clockText = (t) => 't = ' + num(t, 6) + ' s' + (Math.abs(t) >= 7200 ? ' (' + num(t / 3600, 4) + ' h)' : '');
function setTime(t) {
  state.t = Math.max(start, Math.min(end, t));
  slider.value = Math.round((state.t - start) / (end - start) * 1000);
  clock.textContent = clockText(state.t);
  // a clock leaving the charts' span takes it along, a page at a time
  if (state.t > span.to || state.t < span.from) {
    const width = span.to - span.from;
    showSpan(state.t - width * (state.t > span.to ? 0.05 : 0.95), state.t + width * (state.t > span.to ? 0.95 : 0.05));
  }
  views.forEach((v) => v.draw());
  charts.forEach((c) => c.drawLayer());
  if (!state.playing) momentChanged();
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
  if (state.t >= end) { playing(false); return; }
  requestAnimationFrame(frame);
}
function playing(on) {
  state.playing = on;
  play.textContent = on ? '❚❚ Pause' : '▶ Play';
  if (on) { if (state.t >= end) setTime(start); last = 0; requestAnimationFrame(frame); return; }
  charts.forEach((c) => c.drawLayer());
  momentChanged();
}
play.addEventListener('click', () => playing(!state.playing));

// The keys, as in a video player: space plays and pauses; the arrows step
// a hundredth of the span the charts show (a tenth with shift); Home and
// End go to the ends; + and − zoom the charts' time around the clock, Page
// Up and Page Down move it by half its width, 0 shows the whole run. Keys typed into a field stay the field's.
document.addEventListener('keydown', (e) => {
  if (e.ctrlKey || e.metaKey || e.altKey || /^(INPUT|SELECT|TEXTAREA)$/.test(e.target.tagName)) return;
  if (e.key === ' ' && e.target.tagName === 'BUTTON') return;
  const stepBy = (span.to - span.from) / (e.shiftKey ? 10 : 100);
  const keys = {
    ' ': () => playing(!state.playing),
    ArrowRight: () => setTime(state.t + stepBy), ArrowLeft: () => setTime(state.t - stepBy),
    Home: () => setTime(start), End: () => setTime(end),
    PageDown: () => panTime((span.to - span.from) / 2), PageUp: () => panTime(-(span.to - span.from) / 2),
    '+': () => zoomTime(0.5, state.t), '=': () => zoomTime(0.5, state.t), '-': () => zoomTime(2, state.t), 0: wholeRun,
  };
  if (!keys[e.key]) return;
  e.preventDefault();
  keys[e.key]();
});
