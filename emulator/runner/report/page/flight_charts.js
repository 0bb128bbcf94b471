'use strict';
// The charts every report opens with: what the bombs did, whom they pushed
// and how hard, how fast the ships went, the rocks' lives and the debug line.
// A reader adds charts of their own with the picker.
(function flightCharts() {
  const bombs = onePerVessel(data.vessels.filter((v) => isBomb(v) && v.lv));
  if (bombs.length > manySeries) {
    chart('Bombs in their blast window', 'bombs blasting', '', [countOver(bombs, (v) => v.detonated >= 0 ? v.detonated : v.end, (v) => v.end, 'bombs blasting', palette[5])], { zero: true, whole: true });
  } else {
    chart('Blast level of each bomb', 'level (0 to 1)', '', bombs.map((v) => vesselSeries(v, 'lv')),
      { zero: true, whenZero: 'No bomb went off: every level stays zero.' });
  }
  const pushedSeries = onePerVessel(data.vessels.filter((v) => v.f)).map((v) => vesselSeries(v, 'f'));
  pushedSeries.sort((a, b) => Math.max(...b.v) - Math.max(...a.v));
  chart('Force each vessel received from the bombs' + (pushedSeries.length > manySeries ? ' (the ' + manySeries + ' pushed hardest of ' + num(pushedSeries.length, 15) + ')' : ''),
    'force', 'N', pushedSeries.slice(0, manySeries), { log: true, zero: true });
  const speeds = onePerVessel(data.vessels.filter((v) => !isRock(v) && !isBomb(v)));
  chart('Speed relative to the planet' + (speeds.length > manySeries ? ' (the first ' + manySeries + ' of ' + num(speeds.length, 15) + ' vessels)' : ''),
    // a speed above light's is no speed: left out, and the header says so
    'speed', 'm/s', speeds.slice(0, manySeries).map((v) => vesselSeries(v, 's', (w, i) => !(w.fl && w.fl[i] & fasterThanLight))),
    { whenZero: 'No ship moved in this run: every speed is zero.' });
  // a bomb and a vessel brought back by a load are one pair over the sessions
  const pairs = new Map();
  for (const p of data.pushes) {
    const bomb = data.vessels[p.bomb].kin[0], target = data.vessels[p.target].kin[0], key = bomb.index + ' ' + target.index;
    if (!pairs.has(key)) pairs.set(key, { bomb, target, parts: [] });
    pairs.get(key).parts.push({ t: p.t, v: p.d });
  }
  const pushPairs = [...pairs.values()].slice(0, manySeries * 2);
  const leftOut = data.pushesLeftOut + pairs.size - pushPairs.length;
  chart('Distance from each bomb to each vessel it pushed' + (leftOut ? ' (' + num(leftOut, 15) + ' more pairs not drawn)' : ''), 'distance', 'm',
    pushPairs.map((p, i) => Object.assign({ name: p.bomb.title + ' → ' + p.target.title, label: p.bomb.label + ' → ' + p.target.label, color: colourOf(i) }, joined(p.parts))));
  const triggered = onePerVessel(data.vessels.filter((v) => v.trigger > 0 && v.alt));
  if (triggered.length) {
    const carriers = onePerVessel(data.vessels.filter((v) => !isBomb(v) && !isRock(v) && v.alt));
    const more = triggered.length > 6 || carriers.length > 6 ? ' (the first 6 of ' + whole(triggered.length) + ' bombs and of ' + whole(carriers.length) + ' other vessels)' : '';
    chart('Altitude, with the trigger height' + more, 'altitude', 'm', triggered.slice(0, 6).concat(carriers.slice(0, 6)).map((v) => vesselSeries(v, 'alt')),
      { line: { v: triggered[0].trigger, label: 'trigger height ' + si(triggered[0].trigger, 'm') }, zero: true });
  }
  const rocks = data.vessels.filter(isRock);
  if (rocks.length) {
    chart('Rocks alive', 'rocks', '', [countOver(rocks, (v) => v.created, (v) => v.deleted >= 0 ? v.deleted : Infinity, 'rocks alive', rockColour)], { zero: true, whole: true });
    // only rocks that were struck: the others stay whole, a line that says nothing
    const struck = onePerVessel(rocks.filter((v) => v.hits.length));
    const shown = struck.slice(0, manySeries);
    chart('Health of each rock struck, with its contacts' + (shown.length < struck.length ? ' (' + shown.length + ' of ' + num(struck.length, 15) + ')' : ''),
      'health', '%', shown.map(rockHealth), { zero: true });
  }
  const debug = data.events.filter((e) => e[1] === 'debug');
  chart('When the debug line changed (its text is read at the pointer)', 'changes', '', [{ name: 'debug line', color: '#0072b2', t: debug.map((e) => e[0]), v: debug.map(() => 1), text: debug.map((e) => e[3]), bars: true }],
    { zero: true, noValues: true });
})();
