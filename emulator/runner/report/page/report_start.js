'use strict';
// The page's opening: what the browser checks read, the first drawing, and
// the moment shown first, the link's or the showcase's.
state.charts = charts;
state.views = views;
state.span = span;
state.hover = hover;
state.picked = picked;
state.addPick = (code) => addPick(pickFrom(code));
state.zoomTime = zoomTime;
// The page opens just into the first blast, or at the first contact, or
// halfway; or where its link says.
const firstBlast = detonated[0];
state.showcase = firstBlast ? Math.min(end, firstBlast.detonated + data.step) : contacts.length ? contacts[0].t : start + (end - start) / 2;
window.addEventListener('resize', () => { fitFirstScreen(); forgetCanvasSizes(); charts.forEach((c) => c.draw()); setTime(state.t); });
fitFirstScreen();
forgetCanvasSizes();
state.t = state.showcase;
views.forEach((v) => v.fitAll());
charts.forEach((c) => c.draw());
const linked = restore(location.hash);
restoring = false;
setTime(linked !== null ? linked : state.showcase);
