// Builds the page from the core's description of the screen and turns what
// the user does into the sheet operations the desktop uses. Every action
// goes to the core; a reaction that opens a dialog is suspended there until
// the dialog is answered, and nothing else reaches the sheet meanwhile.
'use strict';

(function () {
    const page = tarnwickPage;
    let module = null;
    let busy = false;

    const make = page.make;

    // Where an element stands in the sheet's grid, as a class whose rule
    // the page's style holds (written at build time from page.places): the
    // page sets no style of its own, which a strict content security policy
    // would refuse.
    function placed(element, name, declarations) {
        page.places.set(name, declarations);
        element.classList.add(name);
        return element;
    }

    // Places an element in the sheet's grid at the sheet's natural width;
    // rows and columns count from 1.
    function place(element, row, column, columns = 1, rows = 1) {
        return placed(element, `at-${row}-${column}-${columns}-${rows}`,
            `--row: ${row} / span ${rows}; --column: ${column} / span ${columns}`);
    }

    // And where it goes on a narrow screen: one column of groups in the
    // sheet's order, each field with its caption above and its unit beside
    // it, the imperial and metric twins side by side.
    function placeNarrow(element, row, column, columns = 1) {
        return placed(element, `narrow-${row}-${column}-${columns}`,
            `--narrow-row: ${row}; --narrow-column: ${column} / span ${columns}`);
    }

    const Column = {
        caption: 1,
        imperial: 2,
        imperialUnit: 3,
        between: 4,
        metric: 5,
        metricUnit: 6,
        gap: 7,
        measured: 8,
        measuredUnit: 9,
        difference: 10,
        differenceUnit: 11,
    };

    function label(screen, id, className, parent) {
        const element = make('span', 'label ' + (className || ''), parent);
        element.id = screen.names.labels[id];
        page.labels[id] = element;
        return element;
    }

    // A second showing of a caption, for a narrow screen where a row's
    // fields stand in two places; screen readers have the fields' names.
    function echo(screen, id, parent) {
        const element = make('span', 'label row-caption echo', parent);
        element.setAttribute('aria-hidden', 'true');
        (page.echoes[id] = page.echoes[id] || []).push(element);
        return element;
    }

    function field(screen, id, className, parent) {
        const input = make('input', 'field ' + (className || ''), parent);
        input.type = 'text';
        input.id = screen.names.fields[id];
        input.autocomplete = 'off';
        input.spellcheck = false;
        input.setAttribute('autocapitalize', 'off');
        // The numeric keyboard with a decimal point; what may be typed is
        // still the sheet's to decide.
        if (id !== screen.identification.field) input.inputMode = 'decimal';
        page.fields[id] = input;
        return input;
    }

    function button(screen, id, className, parent) {
        const element = make('button', 'command ' + (className || ''), parent);
        element.type = 'button';
        element.id = screen.names.buttons[id];
        make('span', 'caption', element);
        if (screen.buttons[id].lightGreen) element.classList.add('light-green');
        page.buttons[id] = element;
        return element;
    }

    function option(screen, id, parent) {
        const element = make('span', 'option', parent);
        element.id = screen.names.options[id];
        element.setAttribute('role', 'radio');
        element.tabIndex = 0;
        make('span', 'dot', element).setAttribute('aria-hidden', 'true');
        make('span', 'caption', element);
        page.options[id] = element;
        return element;
    }

    // A row of the data block; its cells are items of the sheet's grid.
    function row(grid, kind) {
        return make('div', 'row ' + kind, grid);
    }

    // An entry or result row: caption, then the twins with their units.
    // Returns the next narrow row.
    function quantityRow(screen, element, number, narrow, r) {
        placeNarrow(place(label(screen, r.caption, 'row-caption', element), number, Column.caption), narrow, 1, 4);
        ++narrow;
        placeNarrow(place(field(screen, r.imperial, 'imperial', element), number, Column.imperial), narrow, 1);
        placeNarrow(place(label(screen, r.imperialUnit, 'unit', element), number, Column.imperialUnit), narrow, 2);
        placeNarrow(place(field(screen, r.metric, 'metric', element), number, Column.metric), narrow, 3);
        placeNarrow(place(label(screen, r.metricUnit, 'unit', element), number, Column.metricUnit), narrow, 4);
        return narrow + 1;
    }

    function buildQuestions(screen, parent) {
        const frame = make('section', 'questions', parent);
        frame.setAttribute('aria-labelledby', screen.names.labels[screen.questionsHeading]);
        label(screen, screen.questionsHeading, 'heading', frame);
        for (const q of screen.questions) {
            const group = make('div', 'question', frame);
            group.setAttribute('role', 'radiogroup');
            group.setAttribute('aria-labelledby', screen.names.labels[q.question]);
            label(screen, q.question, 'question-caption', group);
            const pair = make('span', 'pair', group);
            for (const o of q.options) option(screen, o, pair);
        }
    }

    function buildSheet(screen) {
        const sheet = document.getElementById('sheet');
        const top = make('div', 'top', sheet);
        buildQuestions(screen, top);
        const large = make('div', 'large-buttons', top);
        for (const b of screen.largeButtons) button(screen, b, 'large', large);

        const grid = make('div', 'data', sheet);
        // The unit buttons, above the imperial and metric columns.
        const units = row(grid, 'units');
        let narrow = 1;
        placeNarrow(place(label(screen, screen.unitRow.caption, 'data-heading', units), 1, Column.caption), narrow++, 1, 4);
        const [imperial, clearUnits, metric] = screen.unitRow.buttons;
        placeNarrow(place(button(screen, imperial, 'small', units), 1, Column.imperial), narrow, 1);
        placeNarrow(place(button(screen, clearUnits, 'small', units), 1, Column.between), narrow, 2);
        placeNarrow(place(button(screen, metric, 'small', units), 1, Column.metric), narrow++, 3, 2);

        let number = 2;
        for (const r of screen.entryRows) narrow = quantityRow(screen, row(grid, 'entry'), number++, narrow, r);
        for (const r of screen.resultRows) narrow = quantityRow(screen, row(grid, 'result'), number++, narrow, r);
        const clearMeasuredRow = number - 1;

        const headings = row(grid, 'headings');
        placeNarrow(place(label(screen, screen.clearanceHeadings.rows, 'row-caption', headings), number, Column.caption), narrow++, 1, 4);
        const headingRow = number++;
        const clearances = screen.clearanceRows.map((c) => {
            const element = row(grid, 'clearance');
            element.dataset.number = number;
            narrow = quantityRow(screen, element, number++, narrow, c);
            return element;
        });

        // The measured clearances with their differences: beside the
        // minimums at the natural width, a group of their own below them on
        // a narrow screen.
        placeNarrow(place(button(screen, screen.clearMeasured, 'small', grid), clearMeasuredRow, Column.measured), narrow++, 1);
        placeNarrow(place(label(screen, screen.clearanceHeadings.measured, '', headings), headingRow, Column.measured, 2), narrow, 1, 2);
        placeNarrow(place(label(screen, screen.clearanceHeadings.difference, '', headings), headingRow, Column.difference, 2), narrow++, 3, 2);
        screen.clearanceRows.forEach((c, i) => {
            const element = clearances[i];
            const n = Number(element.dataset.number);
            placeNarrow(echo(screen, c.caption, element), narrow++, 1, 4);
            placeNarrow(place(field(screen, c.measured, 'measured', element), n, Column.measured), narrow, 1);
            placeNarrow(place(label(screen, c.measuredUnit, 'unit', element), n, Column.measuredUnit), narrow, 2);
            placeNarrow(place(field(screen, c.difference, 'difference', element), n, Column.difference), narrow, 3);
            placeNarrow(place(label(screen, c.differenceUnit, 'unit', element), n, Column.differenceUnit), narrow++, 4);
        });

        // The maximum runby box, the identification and Max Runby: to the
        // right above the measured column, or after the clearances.
        const box = placeNarrow(place(make('div', 'max-runby', grid), 1, Column.measured, 4, 3), narrow++, 1, 4);
        label(screen, screen.maxRunby.caption, 'max-runby-caption', box);
        const boxes = make('div', 'max-runby-boxes', box);
        for (const b of screen.maxRunby.boxes) {
            const pair = make('span', 'max-runby-box', boxes);
            field(screen, b.field, 'large-box', pair);
            label(screen, b.unit, 'unit', pair);
        }
        placeNarrow(place(button(screen, screen.maxRunbyButton, 'max-runby-button', grid), 6, Column.measured, 2), narrow++, 1, 2);
        const id = placeNarrow(place(make('div', 'identification', grid), 4, Column.measured, 4, 2), narrow++, 1, 4);
        label(screen, screen.identification.caption, '', id);
        field(screen, screen.identification.field, 'id-field', id);
    }

    function wireInput() {
        page.fields.forEach((input, id) => {
            if (!input) return;
            // The press that brings a field the focus would put the caret
            // where the finger is and drop the selection the focus reaction
            // makes; the field takes the focus without it.
            input.addEventListener('mousedown', (event) => {
                if (document.activeElement !== input && event.button === 0) {
                    event.preventDefault();
                    input.focus();
                }
            });
            input.addEventListener('focus', () => {
                if (!page.mirroring) page.act('tarnwick_focus', ['number', 'number'], [Kind.Field, id]);
            });
            input.addEventListener('input', () => {
                page.act('tarnwick_type', ['number', 'string'], [id, input.value]).then(() =>
                    reportSelection(id));
            });
            for (const type of ['select', 'keyup', 'mouseup']) {
                input.addEventListener(type, () => reportSelection(id));
            }
        });
        page.options.forEach((element, id) => {
            if (!element) return;
            element.addEventListener('click', () =>
                page.act('tarnwick_clickOption', ['number'], [id]));
            element.addEventListener('keydown', (event) => {
                if (event.key === ' ' && !event.altKey && !event.ctrlKey) {
                    event.preventDefault();
                    page.act('tarnwick_clickOption', ['number'], [id]);
                }
            });
            element.addEventListener('focus', () => {
                if (!page.mirroring) page.act('tarnwick_focus', ['number', 'number'], [Kind.Option, id]);
            });
        });
        page.buttons.forEach((element, id) => {
            if (!element) return;
            element.addEventListener('click', () => page.act('tarnwick_press', ['number'], [id]));
            element.addEventListener('focus', () => {
                if (!page.mirroring) page.act('tarnwick_focus', ['number', 'number'], [Kind.Button, id]);
            });
        });
    }

    // The sheet keeps the selection the user makes.
    function reportSelection(id) {
        const input = page.fields[id];
        if (busy || !module || document.activeElement !== input) return;
        const text = input.value;
        const start = page.characterIndex(text, input.selectionStart);
        const end = page.characterIndex(text, input.selectionEnd);
        if (module.ccall('tarnwick_select', 'boolean', ['number', 'number', 'number'], [id, start, end - start])) {
            keepSheetSoon();
        }
    }

    // The tab keeps its sheet: a snapshot after every action, in this tab's
    // session storage alone, so that a reload, or a phone bringing a
    // discarded tab back, finds the sheet as it stood. Closing the tab drops
    // it with the tab; nothing outlives the tab. Storage may be refused
    // (private modes, a full quota): the sheet then works without it.
    const snapshotKey = 'tarnwick-sheet';

    function keepSheet() {
        try {
            if (module.closed()) window.sessionStorage.removeItem(snapshotKey);
            else window.sessionStorage.setItem(snapshotKey, module.snapshot());
        } catch (error) {
            // Not kept: the sheet goes on as it stands.
        }
    }

    // A snapshot takes a few milliseconds to make: after an action it is
    // made once the browser is idle (one for several actions in a row), and
    // before the next action, so that a dialog left open never stands
    // between the sheet and its snapshot; and at once when the page is
    // hidden, which is how a phone leaves a tab it may discard.
    let keepPending = false;
    let keepScheduled = false;
    const whenIdle = window.requestIdleCallback
        ? (callback) => window.requestIdleCallback(callback, { timeout: 250 })
        : (callback) => setTimeout(callback, 50);

    function keepSheetSoon() {
        keepPending = true;
        if (keepScheduled) return;
        keepScheduled = true;
        whenIdle(() => {
            keepScheduled = false;
            keepSheetNow();
        });
    }

    // Not while an action runs: its sheet is half made until it ends, and
    // then it keeps the sheet itself.
    function keepSheetNow() {
        if (!keepPending || busy) return;
        keepPending = false;
        keepSheet();
    }

    document.addEventListener('visibilitychange', () => {
        if (document.visibilityState === 'hidden') keepSheetNow();
    });
    window.addEventListener('pagehide', keepSheetNow);

    function keptSheet() {
        try {
            return window.sessionStorage.getItem(snapshotKey);
        } catch (error) {
            return null;
        }
    }

    // The sheet's first copy into the page, in steps of a few milliseconds
    // each, so that on a slow phone none holds up the user's input for
    // long; with no limit, in one.
    async function mirrorSheet(stepMs) {
        let next = 0;
        while (next >= 0) {
            do next = module.mirrorFrom(next, 1);
            while (next >= 0 && !sliceRanFor(stepMs));
            if (next >= 0) await pause();
        }
    }

    // The program starts with the tab's sheet when it holds one the program
    // takes; else, and with a snapshot refused whole, it starts empty, and
    // the refused one is replaced by the started sheet's.
    async function startSheet() {
        const kept = keptSheet();
        let resumed = false;
        if (kept !== null) {
            try {
                resumed = module.resume(kept);
            } catch (error) {
                resumed = false;
            }
            if (!resumed) console.warn('Tarnwick: the sheet kept in this tab could not be restored; it starts empty.');
        }
        if (!resumed) {
            await module.ccall('tarnwick_start', null, [], [], { async: true });
            if (kept !== null) keepSheet();
        }
        await slice();
        // The page comes written with the started sheet (prerender.js): a
        // sheet whose elements stand as written is shown already, but for
        // the focus.
        if (module.showsAsWritten(writtenData('written-sheet') || '')) module.mirrorFocus();
        else await mirrorSheet(8);
    }

    // One user action on the sheet. While one runs (a dialog of it open),
    // the next is not taken.
    page.act = async function (name, types, args) {
        if (busy || !module || module.closed()) return;
        keepSheetNow();
        busy = true;
        try {
            await module.ccall(name, null, types, args, { async: true });
        } catch (error) {
            busy = false;
            await page.showFailure(error);
        } finally {
            busy = false;
        }
        keepSheetSoon();
        if (module.closed()) showClosed();
    };

    page.busy = () => busy;

    page.showFailure = async function (error) {
        console.error(error);
        await page.showMessage({
            prompt: 'The last action could not be completed: ' + String(error && error.message || error) +
                '.\r\nThe sheet is shown as it stands.',
            title: 'Tarnwick',
            icon: 'critical',
            buttons: 'ok',
            default: 'ok',
            card: false,
        });
    };

    function showClosed() {
        document.getElementById('app').hidden = true;
        const closed = document.getElementById('closed');
        closed.hidden = false;
        document.getElementById('start-again').focus();
    }

    async function startAgain() {
        // The closed program's last word first: its snapshot is forgotten.
        keepSheetNow();
        module.restart();
        document.getElementById('closed').hidden = true;
        document.getElementById('app').hidden = false;
        await page.act('tarnwick_start', [], []);
        await mirrorSheet(Infinity);
    }

    // The kind and id of one of the sheet's elements in the page.
    function elementOf(element) {
        for (const [kind, elements] of [[Kind.Field, page.fields], [Kind.Option, page.options], [Kind.Button, page.buttons]]) {
            const id = elements.indexOf(element);
            if (id >= 0) return [kind, id];
        }
        return [Kind.None, -1];
    }

    // What the user did before the program had started (early.js), in
    // order, through the same actions as when it runs.
    async function applyEarly(screen, noted) {
        for (const [what, target, text] of noted) {
            const [kind, id] = elementOf(document.getElementById(target));
            if (what === 'key') {
                const command = target === 'Enter' ? screen.defaultButton : screen.cancelButton;
                await page.act('tarnwick_pressKey', ['number'], [command]);
            } else if (kind === Kind.None) {
                continue;
            } else if (what === 'focus') {
                await page.act('tarnwick_focus', ['number', 'number'], [kind, id]);
            } else if (what === 'type' && kind === Kind.Field) {
                await page.act('tarnwick_type', ['number', 'string'], [id, text]);
            } else if (what === 'click' && kind === Kind.Option) {
                await page.act('tarnwick_clickOption', ['number'], [id]);
            } else if (what === 'click' && kind === Kind.Button) {
                await page.act('tarnwick_press', ['number'], [id]);
            }
        }
    }

    page.screenWidth = () => window.screen.width || window.innerWidth;
    page.shortDate = () => new Date().toLocaleDateString(undefined, { dateStyle: 'short' });

    // The start runs in slices of a few milliseconds: where it is quick (a
    // desktop) in one, on a slow phone in several, between which the
    // browser takes the user's input and paints.
    let sliceBegan = performance.now();
    const sliceRanFor = (ms) => performance.now() - sliceBegan >= ms;
    const pause = () =>
        new Promise((resolve) => setTimeout(resolve)).then(() => {
            sliceBegan = performance.now();
        });
    const slice = () => (sliceRanFor(8) ? pause() : null);

    // What the build wrote into the page beside the sheet, or null.
    function writtenData(id) {
        const block = document.getElementById(id);
        return block ? JSON.parse(block.textContent) : null;
    }

    // The description of the screen the sheet is built from: the one
    // written into the page, or the program's own.
    function screenOf(program) {
        return writtenData('screen-description') || JSON.parse(program.screenDescription());
    }

    page.boot = async function () {
        module = await createTarnwick({
            // The compilation began with the page (index.html).
            instantiateWasm(imports, receive) {
                const compiled = window.tarnwickWasm || Promise.reject(new Error('no early compile'));
                compiled
                    .then((wasm) => WebAssembly.instantiate(wasm, imports).then((instance) => [instance, wasm]))
                    // A server that sends the wrong type for WebAssembly
                    // defeats the streaming compile: the bytes then.
                    .catch(() =>
                        fetch('tarnwick.wasm')
                            .then((response) => response.arrayBuffer())
                            .then((bytes) => WebAssembly.instantiate(bytes, imports))
                            .then((result) => [result.instance, result.module]))
                    .then(([instance, wasm]) => receive(instance, wasm));
                return {};
            },
        });
        page.module = module;
        // The start in short tasks, none long enough to hold up the user's
        // input for long. Until the sheet is up the page's own handlers are
        // not in place, and the early script goes on noting what the user
        // does on the written sheet.
        busy = true;
        await pause();
        const screen = screenOf(module);
        buildSheet(screen);
        await slice();
        page.buildMenus(screen);
        await slice();
        await startSheet();
        wireInput();
        page.wireKeys(screen);
        busy = false;
        // From here the page's own handlers take what the user does; what
        // was done before is applied now, in order.
        const early = window.tarnwickEarly ? window.tarnwickEarly.take() : [];
        document.getElementById('start-again').addEventListener('click', startAgain);
        // A stray swipe must not lose what the user typed. A reload loses
        // nothing now (the tab keeps its sheet), but the browser tells a
        // reload from a tab being closed by neither this event nor any
        // other, and closing the tab does lose the sheet: the question stays
        // while the sheet holds entries.
        window.addEventListener('beforeunload', (event) => {
            let holds = true;
            try {
                holds = !module.closed() && module.holdsEntries();
            } catch (error) {
                holds = true;
            }
            if (holds) {
                event.preventDefault();
                event.returnValue = '';
            }
        });
        document.getElementById('loading').hidden = true;
        await applyEarly(screen, early);
        document.body.dataset.ready = 'true';
        // Offline use: the service worker keeps the site. Its first install
        // fetches the whole site again, which takes the processor from the
        // user's first entries: it starts a second after the sheet is up,
        // when the browser is idle. It needs a secure origin (https or
        // localhost); elsewhere the page works online only.
        if ('serviceWorker' in navigator && window.isSecureContext) {
            setTimeout(() => whenIdle(() =>
                navigator.serviceWorker.register('sw.js').catch((error) => console.warn(error))), 1000);
        }
    };
})();
