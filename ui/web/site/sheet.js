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

    page.buildSheet = function (screen) {
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
    };
})();
