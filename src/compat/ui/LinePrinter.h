#pragma once
// Printing reports line by line in character columns, as every printed
// report of the program does. Typical use (the caller loops over copies):
//
//   std::optional<int> copies = askPrintCopies();     // compat/ui/ReportOutput.h
//   if (!copies) return;
//   auto p = platform().printers().open();
//   p->setFont(u"Courier New", 10);
//   for (int c = 1; c <= *copies; ++c) {
//       if (c > 1) p->newPage();
//       p->tab(3); p->print(line); p->endLine();
//   }
//   finishPrint(*p);                                  // endDoc + failure message
//
// A print that shows no dialog takes platform().printers().openDefault().
//
// Columns are counted from 1 in average character widths of the current font;
// a line is one line spacing of the current font. A line that would pass the
// page bottom starts a new page first. Positions in twips are measured from
// the top-left corner of the printable area. After the first failure every
// call does nothing and failed() tells why.
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <memory>

class QPainter;
class QPrinter;
class QRectF;
class QWidget;

namespace compat {

enum class Orientation { Portrait, Landscape };

class ILinePrinter {
public:
    virtual ~ILinePrinter() = default; // without endDoc the job is discarded

    // "Courier New" and "Arial" fall back to the installed look-alikes.
    virtual void setFont(const QString& family, double points) = 0;
    virtual void setBold(bool bold) = 0;
    // For the document being printed; back to Portrait after every endDoc.
    virtual void setOrientation(Orientation o) = 0;

    // To column `col` (below 1 counts as 1); when the position is already
    // past it, to that column of the next line.
    virtual void tab(int col) = 0;
    // Text at the current position; the position moves past it.
    virtual void print(QStringView text) = 0;
    virtual void endLine() = 0;
    virtual void setCurrentX(double twips) = 0;
    virtual double currentX() const = 0;
    virtual double currentY() const = 0;

    virtual void newPage() = 0;
    // The printable width of the page in twips; starts the document.
    virtual double pageWidth() = 0;
    // Page number within the document, from 1.
    virtual int page() const = 0;
    // Sends the document; later output starts a new one from page 1.
    virtual void endDoc() = 0;
    // The window's image at the current position, the size it has on screen.
    virtual void printWidget(QWidget* w) = 0;
    // The window painted afresh at the printer's resolution, text and
    // shapes as drawn (not an image), the size it has on screen; the window
    // need not ever have been shown.
    virtual void renderWidget(QWidget* w) = 0;

    virtual bool failed() const = 0;
    virtual QString error() const = 0; // Italian, for a message box
};

// The font family the printer uses for a requested one.
QString resolveFontFamily(const QString& family);

// An ILinePrinter over QPrinter. `setup` prepares the QPrinter of each
// document (numbered from 1) before anything is painted on it. A document
// printed into a file replaces that file only once it is ended whole; one of
// the program's own files (compat/files.h, isOwnFile) is never printed into:
// the printer fails with ownFileMessage().
class LinePrinter : public ILinePrinter {
public:
    // Transcript markers (see documentEnded).
    static inline const QString kNewPage = QStringLiteral("<<nuova pagina>>");
    static inline const QString kEndDoc = QStringLiteral("<<fine documento>>");

    using Setup = std::function<void(QPrinter&, int document)>;
    explicit LinePrinter(Setup setup);
    // A printer that fails at its first output with `reason`.
    static std::unique_ptr<LinePrinter> unavailable(const QString& reason);
    ~LinePrinter() override;

    void setFont(const QString& family, double points) override;
    void setBold(bool bold) override;
    void setOrientation(Orientation o) override;
    void tab(int col) override;
    void print(QStringView text) override;
    void endLine() override;
    void setCurrentX(double twips) override;
    double currentX() const override;
    double currentY() const override;
    void newPage() override;
    double pageWidth() override;
    int page() const override { return page_; }
    void endDoc() override;
    void printWidget(QWidget* w) override;
    void renderWidget(QWidget* w) override;
    bool failed() const override { return !error_.isEmpty(); }
    QString error() const override { return error_; }

protected:
    // Lines as printed, columns expanded as blanks, with page and document
    // markers; called only when recording is on.
    virtual void documentStarted(int /*document*/) {}
    virtual void documentEnded(int /*document*/, const QStringList& /*transcript*/) {}
    void setRecording(bool on) { recording_ = on; }

private:
    struct State;
    bool ensureStarted();
    void breakIfFull(double height);
    void placeWidget(QWidget* w, const std::function<void(QPainter&, const QRectF&)>& paint);
    void startNewPage();
    void fail(const QString& reason);
    void flushLine();
    void record(const QString& line);

    Setup setup_;
    std::unique_ptr<State> s_;
    QString error_;
    int page_ = 1;
    int document_ = 0;
    bool recording_ = false;
};

// Prints into PDF files for tests: document n of the printer goes to
// `folder`/`prefix`-n.pdf, and each ended document's transcript is handed to
// `onDocument` (the PDF path and its lines).
class PdfLinePrinter final : public LinePrinter {
public:
    using OnDocument = std::function<void(const QString& pdf, const QStringList& transcript)>;
    PdfLinePrinter(const QString& folder, const QString& prefix, OnDocument onDocument);

protected:
    void documentEnded(int document, const QStringList& transcript) override;

private:
    QString pdfPath(int document) const;
    QString folder_;
    QString prefix_;
    OnDocument onDocument_;
};

} // namespace compat
