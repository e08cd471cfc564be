#include "compat/ui/LinePrinter.h"

#include "compat/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPicture>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace compat {

namespace {

// The reports were laid out for a fixed number of lines per page (45 table
// rows under an 8-line heading in landscape, up to 94 lines of 8 points in
// portrait); a pitch of 1.05 times the font size keeps those pages whole on
// A4 with 5 mm margins, where the font's own line spacing (about 1.13) would
// spill their last lines onto an extra page.
constexpr double kLinePitch = 1.05;
constexpr double kMarginMm = 5.0;

// The file a print to a file writes; empty for a printer.
QString pdfFile(const QPrinter& p)
{
    return p.outputFormat() == QPrinter::PdfFormat ? p.outputFileName() : QString();
}

// A PDF that reached its file whole ends with its trailer. The PDF writer
// buffers and never tells a failed write (a full disk): only the file shows it.
bool pdfWhole(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() < 8 || !f.seek(f.size() - 8))
        return false;
    return f.read(8).trimmed().endsWith("%%EOF");
}

// The failure of a print into a file.
QString nonStampato(const QString& file)
{
    return QStringLiteral("Impossibile stampare nel file ") + file + u'.';
}

} // namespace

QString resolveFontFamily(const QString& family)
{
    if (QFontDatabase::hasFamily(family))
        return family;
    QStringList candidates;
    bool fixed = false;
    if (family.compare(u"Courier New", Qt::CaseInsensitive) == 0
        || family.compare(u"Courier", Qt::CaseInsensitive) == 0) {
        candidates = {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")};
        fixed = true;
    } else if (family.compare(u"Arial", Qt::CaseInsensitive) == 0) {
        candidates = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    }
    for (const QString& c : candidates)
        if (QFontDatabase::hasFamily(c))
            return c;
    if (fixed)
        return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    return family;
}

struct LinePrinter::State {
    std::unique_ptr<QPrinter> printer;
    QPainter painter;
    bool started = false;
    // A print to a file goes into a temporary file beside it, which takes its
    // place only once the document is whole.
    QString target;
    std::unique_ptr<FileReplacement> file;

    QString family = QStringLiteral("Courier New");
    double points = 10;
    bool bold = false;
    Orientation orientation = Orientation::Portrait;

    QFont font;
    std::unique_ptr<QFontMetricsF> metrics;

    double x = 0; // device units from the printable area's top-left
    double y = 0;
    QString line; // transcript of the line being printed
    bool lineUsed = false;
    QStringList transcript;

    double res() const { return printer->resolution(); }
    double lineHeight() const { return points * kLinePitch / 72.0 * res(); }
    double charWidth() const { return metrics->averageCharWidth(); }
};

LinePrinter::LinePrinter(Setup setup) : setup_(std::move(setup)), s_(std::make_unique<State>()) {}

std::unique_ptr<LinePrinter> LinePrinter::unavailable(const QString& reason)
{
    auto p = std::make_unique<LinePrinter>([](QPrinter&, int) {});
    p->error_ = reason;
    return p;
}

LinePrinter::~LinePrinter()
{
    if (!s_->started)
        return;
    // A job never ended is thrown away.
    s_->printer->abort();
    if (s_->painter.isActive())
        s_->painter.end();
    s_->file.reset();
}

void LinePrinter::fail(const QString& reason)
{
    if (error_.isEmpty())
        error_ = reason;
}

namespace {

void applyOrientation(QPrinter& p, Orientation o)
{
    p.setPageOrientation(o == Orientation::Landscape ? QPageLayout::Landscape
                                                     : QPageLayout::Portrait);
}

} // namespace

void LinePrinter::setFont(const QString& family, double points)
{
    s_->family = family;
    s_->points = points > 0 ? points : 10;
    s_->metrics.reset();
}

void LinePrinter::setBold(bool bold)
{
    s_->bold = bold;
    s_->metrics.reset();
}

void LinePrinter::setOrientation(Orientation o)
{
    s_->orientation = o;
    if (s_->printer)
        applyOrientation(*s_->printer, o); // mid-document: from the next page
}

// The device of a document is made on first need, so columns are measured on
// the printer itself.
bool LinePrinter::ensureStarted()
{
    if (failed())
        return false;
    State& s = *s_;
    if (!s.printer) {
        s.printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        s.printer->setPageSize(QPageSize(QPageSize::A4));
        s.printer->setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                  QPageLayout::Millimeter);
        ++document_;
        setup_(*s.printer, document_);
        applyOrientation(*s.printer, s.orientation);
        s.metrics.reset();
        s.target = pdfFile(*s.printer);
        if (!s.target.isEmpty()) {
            // One of the program's own files is refused by the replacement
            // itself, whatever name reaches it.
            s.file = std::make_unique<FileReplacement>(s.target);
            if (const int errore = s.file->error()) {
                fail(errore == kOwnFileError ? ownFileMessage(s.target) : nonStampato(s.target));
                return false;
            }
            s.printer->setOutputFileName(s.file->temporaryPath());
        }
    }
    if (!s.metrics) {
        s.font = QFont(resolveFontFamily(s.family));
        s.font.setPointSizeF(s.points);
        s.font.setBold(s.bold);
        s.metrics = std::make_unique<QFontMetricsF>(s.font, s.printer.get());
        if (s.started)
            s.painter.setFont(s.font);
    }
    if (s.started)
        return true;
    if (!s.painter.begin(s.printer.get())) {
        if (!s.target.isEmpty())
            fail(nonStampato(s.target));
        else if (QPrinterInfo::availablePrinters().isEmpty())
            fail(QStringLiteral("Nessuna stampante installata."));
        else
            fail(QStringLiteral("La stampante ") + s.printer->printerName()
                 + QStringLiteral(" non è disponibile."));
        return false;
    }
    s.started = true;
    s.painter.setFont(s.font);
    s.painter.setPen(Qt::black);
    page_ = 1;
    s.x = s.y = 0;
    s.line.clear();
    s.lineUsed = false;
    s.transcript.clear();
    documentStarted(document_);
    return true;
}

void LinePrinter::record(const QString& line)
{
    if (recording_)
        s_->transcript << line;
}

void LinePrinter::flushLine()
{
    record(s_->line);
    s_->line.clear();
    s_->lineUsed = false;
}

void LinePrinter::startNewPage()
{
    State& s = *s_;
    if (s.lineUsed)
        flushLine();
    if (!s.printer->newPage()) {
        fail(QStringLiteral("Errore durante la stampa: impossibile passare alla pagina successiva."));
        return;
    }
    ++page_;
    s.x = s.y = 0;
    record(kNewPage);
}

void LinePrinter::breakIfFull(double height)
{
    State& s = *s_;
    if (s.y > 0 && s.y + height > s.printer->height() + 0.5)
        startNewPage();
}

void LinePrinter::tab(int col)
{
    if (!ensureStarted())
        return;
    const double target = (std::max(col, 1) - 1) * s_->charWidth();
    if (s_->x > target + 0.01 * s_->charWidth())
        endLine();
    s_->x = target;
}

void LinePrinter::print(QStringView text)
{
    if (!ensureStarted())
        return;
    State& s = *s_;
    if (!s.lineUsed)
        breakIfFull(s.lineHeight());
    if (failed())
        return;
    const QString t = text.toString();
    s.painter.drawText(QPointF(s.x, s.y + s.metrics->ascent()), t);
    if (recording_) {
        const int col = qRound(s.x / s.charWidth());
        if (s.line.size() < col)
            s.line.append(QString(col - s.line.size(), u' '));
        s.line.replace(col, t.size(), t);
    }
    s.lineUsed = true;
    s.x += s.metrics->horizontalAdvance(t);
}

void LinePrinter::endLine()
{
    if (!ensureStarted())
        return;
    State& s = *s_;
    if (!s.lineUsed)
        breakIfFull(s.lineHeight()); // an empty line takes its room too
    if (failed())
        return;
    flushLine();
    s.x = 0;
    s.y += s.lineHeight();
}

void LinePrinter::setCurrentX(double twips)
{
    if (!ensureStarted())
        return;
    s_->x = std::max(0.0, twips) * s_->res() / 1440.0;
}

double LinePrinter::currentX() const
{
    return s_->printer ? s_->x * 1440.0 / s_->res() : 0.0;
}

double LinePrinter::currentY() const
{
    return s_->printer ? s_->y * 1440.0 / s_->res() : 0.0;
}

void LinePrinter::newPage()
{
    if (!ensureStarted())
        return;
    startNewPage();
}

double LinePrinter::pageWidth()
{
    if (!ensureStarted())
        return 0;
    return s_->printer->width() * 1440.0 / s_->res();
}

// A window takes a block of its own below the current line.
void LinePrinter::placeWidget(QWidget* w,
                              const std::function<void(QPainter&, const QRectF&)>& paint)
{
    if (!w || !ensureStarted())
        return;
    State& s = *s_;
    // One screen pixel is 15 twips.
    const double width = w->width() * s.res() / 96.0;
    const double height = w->height() * s.res() / 96.0;
    if (s.lineUsed) {
        flushLine();
        s.x = 0;
        s.y += s.lineHeight();
    }
    breakIfFull(height);
    if (failed())
        return;
    paint(s.painter, QRectF(s.x, s.y, width, height));
    record(QStringLiteral("<<finestra ") + w->objectName() + QStringLiteral(">>"));
    s.x = 0;
    s.y += height;
}

void LinePrinter::printWidget(QWidget* w)
{
    placeWidget(w, [w](QPainter& painter, const QRectF& to) {
        const QPixmap image = w->grab();
        painter.drawPixmap(to, image, QRectF(image.rect()));
    });
}

void LinePrinter::renderWidget(QWidget* w)
{
    placeWidget(w, [w](QPainter& painter, const QRectF& to) {
        // Rendered straight onto a printer, a window is rasterised; recorded
        // first, its drawing commands replay as text and shapes.
        QPicture picture;
        w->render(&picture, QPoint(), QRegion(),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
        // The picture scales itself from screen to printer resolution.
        painter.drawPicture(to.topLeft(), picture);
    });
}

void LinePrinter::endDoc()
{
    State& s = *s_;
    if (s.started) {
        if (s.lineUsed)
            flushLine();
        record(kEndDoc);
        if (!s.painter.end() || s.printer->printerState() == QPrinter::Error) {
            fail(QStringLiteral("Errore durante la stampa: il documento non è stato inviato."));
        } else if (s.file && !failed()
                   && (!pdfWhole(s.file->temporaryPath()) || s.file->commit() != 0)) {
            fail(nonStampato(s.target));
        } else if (recording_) {
            documentEnded(document_, s.transcript);
        }
    }
    s.file.reset();
    s.target.clear();
    s.started = false;
    s.printer.reset();
    s.metrics.reset();
    s.transcript.clear();
    s.line.clear();
    s.lineUsed = false;
    s.x = s.y = 0;
    s.orientation = Orientation::Portrait;
    page_ = 1;
}

PdfLinePrinter::PdfLinePrinter(const QString& folder, const QString& prefix, OnDocument onDocument)
    : LinePrinter([folder, prefix](QPrinter& p, int document) {
          p.setOutputFormat(QPrinter::PdfFormat);
          p.setOutputFileName(folder + u'/' + prefix + u'-' + QString::number(document)
                              + QStringLiteral(".pdf"));
      }),
      folder_(folder), prefix_(prefix), onDocument_(std::move(onDocument))
{
    setRecording(true);
}

QString PdfLinePrinter::pdfPath(int document) const
{
    return folder_ + u'/' + prefix_ + u'-' + QString::number(document) + QStringLiteral(".pdf");
}

void PdfLinePrinter::documentEnded(int document, const QStringList& transcript)
{
    if (onDocument_)
        onDocument_(pdfPath(document), transcript);
}

} // namespace compat
