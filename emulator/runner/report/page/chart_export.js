'use strict';
// What a chart shows, taken home: its picture as PNG or SVG, its numbers as
// CSV, each for the span of time shown. The SVG is painted by the chart's own
// drawing, given a recorder that turns the canvas calls it makes into SVG
// elements, so the two pictures cannot drift apart. Files are made in the
// page and saved through a link: the report stays one file, offline.
function exportTools(c) {
  const tools = el('span', { class: 'chartTools' });
  for (const [kind, make] of [['PNG', chartPng], ['SVG', chartSvg], ['CSV', chartCsv]]) {
    const b = el('button', { type: 'button', title: 'save what this chart shows as ' + kind }, kind);
    b.addEventListener('click', () => make(c, (blob, text) => saveFile(fileName(c, kind.toLowerCase()), blob, text)));
    tools.append(b);
  }
  return tools;
}
function fileName(c, ext) {
  const scenario = data.scenario.split(/[\\/]/).pop().replace(/\.scn$/, '');
  return (scenario + '-' + c.title).replace(/[^A-Za-z0-9_-]+/g, '-').replace(/-+$/, '').slice(0, 90) + '.' + ext;
}
// The last file saved stays readable by the browser checks.
function saveFile(name, blob, text) {
  state.saved = { name, text };
  const a = el('a', { download: name, href: URL.createObjectURL(blob) });
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(a.href), 10000);
}

// One row for each moment any series has a point within the span shown, a
// column for each series: its point's value there, empty where it has none.
function chartCsv(c, done) {
  const quote = (s) => /[",\n]/.test(s) ? '"' + s.replace(/"/g, '""') + '"' : s;
  const head = ['time (s)'].concat(c.series.map((s) => s.name + (c.unit ? ' (' + c.unit + ')' : '')));
  const rows = new Map();
  c.series.forEach((s, n) => {
    for (let i = Math.max(0, before(s.t, span.from)); i < s.t.length && s.t[i] <= span.to; i++) {
      if (s.t[i] < span.from) continue;
      if (!rows.has(s.t[i])) rows.set(s.t[i], new Array(c.series.length).fill(''));
      rows.get(s.t[i])[n] = s.text ? s.text[i] : s.v[i] === null ? '' : String(s.v[i]);
    }
  });
  const lines = [head.map(quote).join(',')];
  for (const t of [...rows.keys()].sort((a, b) => a - b)) lines.push([String(t)].concat(rows.get(t).map(quote)).join(','));
  const text = lines.join('\n') + '\n';
  done(new Blob([text], { type: 'text/csv' }), text);
}
function chartPng(c, done) {
  const w = c.canvas.width, h = c.canvas.height, out = el('canvas');
  out.width = w; out.height = h;
  const g = out.getContext('2d');
  g.fillStyle = '#ffffff'; g.fillRect(0, 0, w, h);
  g.drawImage(c.canvas, 0, 0); g.drawImage(c.layer, 0, 0);
  out.toBlob((blob) => done(blob, out.toDataURL('image/png')), 'image/png');
}
function chartSvg(c, done) {
  const w = c.canvas.clientWidth, h = c.canvas.clientHeight, g = svgRecorder(w, h);
  c.paint(g, w, h);
  const text = new XMLSerializer().serializeToString(g.svg);
  done(new Blob([text], { type: 'image/svg+xml' }), text);
}

// The canvas calls a chart's painting makes, as SVG: paths, text, a
// rectangle's clip, and the translation and rotation of an axis's title.
function svgRecorder(w, h) {
  const svg = svgEl('svg', { xmlns: 'http://www.w3.org/2000/svg', width: w, height: h, viewBox: '0 0 ' + w + ' ' + h });
  svg.append(svgEl('rect', { width: w, height: h, fill: '#ffffff' }));
  const measure = el('canvas').getContext('2d');
  let path = '', dash = [], parent = svg, transform = '', clips = 0;
  const saved = [];
  const g = {
    svg, strokeStyle: '#000', fillStyle: '#000', lineWidth: 1, font: '11px sans-serif', textAlign: 'left',
    beginPath() { path = ''; },
    moveTo(x, y) { path += 'M' + x.toFixed(2) + ' ' + y.toFixed(2); },
    lineTo(x, y) { path += 'L' + x.toFixed(2) + ' ' + y.toFixed(2); },
    closePath() { path += 'Z'; },
    rect(x, y, rw, rh) { path += 'M' + x + ' ' + y + 'h' + rw + 'v' + rh + 'h' + -rw + 'Z'; },
    arc(x, y, r) { path += 'M' + (x + r).toFixed(2) + ' ' + y.toFixed(2) + 'a' + r + ' ' + r + ' 0 1 0 ' + -2 * r + ' 0a' + r + ' ' + r + ' 0 1 0 ' + 2 * r + ' 0'; },
    stroke() { add('path', { d: path, fill: 'none', stroke: g.strokeStyle, 'stroke-width': g.lineWidth, 'stroke-dasharray': dash.join(' ') || 'none' }); },
    fill() { add('path', { d: path, fill: g.fillStyle }); },
    strokeRect(x, y, rw, rh) { add('rect', { x, y, width: rw, height: rh, fill: 'none', stroke: g.strokeStyle, 'stroke-width': g.lineWidth }); },
    fillText(text, x, y) {
      const anchor = { left: 'start', center: 'middle', right: 'end' }[g.textAlign] || 'start';
      add('text', { x, y, fill: g.fillStyle, 'text-anchor': anchor, 'font-size': parseFloat(g.font) || 11, 'font-family': 'sans-serif' }, text);
    },
    measureText(text) { measure.font = g.font; return measure.measureText(text); },
    setLineDash(d) { dash = d; },
    save() { saved.push([parent, transform]); },
    restore() { [parent, transform] = saved.pop(); },
    translate(x, y) { transform += ' translate(' + x + ' ' + y + ')'; },
    rotate(a) { transform += ' rotate(' + a * 180 / Math.PI + ')'; },
    clip() {
      const id = 'clip' + (++clips), clip = svgEl('clipPath', { id });
      clip.append(svgEl('path', { d: path }));
      svg.append(clip);
      const group = svgEl('g', { 'clip-path': 'url(#' + id + ')' });
      parent.append(group);
      parent = group;
    },
  };
  function add(tag, attrs, text) {
    if (transform) attrs.transform = transform.trim();
    parent.append(svgEl(tag, attrs, text));
  }
  return g;
}
