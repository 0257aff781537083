// SPDX-License-Identifier: GPL-3.0-or-later
// The size Form1 is shown at. By default the largest that fits the window
// below the bar, centred, following resizes and rotation; the bar's choice
// "表示" also offers the desktop's zoom steps, and ?zoom=100 in the address
// opens at one. Full screen always fits. Form1 keeps its layout in CSS
// pixels and is scaled as a whole (its captions, fonts and controls, where
// taps land as they look); its canvases are drawn again at the new size by
// the caller, never stretched.

// The room kept around the form, in CSS pixels: the stage's padding.
const margin = 8;
// Scales are cut to this many steps a unit, so that rounding never makes
// the fitted form a pixel too large for its room.
const scaleSteps = 1000;
export const fitChoice = 'fit';

// The largest scale at which a form `form` ({width, height}) fits `room`.
export function fittingScale(form, room) {
  const scale = Math.min(room.width / form.width, room.height / form.height);
  return Math.max(Math.floor(scale * scaleSteps) / scaleSteps, 1 / scaleSteps);
}

// The choice an address asks for (?zoom=150): one of `steps`, else fitting.
export function choiceFromAddress(search, steps) {
  const asked = Number(new URLSearchParams(search).get('zoom'));
  return steps.includes(asked) ? asked : fitChoice;
}

// Fills the bar's choice: 画面に合わせる, then each step in percent.
function offerChoices(select, steps, chosen) {
  select.replaceChildren(new Option('画面に合わせる', fitChoice),
    ...steps.map((percent) => new Option(`${percent}%`, String(percent))));
  select.value = String(chosen);
}

// Shows `form` ({width, height} CSS pixels, the element `form.element`)
// inside `holder` at the chosen size and calls `scaled(scale)` whenever the
// scale changes (and once at the start). Returns {scale()}.
export function wire({ form, holder, bar, select, steps, scaled }) {
  let choice = choiceFromAddress(location.search, steps);
  let shown = null;
  offerChoices(select, steps, choice);

  function apply() {
    const fitted = choice === fitChoice || document.fullscreenElement !== null;
    // The stage starts below the bar; the page's own scroll bar is not room.
    const room = {
      width: document.documentElement.clientWidth - 2 * margin,
      height: innerHeight - bar.getBoundingClientRect().bottom - scrollY - margin,
    };
    const scale = fitted ? fittingScale(form, room) : choice / 100;
    const width = form.width * scale;
    const height = form.height * scale;
    form.element.style.transform = scale === 1 ? '' : `scale(${scale})`;
    Object.assign(holder.style, {
      width: `${width}px`,
      height: `${height}px`,
      marginTop: fitted ? `${Math.max((room.height - height) / 2, 0)}px` : '0',
    });
    if (scale !== shown) {
      shown = scale;
      scaled(scale);
    }
  }

  select.addEventListener('change', () => {
    choice = select.value === fitChoice ? fitChoice : Number(select.value);
    apply();
  });
  addEventListener('resize', apply);
  document.addEventListener('fullscreenchange', apply);
  // The bar takes another line when its hint comes or a window narrows.
  new ResizeObserver(apply).observe(bar);
  apply();
  return { scale: () => shown };
}
