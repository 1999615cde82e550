// Runs the user's actions on the program, one at a time and each to its
// end: the queue of input.js hands them over in order. A reaction that
// opens a dialog is suspended in the program until the dialog is answered.
'use strict';

(function () {
    const page = tarnwickPage;

    // One action, through the program's entry point for it.
    page.run = async function (action, [name, types, args]) {
        const module = page.module;
        if (module.closed()) return;
        // Before it, the record as the last action left it.
        page.keep.now();
        let changed = true;
        page.acting = true;
        try {
            changed = await module.ccall(name, 'boolean', types, args(action), { async: true });
        } catch (error) {
            page.acting = false;
            await page.showFailure(error);
        } finally {
            page.acting = false;
        }
        // A selection that stayed as it was changes nothing to keep.
        if (action.op !== 'select' || changed) page.keep.soon();
        if (module.closed()) showClosed();
    };

    // Whether the program has yet to take or finish an action of the user's.
    page.busy = () => !tarnwickInput.idle();

    page.showFailure = async function (error) {
        console.error(error);
        await page.showMessage({
            prompt: 'The last action could not be completed: ' + String(error && error.message || error) +
                '.\r\nThe sheet is shown as it stands.',
            title: 'Tarnwick',
            icon: 'critical',
            // The program failed: the page's own box, whose answer nothing reads.
            answers: [{ caption: 'OK', code: 0 }],
            default: 0,
            close: 0,
            card: false,
        });
    };

    // The program has ended: what the user did after the close is gone
    // with it.
    function showClosed() {
        tarnwickInput.drop();
        document.getElementById('app').hidden = true;
        document.getElementById('closed').hidden = false;
        document.getElementById('start-again').focus();
    }

    // A fresh program after the last one closed.
    page.startAgain = async function () {
        // The closed program's last word first: its record is forgotten.
        page.keep.now();
        page.module.restart();
        tarnwickInput.reset();
        document.getElementById('closed').hidden = true;
        document.getElementById('app').hidden = false;
        await page.module.ccall('tarnwick_start', null, [], [], { async: true });
        page.keep.soon();
        await page.mirrorSheet(Infinity);
        tarnwickInput.ready(page.run);
    };
})();
