#include "PrintedPdf.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtDebug>
#include <map>

namespace tarnwick {

std::optional<QString> toolOutput(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning() << program << arguments << "failed:" << process.errorString()
                   << process.readAllStandardError();
        return std::nullopt;
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

std::vector<PdfPage> pdfPages(const QString& path) {
    std::vector<PdfPage> pages;
    QXmlStreamReader xml(
        toolOutput(QStringLiteral("pdftohtml"), {"-xml", "-stdout", "-i", "-q", path})
            .value_or(QString()));
    struct Font {
        QString family;
        int size;
    };
    std::map<QString, Font> fonts;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QXmlStreamAttributes a = xml.attributes();
        const auto number = [&a](const char* name) { return a.value(QLatin1String(name)).toInt(); };
        if (xml.name() == QLatin1String("page")) {
            pages.push_back({number("width"), number("height"), {}});
        } else if (xml.name() == QLatin1String("fontspec")) {
            fonts[a.value(QLatin1String("id")).toString()] = {
                a.value(QLatin1String("family")).toString(), number("size")};
        } else if (xml.name() == QLatin1String("text") && !pages.empty()) {
            PdfRow row{{}, number("top"), number("left"), number("width"), number("height"), {},
                       0,  false};
            const Font& font = fonts[a.value(QLatin1String("font")).toString()];
            row.family = font.family;
            row.size = font.size;
            // The text, with the weight as markup around it.
            while (!(xml.readNext() == QXmlStreamReader::EndElement &&
                     xml.name() == QLatin1String("text")) &&
                   !xml.atEnd()) {
                if (xml.isStartElement() && xml.name() == QLatin1String("b")) row.bold = true;
                if (xml.isCharacters()) row.text += xml.text();
            }
            pages.back().rows.push_back(row);
        }
    }
    return pages;
}

QString pdfText(const QString& path) {
    return toolOutput(QStringLiteral("pdftotext"), {"-layout", path, "-"}).value_or(QString());
}

std::vector<PdfFont> pdfFonts(const QString& path) {
    std::vector<PdfFont> fonts;
    const QStringList lines =
        toolOutput(QStringLiteral("pdffonts"), {path}).value_or(QString()).split('\n');
    // Below the heading and its rule: name, type words, encoding, then the
    // yes/no columns emb, sub, uni and the object number.
    static const QRegularExpression row(
        QStringLiteral("^(\\S+)\\s.*\\s(yes|no)\\s+(yes|no)\\s+"
                       "(yes|no)\\s+\\d+\\s+\\d+\\s*$"));
    for (const QString& line : lines) {
        const QRegularExpressionMatch m = row.match(line);
        if (m.hasMatch()) fonts.push_back({m.captured(1), m.captured(2) == QLatin1String("yes")});
    }
    return fonts;
}

QImage pdfPageImage(const QString& path, int page, int dpi) {
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    const QString n = QString::number(page);
    if (!toolOutput(QStringLiteral("pdftoppm"), {"-png", "-r", QString::number(dpi), "-f", n, "-l",
                                                 n, "-singlefile", path, stem})) {
        return {};
    }
    return QImage(stem + QStringLiteral(".png"));
}

}  // namespace tarnwick
