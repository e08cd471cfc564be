#pragma once
// The desktop side of the platform interface. Only main() (through
// installQtPlatform) and the tests of these classes use it directly.
#include "compat/ui/Platform.h"

#include <QLockFile>
#include <QNetworkProxy>
#include <QObject>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

class QPrinter;

namespace compat {

// "desc|pattern|desc|pattern" to Qt's "desc (pattern)" list.
QStringList qtNameFilters(const QString& filter);

// Carriage returns of a prompt as line breaks: CR LF and a lone CR alike.
QString displayLines(QString text);

class QtMessageBox final : public IMessageBox {
public:
    int show(const QString& prompt, int style, const QString& title) override;
};

class QtFileDialogs final : public IFileDialogs {
public:
    std::optional<QString> open(const FileRequest& request) override;
    std::optional<QString> save(const FileRequest& request) override;
};

class QtColorDialog final : public IColorDialog {
public:
    std::optional<quint32> pick(quint32 initial) override;
};

class QtAppInfo final : public IAppInfo {
public:
    QtAppInfo(); // reads QUORVANE_FOLDER or the executable's folder once
    QString folder() override { return folder_; }
    QString title() override;
    Version version() override;

private:
    QString folder_;
};

class QtProcess final : public IProcess {
public:
    explicit QtProcess(QString folder);
    ~QtProcess() override;
    // Takes "Quorvane.lock" in the folder and a lock on its archive folder
    // on the first call, and keeps them.
    bool otherInstanceRunning() override;

protected:
    [[noreturn]] void exitProcess(int code) override;

private:
    QString folder_;
    std::unique_ptr<QLockFile> lock_;
    int archivi_ = -1;
};

class QtClock final : public IClock {
public:
    QDateTime now() override;
};

class QtKeyboard final : public QObject, public IKeyboard {
public:
    QtKeyboard(); // filters the application's events
    bool escDown() override { return esc_; }
    void clearEsc() override { esc_ = false; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool esc_ = false;
};

class QtHelp final : public IHelp {
public:
    explicit QtHelp(QString folder) : folder_(std::move(folder)) {}
    void contents() override;
    void context(int id) override;

private:
    QString folder_;
};

class QtShell final : public IShell {
public:
    bool openUrl(const QString& url) override;
    bool mailTo(const QString& address) override;
    // Starts the first desktop system-information tool found on the PATH.
    bool systemInfo() override;
};

// The connection state from Qt's network information where a backend exists,
// otherwise "connected"; there is no system-wide on-line switch to force.
class QtNet final : public INet {
public:
    bool connected() override;
    bool setOnline() override { return true; }
};

class QtClipboard final : public IClipboard {
public:
    void clear() override;
    void setText(const QString& text) override;
};

// Where the documents of a print go: a printer, a PDF file, or nowhere
// with the reason.
struct PrintTarget {
    QString printer;
    QString file;
    QString error;
};
// A print that follows the printer dialog (`afterDialog`) goes where the
// dialog chose (`chosenFile`, else `chosenPrinter` when still installed).
// Any other print goes to the default printer, or the first one installed
// when none is the default; never to a file.
PrintTarget printTarget(bool afterDialog, const QString& chosenPrinter, const QString& chosenFile,
                        const QString& defaultPrinter, const QStringList& installed);
// The file of document `document` (from 1) of a print to `file`: the
// documents after the first get "-2", "-3", ... before the extension.
QString documentFile(const QString& file, int document);

// The system's printers as the printing sees them; tests name their own and
// catch the jobs sent to them.
struct PrinterSystem {
    std::function<QString()> defaultPrinter;
    std::function<QStringList()> installed;
    // Sets up `p` so that its job goes to the installed printer `name`.
    std::function<void(QPrinter& p, const QString& name)> sendTo;
};
PrinterSystem systemPrinters();

// The printer dialog and the printers share the printer last chosen.
class QtPrinting final : public IPrinterDialog, public IPrinters {
public:
    explicit QtPrinting(PrinterSystem system = systemPrinters());
    ~QtPrinting() override;
    std::optional<int> ask() override;
    QString chosenFile() override;
    std::unique_ptr<ILinePrinter> open() override;
    std::unique_ptr<ILinePrinter> openDefault() override;

private:
    // The printer the dialog set up, or nullptr for the default printer.
    std::unique_ptr<ILinePrinter> openOn(const QPrinter* chosen);
    PrinterSystem system_;
    std::unique_ptr<QPrinter> chosen_;
};

// libcurl on a worker thread while a local event loop lets the window's
// events through; the states are heard on this thread. libcurl frames the
// answers: a body cut short is an error, lengths, headers and the body are
// bounded, a cancel ends the transfer at once (its name lookup too), and the
// proxy is the one the system gives for the URL.
struct TrasferimentoHttp;
class QtHttp final : public IHttp {
public:
    QtHttp();
    ~QtHttp() override;
    HttpReply get(const QString& url, const std::function<void(int)>& onState) override;
    void cancel() override;
    int responseCode() const override { return codice_; }
    QString responseText() const override { return testo_; }

    // The bounds of a transfer; tests shorten them.
    struct Limiti {
        // A larger answer is a failed fetch.
        qint64 massimoByte = qint64(64) << 20;
        // Fewer than 1,000 bytes received in this time, in any such span
        // from the request's start (the lookup and the connection wait
        // included): "Timeout della richiesta".
        int lentezzaSecondi = 60;
    };
    void setLimiti(const Limiti& limiti) { limiti_ = limiti; }

    // Where a transfer's proxy comes from: the one the system gives for the
    // URL, unless tests give theirs and so never touch the environment. It
    // runs on a thread that a cancelled transfer leaves behind: it holds
    // what it reads.
    using FonteProxy = std::function<QNetworkProxy(const QUrl&)>;
    void setFonteProxy(FonteProxy fonte) { fonteProxy_ = std::move(fonte); }

private:
    TrasferimentoHttp* corrente_ = nullptr;
    Limiti limiti_;
    FonteProxy fonteProxy_;
    int codice_ = 0;
    QString testo_;
};

class QtPlatform final : public Platform {
public:
    QtPlatform();
    IMessageBox& msgBox() override { return msgBox_; }
    IFileDialogs& fileDialogs() override { return fileDialogs_; }
    IColorDialog& colorDialog() override { return colorDialog_; }
    IAppInfo& app() override { return app_; }
    IProcess& process() override { return process_; }
    IClock& clock() override { return clock_; }
    IKeyboard& keyboard() override { return keyboard_; }
    IHelp& help() override { return help_; }
    IShell& shell() override { return shell_; }
    IPrinterDialog& printerDialog() override { return printing_; }
    IPrinters& printers() override { return printing_; }
    INet& net() override { return net_; }
    IClipboard& clipboard() override { return clipboard_; }
    IHttp& http() override { return http_; }

private:
    QtClipboard clipboard_;
    QtAppInfo app_;
    QtMessageBox msgBox_;
    QtFileDialogs fileDialogs_;
    QtColorDialog colorDialog_;
    QtProcess process_;
    QtClock clock_;
    QtKeyboard keyboard_;
    QtHelp help_;
    QtShell shell_;
    QtPrinting printing_;
    QtNet net_;
    QtHttp http_;
};

} // namespace compat
