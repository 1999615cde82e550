// Printing through the browser: the printout is laid out in a part of the
// page that only print media shows, the page size and orientation follow
// the printer's settings, and the browser's print dialog (which offers Save
// as PDF everywhere) opens once, when the printout is ready.
'use strict';

(function () {
    const page = tarnwickPage;

    // The page's size and orientation, in a style sheet made by script: the
    // site's content security policy takes no <style> element.
    let pageSheet = null;

    function pageStyle(orientation) {
        if (!pageSheet) {
            pageSheet = new CSSStyleSheet();
            document.adoptedStyleSheets = [...document.adoptedStyleSheets, pageSheet];
        }
        pageSheet.replaceSync(
            `@page { size: ${orientation === 1 ? 'portrait' : 'landscape'}; margin: 10mm; }`);
    }

    // Lays the printout out, opens the print dialog and clears up once it
    // has closed. The document's name is the page title meanwhile, which
    // browsers offer as the PDF's file name.
    async function print(kind, name, orientation) {
        const title = document.title;
        pageStyle(orientation);
        document.body.classList.add('printing', 'printing-' + kind);
        if (name) document.title = name;
        try {
            await new Promise((resolve) => requestAnimationFrame(() => resolve()));
            // The browser says the dialog has closed with 'afterprint'. Where
            // print() returns before its dialog has done (phones) and the
            // event is slow to come, the user's next touch of the page says
            // so as well.
            let returned = false;
            const closed = new Promise((resolve) => {
                const events = ['afterprint', 'pointerdown', 'keydown'];
                const done = (event) => {
                    if (event.type !== 'afterprint' && !returned) return;
                    for (const type of events) window.removeEventListener(type, done, true);
                    resolve();
                };
                for (const type of events) window.addEventListener(type, done, true);
            });
            window.print();
            returned = true;
            await closed;
        } finally {
            document.title = title;
            document.body.classList.remove('printing', 'printing-' + kind);
        }
    }

    // The data report: its lines in the printer's font, each in its own size
    // and weight, blanks and columns kept.
    page.printReport = async function (report) {
        const out = document.getElementById('printout');
        out.textContent = '';
        const sheet = document.createElement('div');
        sheet.className = 'report';
        sheet.style.fontFamily = `"${report.font}", "Liberation Mono", "Cousine", monospace`;
        for (const row of report.rows) {
            const line = document.createElement('div');
            line.className = 'report-line';
            line.style.fontSize = row.size + 'pt';
            if (row.bold) line.style.fontWeight = 'bold';
            line.textContent = row.text === '' ? '\u00a0' : row.text;
            sheet.append(line);
        }
        out.append(sheet);
        await print('report', report.name, report.orientation);
    };

    // The printable area of the smaller of Letter and A4 with 10 mm
    // margins, in CSS pixels: what the form must fit on either paper.
    function printableArea(orientation) {
        const mm = 96 / 25.4;
        const short = (Math.min(215.9, 210) - 20) * mm;
        const long = (Math.min(279.4, 297) - 20) * mm;
        return orientation === 1 ? [short, long] : [long, short];
    }

    // The form: the sheet as it stands, at its natural width, on one page,
    // scaled to fit.
    page.printForm = async function (form) {
        document.getElementById('printout').textContent = '';
        const sheet = document.getElementById('sheet');
        document.body.classList.add('printing-form');
        const [width, height] = printableArea(form.orientation);
        const zoom = Math.min(1, width / sheet.scrollWidth, height / sheet.scrollHeight);
        sheet.style.setProperty('--form-zoom', String(Math.floor(zoom * 1000) / 1000));
        try {
            await print('form', form.name, form.orientation);
        } finally {
            sheet.style.removeProperty('--form-zoom');
        }
    };
})();
