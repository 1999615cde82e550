// Runs first, from the page's head. The sheet is written into the page
// already (index.html is made at build time by the page's own builder), so
// the page paints it with nothing but its style; the program (its
// WebAssembly, the largest file, and the page's scripts) is fetched once the
// sheet has been painted, so that on a slow connection it does not hold up
// the first paint. The user may type or click before the program has
// started: what they do is noted here, in order, and the page applies it
// once the program runs (page.js).
'use strict';

(function () {
    let started = false;

    // What failed, in the status line under the sheet.
    function failed(what) {
        const status = document.getElementById('loading');
        if (status) status.textContent = `Tarnwick could not start: ${what}. Reload the page to try again.`;
    }

    function startProgram() {
        if (started) return;
        started = true;
        window.tarnwickWasm =
            'compileStreaming' in WebAssembly
                ? WebAssembly.compileStreaming(fetch('tarnwick.wasm', { credentials: 'same-origin' }))
                : null;
        if (window.tarnwickWasm) window.tarnwickWasm.catch(() => {});
        // In this order, each run as soon as it has arrived.
        const scripts = ['tarnwick-page.js', 'tarnwick.js'].map((name) => {
            const script = document.createElement('script');
            script.src = name;
            script.async = false;
            // The browser holds back scripts added by a script while
            // anything more urgent loads; these are what the user waits for.
            script.fetchPriority = 'high';
            script.addEventListener('error', () => failed(`${name} did not load`));
            return script;
        });
        scripts[1].addEventListener('load', () =>
            window.tarnwickPage.boot().catch((error) => {
                console.error(error);
                failed(String((error && error.message) || error));
            }));
        document.head.append(...scripts);
    }

    // After the first contentful paint: once the first frame has been
    // rendered (a task queued from its animation frame runs after it), which
    // is often sooner than the browser reports the paint, or when it reports
    // it; and in any case within three seconds.
    const afterPaint = () => setTimeout(startProgram);
    try {
        new PerformanceObserver((list, observer) => {
            if (list.getEntriesByName('first-contentful-paint').length) {
                observer.disconnect();
                afterPaint();
            }
        }).observe({ type: 'paint', buffered: true });
    } catch (error) {
        // No paint timing here: the frames alone.
    }
    requestAnimationFrame(afterPaint);
    setTimeout(startProgram, 3000);
})();

(function () {
    // Each action: ['focus', id], ['type', id, text], ['click', id] or
    // ['key', 'Enter' | 'Escape'], by element id.
    const noted = [];
    // The focus the page gives a field when it loads is not the user's move.
    let byUser = false;
    let focused = null;

    function focus(id) {
        if (id !== focused) noted.push(['focus', id]);
        focused = id;
    }

    const inSheet = (target) => target.closest && target.closest('#sheet') && target.id;
    const handlers = {
        pointerdown() {
            byUser = true;
        },
        focusin(event) {
            if (byUser && inSheet(event.target)) focus(event.target.id);
        },
        input(event) {
            const target = event.target;
            if (!inSheet(target)) return;
            // Text goes into the field that has the focus.
            focus(target.id);
            const last = noted[noted.length - 1];
            if (last && last[0] === 'type' && last[1] === target.id) last[2] = target.value;
            else noted.push(['type', target.id, target.value]);
        },
        click(event) {
            const target = event.target.closest && event.target.closest('#sheet [role=radio], #sheet button');
            if (target) noted.push(['click', target.id]);
        },
        keydown(event) {
            byUser = true;
            const target = event.target;
            const inPage = target === document.body || inSheet(target);
            if (!inPage || event.altKey || event.ctrlKey || event.metaKey) return;
            // A focused command takes Enter itself (a click); a focused
            // option takes the space bar.
            if (event.key === 'Enter' && target.tagName !== 'BUTTON') noted.push(['key', 'Enter']);
            else if (event.key === 'Escape') noted.push(['key', 'Escape']);
            else if (event.key === ' ' && target.getAttribute('role') === 'radio') {
                event.preventDefault();
                noted.push(['click', target.id]);
            } else return;
            if (event.key !== ' ') event.preventDefault();
        },
    };
    for (const [type, handler] of Object.entries(handlers)) document.addEventListener(type, handler, true);

    // The page takes the actions over when its own handlers are in place;
    // from then on nothing is noted here.
    window.tarnwickEarly = {
        take() {
            for (const [type, handler] of Object.entries(handlers)) {
                document.removeEventListener(type, handler, true);
            }
            return noted.splice(0);
        },
    };
})();
