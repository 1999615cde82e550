// The modal dialogs of the page: the message box, the one-line prompt, the
// orientation reminder and the reference card. Each returns a promise that
// settles with the user's answer; the reaction that opened it waits for it.
// While one is open the rest of the page is inert.
'use strict';

(function () {
    const page = tarnwickPage;
    let open = 0;
    let serial = 0;

    page.dialogOpen = () => open > 0;

    const icons = {
        critical: ['#c4161c', 'M9 9 L19 19 M19 9 L9 19'],
        question: ['#1f4e9c', null, '?'],
        information: ['#1f4e9c', null, 'i'],
    };

    function iconElement(name) {
        const look = icons[name];
        if (!look) return null;
        const ns = 'http://www.w3.org/2000/svg';
        const svg = document.createElementNS(ns, 'svg');
        svg.setAttribute('viewBox', '0 0 28 28');
        svg.setAttribute('class', 'icon');
        svg.setAttribute('aria-hidden', 'true');
        const circle = document.createElementNS(ns, 'circle');
        circle.setAttribute('cx', '14');
        circle.setAttribute('cy', '14');
        circle.setAttribute('r', '13');
        circle.setAttribute('fill', look[0]);
        svg.append(circle);
        if (look[1]) {
            const path = document.createElementNS(ns, 'path');
            path.setAttribute('d', look[1]);
            path.setAttribute('stroke', '#fff');
            path.setAttribute('stroke-width', '3');
            svg.append(path);
        } else {
            const text = document.createElementNS(ns, 'text');
            text.setAttribute('x', '14');
            text.setAttribute('y', '20');
            text.setAttribute('text-anchor', 'middle');
            text.setAttribute('fill', '#fff');
            text.setAttribute('font-size', '18');
            text.setAttribute('font-weight', 'bold');
            text.setAttribute('font-family', 'sans-serif');
            text.textContent = look[2];
            svg.append(text);
        }
        return svg;
    }

    // A modal dialog with its title bar and close box. `build` fills the
    // body and the button row and returns the element to focus first;
    // `closeAnswer` is what Esc and the close box answer.
    function showDialog(title, className, build, closeAnswer) {
        return new Promise((resolve) => {
            const dialog = document.createElement('dialog');
            dialog.className = 'box ' + className;
            dialog.setAttribute('aria-modal', 'true');
            const titleId = 'dialog-title-' + ++serial;
            dialog.setAttribute('aria-labelledby', titleId);
            const bar = document.createElement('div');
            bar.className = 'title-bar';
            const heading = document.createElement('h2');
            heading.id = titleId;
            heading.textContent = title;
            const close = document.createElement('button');
            close.type = 'button';
            close.className = 'close-box';
            close.setAttribute('aria-label', 'Close');
            close.textContent = '×';
            bar.append(heading, close);
            const body = document.createElement('div');
            body.className = 'body';
            const buttons = document.createElement('div');
            buttons.className = 'buttons';
            dialog.append(bar, body, buttons);

            let settled = false;
            const finish = (answer) => {
                if (settled) return;
                settled = true;
                // The focus the browser gives back as the dialog closes is
                // not the user's move; the sheet's focus is shown once the
                // action has ended (input.js).
                tarnwickInput.quiet(() => dialog.close());
                dialog.remove();
                --open;
                resolve(answer);
            };
            const first = build(body, buttons, finish);
            close.addEventListener('click', () => finish(closeAnswer()));
            dialog.addEventListener('cancel', (event) => {
                event.preventDefault();
                finish(closeAnswer());
            });
            ++open;
            page.closeMenus();
            document.body.append(dialog);
            dialog.showModal();
            if (first) first.focus();
        });
    }

    function addButton(row, caption, onClick) {
        const button = document.createElement('button');
        button.type = 'button';
        button.textContent = caption;
        button.addEventListener('click', onClick);
        row.append(button);
        return button;
    }

    // The message box: icon, prompt with its line breaks, and the answers
    // the program offers, each its caption and the code it answers with,
    // the default one focused, so that Enter presses it. Closing answers
    // with the program's closing code.
    page.showMessage = function (m) {
        // A card's lines come as the program lays them out.
        const lines = m.card ? m.lines : m.prompt.split('\r\n');
        return showDialog(
            m.title,
            m.card ? 'card' : 'message',
            (body, row, finish) => {
                // What the box is, for whoever reads the page: its icon.
                body.parentElement.dataset.icon = m.icon;
                const icon = iconElement(m.icon);
                if (icon) body.append(icon);
                let text;
                if (m.lineByLine) {
                    // One paragraph a line, so that a screen reader moves
                    // through them one by one; a long line wraps.
                    text = document.createElement('div');
                    text.className = 'prompt lines';
                    text.append(...lines.map((line) => {
                        const p = document.createElement('p');
                        p.textContent = line;
                        return p;
                    }));
                } else {
                    text = document.createElement(m.card ? 'pre' : 'p');
                    text.className = 'prompt';
                    text.textContent = lines.join('\n');
                }
                if (m.card) {
                    // The card scrolls inside its box where the screen is narrow.
                    const scroller = document.createElement('div');
                    scroller.className = 'card-text';
                    scroller.tabIndex = 0;
                    scroller.setAttribute('role', 'document');
                    scroller.setAttribute('aria-label', m.title);
                    scroller.append(text);
                    body.append(scroller);
                } else {
                    body.append(text);
                }
                let focus = null;
                for (const answer of m.answers) {
                    const button = addButton(row, answer.caption, () => finish(answer.code));
                    if (answer.code === m.default) {
                        focus = button;
                        button.classList.add('default');
                    }
                }
                return focus || row.firstElementChild;
            },
            () => m.close);
    };

    // One line of text; empty when the user cancels.
    page.promptText = function ({ prompt, title, ok, cancel }) {
        return showDialog(
            title,
            'prompt-box',
            (body, row, finish) => {
                const form = document.createElement('form');
                const id = 'prompt-input-' + serial;
                const label = document.createElement('label');
                label.htmlFor = id;
                label.textContent = prompt;
                const input = document.createElement('input');
                input.type = 'text';
                input.id = id;
                input.autocomplete = 'off';
                form.append(label, input);
                form.addEventListener('submit', (event) => {
                    event.preventDefault();
                    finish(input.value);
                });
                body.append(form);
                addButton(row, ok, () => finish(input.value)).classList.add('default');
                addButton(row, cancel, () => finish(''));
                return input;
            },
            () => '');
    };

    // The orientation reminder; answers with the number of clicks on its
    // check box.
    page.showReminder = function (r) {
        let clicks = 0;
        return showDialog(
            r.caption,
            'reminder',
            (body, row, finish) => {
                body.parentElement.dataset.orientation = r.portrait ? 'portrait' : 'landscape';
                const message = document.createElement('p');
                message.className = 'reminder-message';
                message.textContent = r.message;
                const label = document.createElement('label');
                const box = document.createElement('input');
                box.type = 'checkbox';
                box.addEventListener('click', () => ++clicks);
                label.append(box, ' ' + r.checkBox);
                body.append(message, label);
                const ok = addButton(row, r.ok, () => finish(clicks));
                ok.classList.add('default');
                return ok;
            },
            () => clicks);
    };
})();
