#pragma once
// Scripted platform for tests: every message box and file dialog must be
// expected in advance, so an unforeseen one fails the test instead of hanging
// it; nothing is ever shown or launched.
#include "compat/ui/Platform.h"
#include "compat/ui/QtPlatform.h"

#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <source_location>
#include <vector>

namespace compat {

class FakePlatform final : public Platform,
                           public IMessageBox,
                           public IFileDialogs,
                           public IColorDialog,
                           public IAppInfo,
                           public IProcess,
                           public IClock,
                           public IKeyboard,
                           public IHelp,
                           public IShell,
                           public IPrinterDialog,
                           public IPrinters,
                           public INet,
                           public IClipboard {
public:
    struct MsgBoxCall {
        QString prompt;
        int style = 0;
        QString title;
    };
    enum class DialogKind { Open, Save };
    struct FileCall {
        DialogKind kind;
        FileRequest request;
    };

    // A document printed through printers(): its PDF and its transcript
    // (lines with columns as blanks, PdfLinePrinter::kNewPage and kEndDoc).
    struct PrintedDocument {
        QString pdf;
        QStringList lines;
        bool defaultPrinter = false;   // through openDefault(): a print without a dialog
    };

    FakePlatform();
    ~FakePlatform() override; // verifyAllUsed()

    // The next message box must show `prompt` exactly; it answers `answer`.
    void expectMsgBox(const QString& prompt, int answer);
    // The next file dialog must be of that kind; nullopt = cancelled.
    void expectOpen(std::optional<QString> answer);
    void expectSave(std::optional<QString> answer);
    // The next colour dialog answers this; nullopt = cancelled.
    void expectColor(std::optional<quint32> answer);
    // The next printer dialog answers this many copies; nullopt = cancelled.
    // With a `file`, the dialog chose to print into it: open() then writes
    // that file as the desktop's printing does, and records nothing.
    void expectPrinterDialog(std::optional<int> copies, const QString& file = {});
    // Without a printer every printer fails at its first output.
    void setPrinterInstalled(bool installed) { printerInstalled_ = installed; }
    const std::vector<PrintedDocument>& printedDocuments() const { return printed_; }
    // Fails the current test for every scripted answer left unused.
    void verifyAllUsed();

    const std::vector<MsgBoxCall>& msgBoxCalls() const { return msgBoxCalls_; }
    const std::vector<FileCall>& fileCalls() const { return fileCalls_; }
    // The initial colour of every colour dialog shown.
    const std::vector<quint32>& colorCalls() const { return colorCalls_; }
    // "help.contents", "help.context 12", "shell.openUrl <url>",
    // "shell.mailTo <address>", "shell.systemInfo", "net.setOnline".
    const QStringList& shellCalls() const { return shellCalls_; }

    // Entry i of a record, counted from its end when negative (-1 = the
    // last). One that was never recorded fails the test at the caller's line
    // and reads as empty, so a missing call is told, not a crash.
    using Where = std::source_location;
    const MsgBoxCall& msgBoxCall(int i, Where at = Where::current()) const;
    const FileCall& fileCall(int i, Where at = Where::current()) const;
    const PrintedDocument& printedDocument(int i, Where at = Where::current()) const;
    const QString& shellCall(int i, Where at = Where::current()) const;

    // Defaults: a fresh empty temporary folder, 01/01/2025 12:00:00, no Esc,
    // no other instance, shell calls succeed.
    void setFolder(const QString& folder) { folder_ = folder; }
    void setNow(const QDateTime& now) { now_ = now; }
    void setEsc(bool down) { esc_ = down; }
    void setOtherInstanceRunning(bool running) { otherInstance_ = running; }
    void setShellSucceeds(bool ok) { shellOk_ = ok; }
    // Defaults: connected; going on line succeeds.
    void setConnected(bool c) { connected_ = c; }
    void setOnlineSucceeds(bool ok) { onlineOk_ = ok; }

    // Platform
    IMessageBox& msgBox() override { return *this; }
    IFileDialogs& fileDialogs() override { return *this; }
    IColorDialog& colorDialog() override { return *this; }
    IAppInfo& app() override { return *this; }
    IProcess& process() override { return *this; }
    IClock& clock() override { return *this; }
    IKeyboard& keyboard() override { return *this; }
    IHelp& help() override { return *this; }
    IShell& shell() override { return *this; }
    IPrinterDialog& printerDialog() override { return *this; }
    IPrinters& printers() override { return *this; }
    INet& net() override { return *this; }
    IClipboard& clipboard() override { return *this; }
    // Real HTTP, so tests serve their answers from a local server.
    IHttp& http() override { return http_; }
    QtHttp& realHttp() { return http_; }

    int show(const QString& prompt, int style, const QString& title) override;
    std::optional<QString> open(const FileRequest& request) override;
    std::optional<QString> save(const FileRequest& request) override;
    std::optional<quint32> pick(quint32 initial) override;
    QString folder() override { return folder_; }
    QString title() override { return QStringLiteral("Quorvane"); }
    Version version() override { return {2, 5, 0}; }
    bool otherInstanceRunning() override { return otherInstance_; }
    QDateTime now() override { return now_; }
    bool escDown() override { return esc_; }
    void clearEsc() override { esc_ = false; }
    void contents() override;
    void context(int id) override;
    bool openUrl(const QString& url) override;
    bool mailTo(const QString& address) override;
    bool systemInfo() override;
    std::optional<int> ask() override;
    QString chosenFile() override { return chosenFile_; }
    std::unique_ptr<ILinePrinter> open() override;
    std::unique_ptr<ILinePrinter> openDefault() override;
    bool connected() override { return connected_; }
    bool setOnline() override;
    void clear() override { clipboard_.clear(); }
    void setText(const QString& text) override { clipboard_ = text; }
    // What the program last put on the clipboard.
    const QString& clipboardText() const { return clipboard_; }

protected:
    // Throws ProcessEnded{code}.
    [[noreturn]] void exitProcess(int code) override;

private:
    std::optional<QString> fileDialog(DialogKind kind, const FileRequest& request);
    std::unique_ptr<ILinePrinter> printer(bool defaultPrinter);

    struct ScriptedBox {
        QString prompt;
        int answer;
    };
    struct ScriptedFile {
        DialogKind kind;
        std::optional<QString> answer;
    };
    std::deque<ScriptedBox> boxes_;
    std::deque<ScriptedFile> files_;
    std::vector<MsgBoxCall> msgBoxCalls_;
    std::vector<FileCall> fileCalls_;
    std::deque<std::optional<quint32>> colors_;
    std::vector<quint32> colorCalls_;
    QStringList shellCalls_;

    std::deque<std::pair<std::optional<int>, QString>> printerDialogs_;   // copies, file
    QString chosenFile_;
    std::vector<PrintedDocument> printed_;
    bool printerInstalled_ = true;
    int printersOpened_ = 0;
    QTemporaryDir printDir_;

    QtHttp http_;
    QTemporaryDir tempDir_;
    QString folder_;
    QDateTime now_;
    bool esc_ = false;
    QString clipboard_;
    bool otherInstance_ = false;
    bool shellOk_ = true;
    bool connected_ = true;
    bool onlineOk_ = true;
};

// Installs a fake for a scope and puts back the platform installed before.
class FakePlatformScope {
public:
    explicit FakePlatformScope(FakePlatform& fake) : previous_(setPlatform(&fake)) {}
    ~FakePlatformScope() { setPlatform(previous_); }
    FakePlatformScope(const FakePlatformScope&) = delete;
    FakePlatformScope& operator=(const FakePlatformScope&) = delete;

private:
    Platform* previous_;
};

} // namespace compat
