// The tab keeps its sheet: a snapshot after every action, in this tab's
// session storage alone, so that a reload, or a phone bringing a discarded
// tab back, finds the sheet as it stood. Closing the tab drops it with the
// tab; nothing outlives the tab. Storage may be refused (private modes, a
// full quota): the sheet then works without it.
'use strict';

(function () {
    const page = tarnwickPage;
    const snapshotKey = 'tarnwick-sheet';
    let pending = false;
    let scheduled = false;

    const whenIdle = (page.whenIdle = window.requestIdleCallback
        ? (callback) => window.requestIdleCallback(callback, { timeout: 250 })
        : (callback) => setTimeout(callback, 50));

    function write() {
        const module = page.module;
        try {
            if (module.closed()) window.sessionStorage.removeItem(snapshotKey);
            else window.sessionStorage.setItem(snapshotKey, module.snapshot());
        } catch (error) {
            // Not kept: the sheet goes on as it stands.
        }
    }

    // Not while an action runs: its sheet is half made until it ends, and
    // then it keeps the sheet itself.
    function now() {
        if (!pending || page.acting) return;
        pending = false;
        write();
    }

    // A snapshot takes a few milliseconds to make: after an action it is
    // made once the browser is idle (one for several actions in a row), and
    // before the next action, so that a dialog left open never stands
    // between the sheet and its snapshot; and at once when the page is
    // hidden, which is how a phone leaves a tab it may discard.
    function soon() {
        pending = true;
        if (scheduled) return;
        scheduled = true;
        whenIdle(() => {
            scheduled = false;
            now();
        });
    }

    document.addEventListener('visibilitychange', () => {
        if (document.visibilityState === 'hidden') now();
    });
    window.addEventListener('pagehide', now);

    function kept() {
        try {
            return window.sessionStorage.getItem(snapshotKey);
        } catch (error) {
            return null;
        }
    }

    page.keep = { write, now, soon, kept };
})();
