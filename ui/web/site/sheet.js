// Builds the sheet from the core's description of the screen: its
// questions, commands and the data block's grid, each element under the
// sheet's control name. The page comes with the sheet written in already
// (ui/web/prerender.js): the builder then takes those elements over.
'use strict';

(function () {
    const page = tarnwickPage;
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
    // CSS counts the grid's lines from 1, the core its rows and columns
    // from 0.
    function place(element, [row, column, rows, columns]) {
        return placed(element, `at-${row + 1}-${column + 1}-${columns}-${rows}`,
            `--row: ${row + 1} / span ${rows}; --column: ${column + 1} / span ${columns}`);
    }

    // And where it goes on a narrow screen: one column of groups in the
    // sheet's order, each field with its caption above and its unit beside
    // it, the imperial and metric twins side by side.
    function placeNarrow(element, [row, column, columns]) {
        return placed(element, `narrow-${row + 1}-${column + 1}-${columns}`,
            `--narrow-row: ${row + 1}; --narrow-column: ${column + 1} / span ${columns}`);
    }

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
        input.setAttribute('spellcheck', 'false');
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

    // The maximum runby box: its caption over the two boxes with their
    // units.
    function maxRunbyBox(screen, parent) {
        const box = make('div', 'max-runby', parent);
        label(screen, screen.maxRunby.caption, 'max-runby-caption', box);
        const boxes = make('div', 'max-runby-boxes', box);
        for (const b of screen.maxRunby.boxes) {
            const pair = make('span', 'max-runby-box', boxes);
            field(screen, b.field, 'large-box', pair);
            label(screen, b.unit, 'unit', pair);
        }
        return box;
    }

    // The identification under its caption.
    function identification(screen, parent) {
        const id = make('div', 'identification', parent);
        label(screen, screen.identification.caption, '', id);
        field(screen, screen.identification.field, 'id-field', id);
        return id;
    }

    // How each kind of cell of the data block is made; a field has its
    // column's class.
    const cellMakers = {
        heading: (screen, cell, parent) => label(screen, cell.id, 'data-heading', parent),
        rowCaption: (screen, cell, parent) => label(screen, cell.id, 'row-caption', parent),
        columnHeading: (screen, cell, parent) => label(screen, cell.id, '', parent),
        field: (screen, cell, parent) => field(screen, cell.id, screen.grid.columns[cell.wide[1]], parent),
        unit: (screen, cell, parent) => label(screen, cell.id, 'unit', parent),
        smallButton: (screen, cell, parent) => button(screen, cell.id, 'small', parent),
        maxRunbyButton: (screen, cell, parent) => button(screen, cell.id, 'max-runby-button', parent),
        maxRunbyBox: (screen, cell, parent) => maxRunbyBox(screen, parent),
        identification: (screen, cell, parent) => identification(screen, parent),
        echo: (screen, cell, parent) => echo(screen, cell.id, parent),
    };

    // The data block: every cell of the core's grid, in the order the sheet
    // is read. The cells read as one line of the sheet stand in a row of
    // their own, which lays nothing out.
    function buildGrid(screen, grid) {
        const lines = new Map();
        for (const cell of screen.grid.cells) {
            let parent = grid;
            if (cell.line >= 0) {
                if (!lines.has(cell.line)) lines.set(cell.line, make('div', 'row ' + screen.grid.rows[cell.line], grid));
                parent = lines.get(cell.line);
            }
            const element = cellMakers[cell.holds](screen, cell, parent);
            if (cell.wide[2] > 0) place(element, cell.wide);
            placeNarrow(element, cell.narrow);
        }
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

    page.buildSheet = function (screen) {
        const sheet = document.getElementById('sheet');
        const top = make('div', 'top', sheet);
        buildQuestions(screen, top);
        const large = make('div', 'large-buttons', top);
        for (const b of screen.largeButtons) button(screen, b, 'large', large);

        buildGrid(screen, make('div', 'data', sheet));
    };
})();
