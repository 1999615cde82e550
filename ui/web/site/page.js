// Builds the page from the core's description of the screen and turns what
// the user does into the sheet operations the desktop uses. Every action
// goes to the core; a reaction that opens a dialog is suspended there until
// the dialog is answered, and nothing else reaches the sheet meanwhile.
'use strict';

(function () {
    const page = tarnwickPage;
    let module = null;
    let busy = false;

    function make(tag, className, parent) {
        const element = document.createElement(tag);
        if (className) element.className = className;
        if (parent) parent.append(element);
        return element;
    }

    // Places an element in the sheet's grid; rows and columns count from 1.
    function place(element, row, column, columns = 1, rows = 1) {
        element.style.gridRow = `${row} / span ${rows}`;
        element.style.gridColumn = `${column} / span ${columns}`;
        return element;
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

    // A row of the data block: a group of its own on a narrow screen, its
    // cells part of the sheet's grid on a wide one.
    function row(grid, number, kind) {
        const element = make('div', 'row ' + kind, grid);
        element.dataset.row = number;
        return element;
    }

    function quantityRow(screen, grid, number, r, kind) {
        const element = row(grid, number, kind);
        place(label(screen, r.caption, 'row-caption', element), number, Column.caption);
        place(field(screen, r.imperial, 'imperial', element), number, Column.imperial);
        place(label(screen, r.imperialUnit, 'unit', element), number, Column.imperialUnit);
        place(field(screen, r.metric, 'metric', element), number, Column.metric);
        place(label(screen, r.metricUnit, 'unit', element), number, Column.metricUnit);
        return element;
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
        // Row 1: the unit buttons and the maximum runby box.
        const units = row(grid, 1, 'units');
        place(label(screen, screen.unitRow.caption, 'data-heading', units), 1, Column.caption);
        const [imperial, clearUnits, metric] = screen.unitRow.buttons;
        place(button(screen, imperial, 'small', units), 1, Column.imperial);
        place(button(screen, clearUnits, 'small', units), 1, Column.between);
        place(button(screen, metric, 'small', units), 1, Column.metric);

        let number = 2;
        for (const r of screen.entryRows) quantityRow(screen, grid, number++, r, 'entry');
        for (const r of screen.resultRows) quantityRow(screen, grid, number++, r, 'result');

        const box = place(make('div', 'max-runby', grid), 1, Column.measured, 4, 3);
        label(screen, screen.maxRunby.caption, 'max-runby-caption', box);
        const boxes = make('div', 'max-runby-boxes', box);
        for (const b of screen.maxRunby.boxes) {
            const pair = make('span', 'max-runby-box', boxes);
            field(screen, b.field, 'large-box', pair);
            label(screen, b.unit, 'unit', pair);
        }

        // The identification and Max Runby above the measured column.
        const id = place(make('div', 'identification', grid), 4, Column.measured, 4, 2);
        label(screen, screen.identification.caption, '', id);
        field(screen, screen.identification.field, 'id-field', id);
        place(button(screen, screen.maxRunbyButton, 'max-runby-button', grid), 6, Column.measured, 2);
        place(button(screen, screen.clearMeasured, 'small', grid), number - 1, Column.measured);

        const headings = row(grid, number, 'headings');
        place(label(screen, screen.clearanceHeadings.rows, 'row-caption', headings), number,
              Column.caption);
        place(label(screen, screen.clearanceHeadings.measured, '', headings), number,
              Column.measured, 2);
        place(label(screen, screen.clearanceHeadings.difference, '', headings), number,
              Column.difference, 2);
        ++number;
        for (const c of screen.clearanceRows) {
            const r = quantityRow(screen, grid, number, c, 'clearance');
            place(field(screen, c.measured, 'measured', r), number, Column.measured);
            place(label(screen, c.measuredUnit, 'unit', r), number, Column.measuredUnit);
            place(field(screen, c.difference, 'difference', r), number, Column.difference);
            place(label(screen, c.differenceUnit, 'unit', r), number, Column.differenceUnit);
            ++number;
        }
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
        module.ccall('tarnwick_select', null, ['number', 'number', 'number'], [id, start, end - start]);
    }

    // One user action on the sheet. While one runs (a dialog of it open),
    // the next is not taken.
    page.act = async function (name, types, args) {
        if (busy || !module || module.closed()) return;
        busy = true;
        try {
            await module.ccall(name, null, types, args, { async: true });
        } catch (error) {
            busy = false;
            await page.showFailure(error);
        } finally {
            busy = false;
        }
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
        module.restart();
        document.getElementById('closed').hidden = true;
        document.getElementById('app').hidden = false;
        await page.act('tarnwick_start', [], []);
    }

    page.screenWidth = () => window.screen.width || window.innerWidth;
    page.shortDate = () => new Date().toLocaleDateString(undefined, { dateStyle: 'short' });

    page.boot = async function () {
        module = await createTarnwick();
        page.module = module;
        const screen = JSON.parse(module.screenDescription());
        page.screen = screen;
        buildSheet(screen);
        page.buildMenus(screen);
        wireInput();
        page.wireKeys(screen);
        document.getElementById('start-again').addEventListener('click', startAgain);
        // A stray swipe or reload must not lose what the user typed.
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
        document.getElementById('app').hidden = false;
        await page.act('tarnwick_start', [], []);
        document.body.dataset.ready = 'true';
    };
})();
