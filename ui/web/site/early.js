// Runs first, from the page's head. The sheet is written into the page
// already (index.html is made at build time by the page's own builder), so
// the page paints it with nothing but its style; the program (its
// WebAssembly, the largest file, and the page's scripts) is fetched once the
// sheet has been painted, so that on a slow connection it does not hold up
// the first paint. What the user does before the program has started waits
// for it in the page's input queue (input.js), which this script's page
// holds inline beside it.
'use strict';

(function () {
    let started = false;

    // What failed, in the status line under the sheet.
    function failed(what) {
        const status = document.getElementById('loading');
        if (status) status.textContent = `Tarnwick could not start: ${what}. Reload the page to try again.`;
    }

    // Runs `run` once the whole page has arrived and been read.
    function whenParsed(run) {
        if (document.readyState !== 'loading') run();
        else document.addEventListener('DOMContentLoaded', run);
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
        // The program takes the sheet over once all of it is in the page.
        scripts[1].addEventListener('load', () => whenParsed(() =>
            window.tarnwickPage.boot().catch((error) => {
                console.error(error);
                failed(String((error && error.message) || error));
            })));
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

    // The sheet's focus, once the whole sheet is in the page, unless the
    // user has put the focus somewhere already: over a slow link the page
    // paints before all of it has arrived, and a Tab typed then would skip
    // the fields still to come.
    whenParsed(() => {
        const element = document.querySelector('#sheet [data-focus]');
        if (element && document.activeElement === document.body) {
            window.tarnwickInput.quiet(() => element.focus());
        }
    });
})();
