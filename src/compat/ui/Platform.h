#pragma once
// Everything the program asks of the desktop goes through platform(): main()
// installs the Qt implementation, tests install a scripted one. Windows never
// open a QMessageBox or QFileDialog themselves.
#include <QDateTime>
#include <QString>
#include <QStringView>
#include <functional>
#include <memory>
#include <optional>

namespace compat {

// Message box styles and results, with the original values: styles are sums
// of one button set, one icon and one default button.
enum : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,

    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,

    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

enum : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
};

struct Version {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

struct FileRequest {
    QString title;
    QString filter;      // "desc|pattern|desc|pattern", patterns separated by ';'
    int filterIndex = 1; // 1-based
    QString initialName;
};

class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    // Returns one of vbOK..vbNo.
    virtual int show(const QString& prompt, int style, const QString& title) = 0;
};

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // nullopt when cancelled.
    virtual std::optional<QString> open(const FileRequest& request) = 0;
    // Adds no extension and asks nothing about overwriting: the caller asks.
    virtual std::optional<QString> save(const FileRequest& request) = 0;
};

class IColorDialog {
public:
    virtual ~IColorDialog() = default;
    // A colour 0x00BBGGRR starting from `initial`; nullopt when cancelled.
    virtual std::optional<quint32> pick(quint32 initial) = 0;
};

class ILinePrinter; // compat/ui/LinePrinter.h

class IPrinterDialog {
public:
    virtual ~IPrinterDialog() = default;
    // The number of copies chosen (at least 1); nullopt when cancelled. The
    // caller prints that many copies itself: every job prints one.
    virtual std::optional<int> ask() = 0;
    // The file the last accepted dialog chose to print into; empty for a
    // printer.
    virtual QString chosenFile() = 0;
};

class IPrinters {
public:
    virtual ~IPrinters() = default;
    // A printer for one or more documents on the printer chosen in the last
    // printer dialog (the default printer when none was shown). Never null:
    // a printer that cannot print (none installed) reports it in failed().
    virtual std::unique_ptr<ILinePrinter> open() = 0;
    // The same for a print that shows no printer dialog: the default printer
    // whatever an earlier dialog chose, never a file that dialog named.
    virtual std::unique_ptr<ILinePrinter> openDefault() = 0;
};

class IHelp {
public:
    virtual ~IHelp() = default;
    virtual void contents() = 0;
    virtual void context(int id) = 0;
};

class IShell {
public:
    virtual ~IShell() = default;
    virtual bool openUrl(const QString& url) = 0;
    virtual bool mailTo(const QString& address) = 0;
    virtual bool systemInfo() = 0;
};

// What a web server answered: the body whatever the status, the status code
// and its reason text.
struct HttpReply {
    QByteArray body;
    int code = 0;
    QString text;
};

class IHttp {
public:
    virtual ~IHttp() = default;
    // Fetches `url` (GET). Events are let through while it runs; `onState`
    // hears the transfer's states: 1 looking up the host, 2 found, 3
    // connecting, 4 connected, 7 receiving, 11 error, 12 done. Throws AppError
    // when no whole answer comes (no connection, time-out, cancel, a body
    // cut short).
    virtual HttpReply get(const QString& url, const std::function<void(int)>& onState) = 0;
    // Stops the request under way.
    virtual void cancel() = 0;
    // The last answer's status code and reason text, already set when state
    // 11 is heard; when no whole answer came, the failure's own error number
    // and text (those of the AppError thrown), whatever status came before.
    virtual int responseCode() const = 0;
    virtual QString responseText() const = 0;
};

class INet {
public:
    virtual ~INet() = default;
    // Whether the computer reports a connection.
    virtual bool connected() = 0;
    // Asks the system to go on line; false when it refuses.
    virtual bool setOnline() = 0;
};

class IClipboard {
public:
    virtual ~IClipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const QString& text) = 0;
};

class IKeyboard {
public:
    virtual ~IKeyboard() = default;
    // Latched when Esc is pressed in any window; cleared when a computation
    // starts and when it ends.
    virtual bool escDown() = 0;
    virtual void clearEsc() = 0;
};

class IClock {
public:
    virtual ~IClock() = default;
    virtual QDateTime now() = 0;
};

class IAppInfo {
public:
    virtual ~IAppInfo() = default;
    virtual QString folder() = 0; // no trailing "/"
    virtual QString title() = 0;
    virtual Version version() = 0;
};

class IProcess {
public:
    virtual ~IProcess() = default;
    virtual bool otherInstanceRunning() = 0;

    // The shell registers how to close every open file before the end.
    void setCloseAllFiles(std::function<void()> hook) { closeAllFiles_ = std::move(hook); }

    // Closes all files, then ends the process; never returns to the caller.
    [[noreturn]] void end(int code = 0);

protected:
    [[noreturn]] virtual void exitProcess(int code) = 0;

private:
    std::function<void()> closeAllFiles_;
    bool ending_ = false;
};

class Platform {
public:
    virtual ~Platform() = default;
    virtual IMessageBox& msgBox() = 0;
    virtual IFileDialogs& fileDialogs() = 0;
    virtual IColorDialog& colorDialog() = 0;
    virtual IAppInfo& app() = 0;
    virtual IProcess& process() = 0;
    virtual IClock& clock() = 0;
    virtual IKeyboard& keyboard() = 0;
    virtual IHelp& help() = 0;
    virtual IShell& shell() = 0;
    virtual IPrinterDialog& printerDialog() = 0;
    virtual IPrinters& printers() = 0;
    virtual INet& net() = 0;
    virtual IClipboard& clipboard() = 0;
    virtual IHttp& http() = 0;
};

// The installed platform; throws std::logic_error when none is.
Platform& platform();
// Installs `p` (not owned) and returns the one installed before.
Platform* setPlatform(Platform* p);
// Installs the Qt implementation; needs the QApplication to exist.
void installQtPlatform();

// An empty title means the program's title.
int vbMsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = {});

// A file or folder below the program folder, found whatever its letter case.
QString appFile(QStringView rel);

// The platform clock's date and time as "dd/MM/yyyy HH:mm:ss".
QString vbNowText();

} // namespace compat
