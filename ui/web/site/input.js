// The user's input, from the first paint on: one table turns what the user
// does on the sheet into the sheet's operations, and one queue holds them,
// in order, until the program takes them. It runs from the page's head,
// before the program has arrived, and stays the page's only input path.
//
// Until the program has caught up with every queued action, the page keeps
// what the user typed and where the user put the focus: the program's copy
// of a field the user has typed in since is not written over it, and the
// program's focus moves are shown only once the queue is empty, and only
// when the user has not moved on since the action that made them.
'use strict';

window.tarnwickInput = (function () {
    // The sheet's operations, by the action that asks for each: the
    // program's entry point, its argument types and its arguments.
    const operations = {
        focus: ['tarnwick_focus', ['number', 'number'], (a) => [a.kind, a.id]],
        type: ['tarnwick_type', ['number', 'string'], (a) => [a.id, a.text]],
        select: ['tarnwick_select', ['number', 'number', 'number'], (a) => [a.id, a.start, a.length]],
        option: ['tarnwick_clickOption', ['number'], (a) => [a.id]],
        press: ['tarnwick_press', ['number'], (a) => [a.id]],
        key: ['tarnwick_pressKey', ['number'], (a) => [a.id]],
        choose: ['tarnwick_choose', ['number'], (a) => [a.id]],
    };
    const commands = new Set(['press', 'key', 'choose']);

    const queue = [];
    let serial = 0; // the number of the user's last action
    let current = 0; // the number of the action the program runs or ran last
    let program = null; // runs one action, once the program is ready
    let running = false;
    let quiet = 0; // the page, not the user, moves the focus
    let byUser = false; // the focus the page gives a field as it loads is no move
    let movedAt = 0; // the user's last move: a focus move or typing
    let sheetMovedAt = 0; // the program's last focus move
    const touched = new Map(); // field -> the user's last action in it
    const stale = new Set(); // fields whose program copy was held back
    const reported = new Map(); // field -> the last selection queued, "start,length"
    const before = new WeakMap(); // field -> its text and selection before an input

    // The description of the screen, written into the page at build time.
    let screen = null;
    let byElementId = null;
    function described() {
        if (screen) return screen;
        const block = document.getElementById('screen-description');
        if (block) use(JSON.parse(block.textContent));
        return screen;
    }

    function use(description) {
        screen = description;
        byElementId = new Map();
        const { kinds, names } = screen;
        for (const [kind, list] of [[kinds.field, names.fields], [kinds.option, names.options],
            [kinds.button, names.buttons]]) {
            list.forEach((name, id) => byElementId.set(name, [kind, id]));
        }
    }

    // The kind and id of one of the sheet's elements, or null.
    function elementOf(element) {
        if (!element || !element.id || !described()) return null;
        const sheet = document.getElementById('sheet');
        if (!sheet || !sheet.contains(element)) return null;
        return byElementId.get(element.id) || null;
    }

    function pageElement(kind, id) {
        const { kinds, names } = described();
        const list = kind === kinds.field ? names.fields : kind === kinds.option ? names.options
            : kind === kinds.button ? names.buttons : null;
        return list ? document.getElementById(list[id]) : null;
    }

    const isField = (target) => target && target.tagName === 'INPUT' && elementOf(target);
    const page = () => window.tarnwickPage;
    const dialogOpen = () => !!page() && !!page().dialogOpen && page().dialogOpen();
    const menuOpen = () => !!page() && !!page().menuOpen && page().menuOpen();

    // The sheet counts characters, the page UTF-16 units.
    const characters = (text) => Array.from(text).length;
    const characterIndex = (text, index) => characters(text.slice(0, index));
    function utf16Index(text, position) {
        let index = 0;
        for (let n = 0; n < position && index < text.length; ++n) {
            index += text.codePointAt(index) > 0xffff ? 2 : 1;
        }
        return index;
    }

    // --- The queue ---

    // The same command again, with nothing typed since: the user saw
    // nothing happen, and it runs once.
    function repeats(action) {
        for (let i = queue.length - 1; i >= 0; --i) {
            const a = queue[i];
            if (a.op === 'type' || a.op === 'option') return false;
            if (commands.has(a.op) && a.id === action.id && (a.op === 'choose') === (action.op === 'choose')) {
                return true;
            }
        }
        return false;
    }

    function push(action) {
        const last = queue[queue.length - 1];
        if (commands.has(action.op) && repeats(action)) return;
        action.n = ++serial;
        if ((action.op === 'type' || action.op === 'select') && last && last.op === action.op &&
            last.id === action.id) {
            Object.assign(last, action);
        } else {
            queue.push(action);
        }
        pump();
    }

    // Runs the queued actions in order, each to its end (a dialog it opens
    // answered), then shows what the program made of them.
    async function pump() {
        if (running || !program) return;
        running = true;
        try {
            while (queue.length) {
                const action = queue.shift();
                current = action.n;
                await program(action, operations[action.op]);
            }
        } finally {
            running = false;
        }
        if (!queue.length) settle();
    }

    // The program has caught up: the fields it was held back from, and its
    // focus, unless the user has moved on since the action that moved it.
    function settle() {
        if (dialogOpen()) return;
        for (const id of stale) page().refreshField(id);
        stale.clear();
        if (sheetMovedAt >= movedAt) page().showSheetFocus();
    }

    // --- What the user does ---

    // Where the program's focus will be once it has taken the queued
    // actions, as far as they move it.
    function focusGoal() {
        for (let i = queue.length - 1; i >= 0; --i) {
            if (queue[i].op === 'focus') return [queue[i].kind, queue[i].id];
        }
        return page() ? page().sheetFocus : null;
    }

    // A move of the user's into one of the sheet's elements. A field the
    // user moves into has its whole text selected, as the sheet's focus
    // reaction selects it, so that typing replaces it. The focus coming
    // back with the window is no move.
    function userFocus(target) {
        const found = elementOf(target);
        if (!found) return;
        const goal = focusGoal();
        if (goal && goal[0] === found[0] && goal[1] === found[1]) return;
        if (target.tagName === 'INPUT') {
            target.select();
            reported.delete(found[1]);
        }
        push({ op: 'focus', kind: found[0], id: found[1] });
        movedAt = serial;
    }

    // What the user typed or pasted, cut to the sheet's maximum length in
    // characters: the characters past it that this input put in before the
    // caret are dropped, as a text box drops them; a longer text the
    // program wrote stays until the user edits it.
    function limit(input) {
        const max = Number(input.dataset.maxLength || 0);
        const text = input.value;
        const chars = Array.from(text);
        if (!max || chars.length <= max) return;
        const was = before.get(input);
        const kept = was
            ? characters(was.value) - (characterIndex(was.value, was.end) - characterIndex(was.value, was.start))
            : chars.length - 1;
        const caret = characterIndex(text, input.selectionEnd);
        const drop = Math.min(chars.length - Math.max(max, kept), caret);
        if (drop <= 0) return;
        const cut = chars.slice(0, caret - drop).concat(chars.slice(caret)).join('');
        input.value = cut;
        const at = utf16Index(cut, caret - drop);
        input.setSelectionRange(at, at);
    }

    function reportSelection(input) {
        const found = isField(input);
        if (!found || document.activeElement !== input) return;
        const text = input.value;
        const start = characterIndex(text, input.selectionStart);
        const length = characterIndex(text, input.selectionEnd) - start;
        const key = `${start},${length}`;
        if (reported.get(found[1]) === key) return;
        reported.set(found[1], key);
        push({ op: 'select', id: found[1], start, length });
    }

    const handlers = {
        keydown() {
            byUser = true;
        },
        pointerdown() {
            byUser = true;
        },
        // The press that brings a field the focus would put the caret where
        // the finger is and drop the selection the focus gives it.
        mousedown(event) {
            byUser = true;
            const target = event.target;
            if (event.button === 0 && isField(target) && document.activeElement !== target && !dialogOpen()) {
                event.preventDefault();
                target.focus();
            }
        },
        focusin(event) {
            if (quiet || !byUser) return;
            userFocus(event.target);
        },
        beforeinput(event) {
            const target = event.target;
            if (isField(target)) {
                before.set(target, { value: target.value, start: target.selectionStart, end: target.selectionEnd });
            }
        },
        input(event) {
            const target = event.target;
            const found = isField(target);
            if (!found) return;
            limit(target);
            before.delete(target);
            reported.delete(found[1]);
            push({ op: 'type', id: found[1], text: target.value });
            movedAt = serial;
            touched.set(found[1], serial);
            reportSelection(target);
        },
        select: (event) => reportSelection(event.target),
        keyup: (event) => reportSelection(event.target),
        mouseup: (event) => reportSelection(event.target),
        click(event) {
            const target = event.target.closest && event.target.closest('#sheet [role=radio], #sheet button');
            const found = target && elementOf(target);
            if (!found || target.disabled || target.getAttribute('aria-disabled') === 'true') return;
            push({ op: target.tagName === 'BUTTON' ? 'press' : 'option', id: found[1] });
        },
    };
    for (const [type, handler] of Object.entries(handlers)) document.addEventListener(type, handler, true);

    return {
        use,
        described,
        elementOf,
        pageElement,
        dialogOpen,
        menuOpen,
        characterIndex,
        utf16Index,
        // The program takes the queued actions from here on: `run` runs one.
        ready(run) {
            program = run;
            pump();
        },
        // A fresh program, after the last one closed: nothing carries over.
        reset() {
            queue.length = 0;
            touched.clear();
            stale.clear();
            reported.clear();
            current = serial;
            movedAt = sheetMovedAt = serial;
        },
        // What a program that has closed had still to do.
        drop() {
            queue.length = 0;
        },
        // Whether the user has typed in this field since the action the
        // program runs: its copy is then older than the page's, and is
        // written once the program has caught up.
        ahead(field) {
            if ((touched.get(field) || 0) <= current) return false;
            stale.add(field);
            return true;
        },
        // The program moved its focus.
        sheetMoved() {
            sheetMovedAt = current;
        },
        // The page, not the user, moves the focus in `run` (to the sheet's,
        // out of a dialog).
        quiet(run) {
            ++quiet;
            try {
                return run();
            } finally {
                --quiet;
            }
        },
        push,
        idle: () => !running && !queue.length,
    };
})();
