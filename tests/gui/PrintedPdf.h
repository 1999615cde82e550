// What a printed PDF file shows, read back with the PDF tools: its pages with
// the text rows on them (position, font, size, weight), its fonts, and a
// rendered page as an image.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace tarnwick {

struct PdfRow {
    QString text;                                  ///< as laid out, blanks included
    int top = 0, left = 0, width = 0, height = 0;  ///< in pixels of the page
    QString family;
    int size = 0;
    bool bold = false;
};

struct PdfPage {
    int width = 0, height = 0;
    std::vector<PdfRow> rows;
};

struct PdfFont {
    QString name;
    bool embedded = false;
};

/// Runs `program` with `arguments`; its standard output, or nothing (and a
/// warning naming the program) when it cannot run or fails.
std::optional<QString> toolOutput(const QString& program, const QStringList& arguments);

/// The pages and their text rows, top to bottom.
std::vector<PdfPage> pdfPages(const QString& path);
/// The plain text, pages separated by form feeds.
QString pdfText(const QString& path);
std::vector<PdfFont> pdfFonts(const QString& path);
/// Page `page` (from 1) rendered at `dpi`.
QImage pdfPageImage(const QString& path, int page, int dpi);

}  // namespace tarnwick
