/* The live page: follows the world's state as it is published, draws it, and sends the pilot's
 * actions as small JSON requests. Every text from the world is set as
 * text, never as markup. */
'use strict';

/* Scan codes (set 1) of the keys a display takes, by the browser's key code. */
const scanCodes = (() => {
  const codes = {Comma: 0x33, Period: 0x34, Minus: 0x0C, Equal: 0x0D, Backspace: 0x0E, Enter: 0x1C, Space: 0x39};
  const letters = [0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17, 0x24, 0x25, 0x26, 0x32,
                   0x31, 0x18, 0x19, 0x10, 0x13, 0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C];
  letters.forEach((code, i) => { codes['Key' + String.fromCharCode(65 + i)] = code; });
  [0x0B, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A].forEach((code, i) => { codes['Digit' + i] = code; });
  return codes;
})();

const faceSize = 320;
/* As the simulator names its two displays. */
const displayLabels = {L: 'Left display', R: 'Right display'};

let state = null;
let shownLogLines = 0;
let hoveredDisplay = null;
let answeredBox = null;  // the box answered, until the world says it closed
let messageBoxesSeen = 0;
let world = null;
const framesDrawn = [];

const $ = id => document.getElementById(id);

function send(action) {
  return fetch('action', {method: 'POST', headers: {'Content-Type': 'application/json'}, body: JSON.stringify(action)})
    .then(r => r.ok ? '' : r.text())
    .then(why => { $('refusal').textContent = why; });
}

function formatLength(m) {
  const a = Math.abs(m);
  if (a >= 1e6) return (m / 1e6).toFixed(2) + ' Mm';
  if (a >= 1e3) return (m / 1e3).toFixed(2) + ' km';
  return m.toFixed(1) + ' m';
}

function buildDisplay(name) {
  const root = $('display-' + name);
  const select = document.createElement('select');
  select.className = 'mode';
  select.addEventListener('change', () => {
    send({do: 'open', display: name, mode: select.value});
    // The mode chosen, the keys typed next are the display's, not the list's.
    root.focus();
  });
  const sides = [document.createElement('div'), document.createElement('div')];
  const face = document.createElement('div');
  face.className = 'face';
  sides.forEach((side, s) => {
    side.className = 'side';
    for (let i = 0; i < 6; ++i) {
      const button = document.createElement('button');
      const index = s * 6 + i;
      button.dataset.index = index;
      button.addEventListener('click', () => send({do: 'button', display: name, index}));
      side.appendChild(button);
    }
  });
  const label = document.createElement('span');
  label.className = 'label';
  label.textContent = displayLabels[name];
  root.append(label, select, sides[0], face, sides[1]);
  root.addEventListener('mouseenter', () => { hoveredDisplay = name; });
  root.addEventListener('mouseleave', () => { if (hoveredDisplay === name) hoveredDisplay = null; });
}

function drawDisplay(name, display) {
  const root = $('display-' + name);
  const select = root.querySelector('select.mode');
  const wanted = ['none'].concat(state.modes);
  if (select.options.length !== wanted.length || [...select.options].some((o, i) => o.value !== wanted[i])) {
    select.textContent = '';
    wanted.forEach(m => select.add(new Option(m, m)));
  }
  if (document.activeElement !== select) select.value = display ? display.mode : 'none';
  const face = root.querySelector('.face');
  face.textContent = '';
  root.querySelectorAll('.side button').forEach(b => {
    const label = display ? display.buttons[b.dataset.index] : '';
    b.textContent = label;
    b.disabled = !label;
  });
  if (!display) return;
  if (!display.title && !display.items.length) {
    const empty = document.createElement('p');
    empty.className = 'empty';
    empty.textContent = display.mode + ' draws nothing here: a library it needs may be missing (see the log).';
    face.appendChild(empty);
    return;
  }
  const scaleX = faceSize / display.width, scaleY = faceSize / display.height;
  const title = document.createElement('span');
  title.className = 'title';
  title.textContent = display.title;
  title.style.left = '4px';
  title.style.top = '2px';
  face.appendChild(title);
  display.items.forEach(([x, y, text]) => {
    const span = document.createElement('span');
    span.textContent = text;
    span.style.left = (x * scaleX) + 'px';
    span.style.top = (y * scaleY) + 'px';
    face.appendChild(span);
  });
}

/* The rows are kept and only their texts change: a row rebuilt ten times a
 * second is gone between the press and the release of a click. */
function drawVesselList() {
  const body = $('vessels').querySelector('tbody');
  const shown = state.vessels.slice(0, 100);
  while (body.rows.length > shown.length) body.deleteRow(-1);
  while (body.rows.length < shown.length) {
    const row = body.insertRow();
    for (let i = 0; i < 4; ++i) row.insertCell();
  }
  shown.forEach((v, i) => {
    const row = body.rows[i];
    row.dataset.vessel = v.n;
    row.dataset.id = v.i;
    row.className = v.i === state.focus ? 'focus' : '';
    [v.n, v.c, formatLength(v.d), v.s.toFixed(2) + ' m/s'].forEach((text, c) => {
      if (row.cells[c].textContent !== text) row.cells[c].textContent = text;
    });
  });
}

function drawLog() {
  const log = $('log');
  const lines = state.log.lines;
  const first = state.log.first;
  const fresh = lines.slice(Math.max(0, shownLogLines - first));
  if (!fresh.length) return;
  // What the module answered the input box, beside the displays.
  const answers = fresh.filter(line => /\] (typed "|input box cancelled)/.test(line));
  if (answers.length) $('answer').textContent = answers[answers.length - 1].replace(/^\[[^\]]*\] /, '');
  // Whether the host's scenario was saved, and where, beside the Save button.
  const saves = fresh.filter(line => /\] (saved as |could not save the host scenario|not saved: )/.test(line));
  if (saves.length) $('saved-where').textContent = saves[saves.length - 1].replace(/^\[[^\]]*\] saved as /, 'saved as ').replace(/^\[[^\]]*\] /, '');
  log.textContent += fresh.join('\n') + '\n';
  shownLogLines = first + lines.length;
  if (log.textContent.length > 200000) log.textContent = log.textContent.slice(-100000);
  log.scrollTop = log.scrollHeight;
}

function showInputBox() {
  const dialog = $('input-box');
  if (!state.input) {
    answeredBox = null;
    if (dialog.open) dialog.close();
    return;
  }
  if (dialog.open || answeredBox) return;
  $('input-title').textContent = state.input.title;
  $('input-text').value = state.input.text;
  dialog.showModal();
  $('input-text').focus();
}

/* The host has answered the box already, as the simulator's OK would: the
 * page shows the last one for the pilot to read, once, even when it came
 * before the page opened (a library missing at the start). */
function showMessageBox() {
  const box = state.messageBox;
  if (!box || box.number <= messageBoxesSeen) return;
  const missed = box.number - messageBoxesSeen - 1;
  messageBoxesSeen = box.number;
  $('message-caption').textContent = box.caption;
  $('message-text').textContent = box.text + (missed > 0 ? '\n(' + missed + ' more before it: see the log)' : '');
  if (!$('message-box').open) $('message-box').showModal();
}

/* The state carries the first saved scenarios by name and how many there
 * are in all; a search asks the server for those whose names hold its text,
 * among all in the folder, and asks again when a save changes the count. */
let found = null;  // {match, key, count, names}: the answer to the last search asked
let asked = '';    // that search's text and the count it was asked at

function listSavedScenarios() {
  const match = $('saved-search').value.trim();
  const key = match + '\n' + state.scenarioCount;
  if (match && asked !== key) {
    asked = key;
    fetch('scenarios?match=' + encodeURIComponent(match)).then(r => r.ok ? r.json() : null).then(answer => {
      if (answer && asked === key) found = {match, key, count: answer.count, names: answer.names};
    }).catch(() => {});
  }
  const list = !match ? {count: state.scenarioCount, names: state.scenarios} :
    found && found.match === match ? found : {count: 0, names: []};
  $('saved-count').textContent = list.names.length < list.count ?
    list.names.length + ' of ' + list.count + ', search for the rest' : match ? list.count + ' found' : '';
  const select = $('saved');
  if (select.options.length === list.names.length && [...select.options].every((o, i) => o.value === list.names[i])) return;
  const chosen = select.value;
  select.textContent = '';
  list.names.forEach(name => select.add(new Option(name, name)));
  if (list.names.includes(chosen)) select.value = chosen;
  $('load').disabled = !list.names.length;
}

function render() {
  $('clock').textContent = 't = ' + state.t.toFixed(2) + ' s' + (state.ended ? ' (the run has ended)' : '');
  $('pace').textContent = state.paused ? 'paused' : state.keepingUp ? state.warp + 'x' : 'behind real time';
  $('pace').className = state.keepingUp ? '' : 'behind';
  $('pause').textContent = state.paused ? 'Resume' : 'Pause';
  if (document.activeElement !== $('warp')) $('warp').value = String(state.warp);
  $('debug').textContent = state.debug;
  drawDisplay('L', state.displays.L);
  drawDisplay('R', state.displays.R);
  drawVesselList();
  drawLog();
  listSavedScenarios();
  showInputBox();
  showMessageBox();
}

/* States may come faster than the page draws: only the latest is read,
 * once a frame. */
let latest = null;

function listen() {
  const events = new EventSource('events');
  events.onmessage = message => { latest = message.data; };
  events.onerror = () => { $('pace').textContent = 'the simulation is not answering'; };
}

/* The views are drawn once a state has come; between states only when the
 * reader zooms or pans. */
function frame() {
  if (latest !== null) {
    const s = JSON.parse(latest);
    latest = null;
    state = s;
    world.take(state);
    world.draw();
    const now = performance.now();
    framesDrawn.push(now);
    while (framesDrawn.length && framesDrawn[0] < now - 1000) framesDrawn.shift();
    render();
  }
  requestAnimationFrame(frame);
}

function start() {
  buildDisplay('L');
  buildDisplay('R');
  $('pause').addEventListener('click', () => send({do: state && state.paused ? 'resume' : 'pause'}));
  $('step').addEventListener('click', () => send({do: 'step'}));
  $('warp').addEventListener('change', () => send({do: 'warp', x: Number($('warp').value)}));
  $('save').addEventListener('click', () => send({do: 'save', name: $('save-name').value.trim()}));
  // Rows keep their place while the vessels in them change order (two
  // bombs side by side swap as they fly): a click focuses the vessel that
  // was in the row when it was pressed, which is the one the pilot saw.
  const list = $('vessels').querySelector('tbody');
  let pressed = null;
  list.addEventListener('pointerdown', event => {
    const row = event.target.closest('tr');
    pressed = row ? {row, id: Number(row.dataset.id)} : null;
  });
  list.addEventListener('click', event => {
    const row = event.target.closest('tr');
    if (!row) return;
    send({do: 'focus', vessel: pressed && pressed.row === row ? pressed.id : Number(row.dataset.id)});
    pressed = null;
  });
  $('load').addEventListener('click', () => send({do: 'load', name: $('saved').value}));
  world = liveWorld($('world-controls'), v => send({do: 'focus', vessel: v.id}));
  window.liveViews = world;  // what the browser checks read
  window.addEventListener('resize', () => world.draw());
  document.addEventListener('keydown', event => {
    // A field being typed in, or a list being chosen from, takes its own keys.
    // The display under the pointer, else the one the keyboard is in.
    const within = event.target.closest && event.target.closest('.display');
    const display = hoveredDisplay || (within && within.dataset.display);
    if ($('input-box').open || $('message-box').open || !display) return;
    if (['SELECT', 'INPUT'].includes(event.target.tagName)) return;
    const key = scanCodes[event.code];
    if (key === undefined) return;
    event.preventDefault();
    send({do: 'key', display, key});
  });
  $('input-box').addEventListener('close', () => {
    const dialog = $('input-box');
    answeredBox = state && state.input;
    if (dialog.returnValue === 'typed') send({do: 'type', text: $('input-text').value});
    else send({do: 'cancel'});
    dialog.returnValue = '';
  });
  $('input-text').addEventListener('keydown', event => {
    if (event.key !== 'Enter') return;
    event.preventDefault();
    $('input-box').close('typed');
  });
  listen();
  requestAnimationFrame(frame);
}

/* For the browser checks: states drawn in the last second. */
window.framesPerSecond = () => framesDrawn.length;

start();
