// Printing through the browser: the printout is laid out in a part of the
// page that only print media shows, the page size and orientation follow
// the printer's settings, and the browser's print dialog (which offers Save
// as PDF everywhere) opens once, when the printout is ready.
'use strict';

(function () {
    const page = tarnwickPage;

    function pageStyle(orientation) {
        let style = document.getElementById('print-page');
        if (!style) {
            style = document.createElement('style');
            style.id = 'print-page';
            document.head.append(style);
        }
        style.textContent = `@page { size: ${orientation === 1 ? 'portrait' : 'landscape'}; }`;
    }

    // Lays the printout out, opens the print dialog and clears up after it.
    // The document's name is the page title meanwhile, which browsers offer
    // as the PDF's file name.
    async function print(kind, name, orientation) {
        const title = document.title;
        pageStyle(orientation);
        document.body.classList.add('printing', 'printing-' + kind);
        if (name) document.title = name;
        try {
            await new Promise((resolve) => requestAnimationFrame(() => resolve()));
            window.print();
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

    // The form: the sheet as it stands, on one page, scaled to fit.
    page.printForm = async function (form) {
        document.getElementById('printout').textContent = '';
        await print('form', form.name, form.orientation);
    };
})();
