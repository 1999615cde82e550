// The tab keeps its session: the program's record of what the user did
// since it started, after every action, in this tab's session storage
// alone, so that a reload, or a phone bringing a discarded tab back, plays
// it again and finds the sheet as it stood, every figure computed anew.
// Closing the tab drops it with the tab; nothing outlives the tab. Storage
// may be refused (private modes, a full quota): the sheet then works on,
// the line under the sheet says that a reload would lose it, and the next
// change tries again.
'use strict';

(function () {
    const page = tarnwickPage;
    const recordKey = 'tarnwick-session';
    let pending = false;
    let scheduled = false;

    const whenIdle = (page.whenIdle = window.requestIdleCallback
        ? (callback) => window.requestIdleCallback(callback, { timeout: 250 })
        : (callback) => setTimeout(callback, 50));

    // What the line under the sheet says about keeping; '' for nothing.
    function say(text) {
        const status = document.getElementById('kept-status');
        if (!status) return;
        status.textContent = text;
        status.hidden = text === '';
    }

    function write() {
        const module = page.module;
        let failure = '';
        try {
            const record = module.closed() ? '' : module.record();
            if (record === '' && !module.closed() && module.holdsEntries()) {
                failure = `the session is longer than the ${module.recordLimit()} characters a tab keeps`;
            } else if (record === '') {
                window.sessionStorage.removeItem(recordKey);
            } else {
                window.sessionStorage.setItem(recordKey, record);
            }
        } catch (error) {
            failure = `this browser refused to store it (${(error && error.name) || error})`;
        }
        say(failure ? `This sheet is not kept in this tab: ${failure}. A reload would lose it.` : '');
    }

    // Not while an action runs: its sheet is half made until it ends, and
    // then it keeps the sheet itself.
    function now() {
        if (!pending || page.acting) return;
        pending = false;
        write();
    }

    // The record is stored once the browser is idle after an action (once
    // for several actions in a row), and before the next action, so that a
    // dialog left open never stands between the sheet and its record; and
    // at once when the page is hidden, which is how a phone leaves a tab it
    // may discard.
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
            return window.sessionStorage.getItem(recordKey);
        } catch (error) {
            say(`This sheet is not kept in this tab: this browser refused to store it (${(error && error.name) || error}). A reload would lose it.`);
            return null;
        }
    }

    page.keep = { say, write, now, soon, kept };
})();
