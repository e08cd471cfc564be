#pragma once
// Reading printed PDFs back in tests (poppler-utils).
#include <QList>
#include <QString>
#include <QStringList>

namespace testsupport {

// The text of a PDF with its character columns kept (pdftotext -fixed 6:
// one column per 6 points, right for 10-point fixed-pitch text), one entry
// per line, pages separated by "\f" entries; trailing blanks removed.
QStringList pdfLines(const QString& pdf);
// A word of a PDF's text and its box on its page, in points from the page's
// top-left corner (pdftotext -bbox).
struct PdfWord {
    QString text;
    double left, top, right, bottom;
};
QList<PdfWord> pdfWords(const QString& pdf);
// Number of pages (pdfinfo).
int pdfPages(const QString& pdf);
// "WxH" in points, rounded (pdfinfo "Page size").
QString pdfPageSize(const QString& pdf);

} // namespace testsupport
