#include "support/ui/FakePlatform.h"

#include "compat/AppError.h"
#include "compat/ui/LinePrinter.h"

#include <QPrinter>

#include <gtest/gtest.h>

namespace compat {

namespace {

std::string text(const QString& s)
{
    return s.toStdString();
}

// The answers a box of that style can give; the first is the harmless one
// returned when the box was not expected.
QList<int> answersOf(int style)
{
    switch (style & 0x0F) {
    case vbOKCancel: return {vbCancel, vbOK};
    case vbAbortRetryIgnore: return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel: return {vbCancel, vbYes, vbNo};
    case vbYesNo: return {vbNo, vbYes};
    case vbRetryCancel: return {vbCancel, vbRetry};
    default: return {vbOK};
    }
}

const char* kindName(FakePlatform::DialogKind kind)
{
    return kind == FakePlatform::DialogKind::Open ? "open" : "save";
}

template <class List>
const auto& entry(const List& list, int i, const char* what, const std::source_location& at)
{
    const qsizetype n = qsizetype(list.size());
    const qsizetype k = i < 0 ? n + i : i;
    if (k >= 0 && k < n)
        return list[k];
    ADD_FAILURE_AT(at.file_name(), int(at.line()))
        << what << " " << i << " asked for; " << n << " recorded";
    static const std::decay_t<decltype(list[0])> none{};
    return none;
}

} // namespace

const FakePlatform::MsgBoxCall& FakePlatform::msgBoxCall(int i, Where at) const
{
    return entry(msgBoxCalls_, i, "message box", at);
}

const FakePlatform::FileCall& FakePlatform::fileCall(int i, Where at) const
{
    return entry(fileCalls_, i, "file dialog", at);
}

const FakePlatform::PrintedDocument& FakePlatform::printedDocument(int i, Where at) const
{
    return entry(printed_, i, "printed document", at);
}

const QString& FakePlatform::shellCall(int i, Where at) const
{
    return entry(shellCalls_, i, "shell call", at);
}

FakePlatform::FakePlatform()
    : folder_(tempDir_.path()), now_(QDate(2025, 1, 1), QTime(12, 0, 0))
{
}

FakePlatform::~FakePlatform()
{
    verifyAllUsed();
}

void FakePlatform::expectMsgBox(const QString& prompt, int answer)
{
    boxes_.push_back({prompt, answer});
}

void FakePlatform::expectOpen(std::optional<QString> answer)
{
    files_.push_back({DialogKind::Open, std::move(answer)});
}

void FakePlatform::expectSave(std::optional<QString> answer)
{
    files_.push_back({DialogKind::Save, std::move(answer)});
}

void FakePlatform::expectColor(std::optional<quint32> answer)
{
    colors_.push_back(answer);
}

std::optional<quint32> FakePlatform::pick(quint32 initial)
{
    colorCalls_.push_back(initial);
    if (colors_.empty()) {
        ADD_FAILURE() << "unexpected colour dialog";
        return std::nullopt;
    }
    const std::optional<quint32> answer = colors_.front();
    colors_.pop_front();
    return answer;
}

void FakePlatform::verifyAllUsed()
{
    for (const ScriptedBox& b : boxes_)
        ADD_FAILURE() << "expected message box never shown: \"" << text(b.prompt) << '"';
    for (const ScriptedFile& f : files_)
        ADD_FAILURE() << "expected " << kindName(f.kind) << " dialog never shown";
    if (!colors_.empty())
        ADD_FAILURE() << "expected colour dialog never shown";
    if (!printerDialogs_.empty())
        ADD_FAILURE() << "expected printer dialog never shown";
    printerDialogs_.clear();
    boxes_.clear();
    files_.clear();
    colors_.clear();
}

int FakePlatform::show(const QString& prompt, int style, const QString& title)
{
    msgBoxCalls_.push_back({prompt, style, title});
    const QList<int> answers = answersOf(style);
    if (boxes_.empty()) {
        ADD_FAILURE() << "unexpected message box: \"" << text(prompt) << '"';
        return answers.front();
    }
    const ScriptedBox scripted = boxes_.front();
    boxes_.pop_front();
    if (scripted.prompt != prompt) {
        ADD_FAILURE() << "message box shows \"" << text(prompt) << "\" where \""
                      << text(scripted.prompt) << "\" was expected";
        return answers.front();
    }
    if (!answers.contains(scripted.answer)) {
        ADD_FAILURE() << "message box \"" << text(prompt) << "\" (style " << style
                      << ") has no button for answer " << scripted.answer;
        return answers.front();
    }
    return scripted.answer;
}

std::optional<QString> FakePlatform::fileDialog(DialogKind kind, const FileRequest& request)
{
    fileCalls_.push_back({kind, request});
    if (files_.empty()) {
        ADD_FAILURE() << "unexpected " << kindName(kind) << " dialog: \"" << text(request.title)
                      << '"';
        return std::nullopt;
    }
    const ScriptedFile scripted = files_.front();
    files_.pop_front();
    if (scripted.kind != kind) {
        ADD_FAILURE() << kindName(kind) << " dialog \"" << text(request.title) << "\" where a "
                      << kindName(scripted.kind) << " dialog was expected";
        return std::nullopt;
    }
    return scripted.answer;
}

std::optional<QString> FakePlatform::open(const FileRequest& request)
{
    return fileDialog(DialogKind::Open, request);
}

std::optional<QString> FakePlatform::save(const FileRequest& request)
{
    return fileDialog(DialogKind::Save, request);
}

void FakePlatform::contents()
{
    shellCalls_ << QStringLiteral("help.contents");
}

void FakePlatform::context(int id)
{
    shellCalls_ << QStringLiteral("help.context %1").arg(id);
}

bool FakePlatform::openUrl(const QString& url)
{
    shellCalls_ << QStringLiteral("shell.openUrl ") + url;
    return shellOk_;
}

bool FakePlatform::mailTo(const QString& address)
{
    shellCalls_ << QStringLiteral("shell.mailTo ") + address;
    return shellOk_;
}

bool FakePlatform::systemInfo()
{
    shellCalls_ << QStringLiteral("shell.systemInfo");
    return shellOk_;
}

void FakePlatform::expectPrinterDialog(std::optional<int> copies, const QString& file)
{
    printerDialogs_.push_back({copies, file});
}

std::optional<int> FakePlatform::ask()
{
    if (printerDialogs_.empty()) {
        ADD_FAILURE() << "unexpected printer dialog";
        return std::nullopt;
    }
    const auto [copies, file] = printerDialogs_.front();
    printerDialogs_.pop_front();
    if (copies)
        chosenFile_ = file;
    return copies;
}

std::unique_ptr<ILinePrinter> FakePlatform::open()
{
    return printer(false);
}

std::unique_ptr<ILinePrinter> FakePlatform::openDefault()
{
    return printer(true);
}

std::unique_ptr<ILinePrinter> FakePlatform::printer(bool defaultPrinter)
{
    if (!printerInstalled_)
        return LinePrinter::unavailable(QStringLiteral("Nessuna stampante installata."));
    ++printersOpened_;
    if (!defaultPrinter && !chosenFile_.isEmpty())
        return std::make_unique<LinePrinter>([file = chosenFile_](QPrinter& p, int document) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(documentFile(file, document));
        });
    return std::make_unique<PdfLinePrinter>(
        printDir_.path(), QStringLiteral("stampa%1").arg(printersOpened_),
        [this, defaultPrinter](const QString& pdf, const QStringList& lines) {
            printed_.push_back({pdf, lines, defaultPrinter});
        });
}

bool FakePlatform::setOnline()
{
    shellCalls_ << QStringLiteral("net.setOnline");
    if (onlineOk_)
        connected_ = true;
    return onlineOk_;
}

void FakePlatform::exitProcess(int code)
{
    throw ProcessEnded{code};
}

} // namespace compat
