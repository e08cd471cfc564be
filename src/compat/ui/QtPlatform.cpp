#include "compat/ui/QtPlatform.h"

#include "compat/paths.h"
#include "compat/ui/LinePrinter.h"
#include "compat/ui/TitleBar.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QNetworkInformation>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace compat {

QStringList qtNameFilters(const QString& filter)
{
    QStringList out;
    if (filter.isEmpty())
        return out;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (QString p : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            p = p.trimmed();
            if (p == u"*.*")
                p = QStringLiteral("*"); // "*.*" also matches names without a dot
            if (!p.isEmpty())
                patterns << p;
        }
        if (patterns.isEmpty())
            patterns << QStringLiteral("*");
        const QString list = patterns.join(u' ');
        const QString desc = parts[i].trimmed();
        out << (desc.isEmpty() ? list : desc) + QStringLiteral(" (") + list + u')';
    }
    return out;
}

QString displayLines(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

int QtMessageBox::show(const QString& prompt, int style, const QString& title)
{
    struct Button {
        const char16_t* text;
        int result;
    };
    QList<Button> buttons;
    switch (style & 0x0F) {
    case vbOKCancel: buttons = {{u"OK", vbOK}, {u"Annulla", vbCancel}}; break;
    case vbAbortRetryIgnore:
        buttons = {{u"Interrompi", vbAbort}, {u"Riprova", vbRetry}, {u"Ignora", vbIgnore}};
        break;
    case vbYesNoCancel: buttons = {{u"Sì", vbYes}, {u"No", vbNo}, {u"Annulla", vbCancel}}; break;
    case vbYesNo: buttons = {{u"Sì", vbYes}, {u"No", vbNo}}; break;
    case vbRetryCancel: buttons = {{u"Riprova", vbRetry}, {u"Annulla", vbCancel}}; break;
    default: buttons = {{u"OK", vbOK}}; break;
    }

    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    // Verbatim: a prompt holding "<" must not turn into rich text.
    box.setTextFormat(Qt::PlainText);
    box.setText(displayLines(prompt));
    switch (style & 0x70) {
    case vbCritical: box.setIcon(QMessageBox::Critical); break;
    case vbQuestion: box.setIcon(QMessageBox::Question); break;
    case vbExclamation: box.setIcon(QMessageBox::Warning); break;
    case vbInformation: box.setIcon(QMessageBox::Information); break;
    default: break;
    }

    // All buttons in one role keep the original order on every desktop, and
    // leave QMessageBox nothing to guess as the Esc button (it would take
    // "No" of a Yes/No box).
    QList<QPushButton*> pushes;
    QPushButton* escape = nullptr;
    for (const Button& b : buttons) {
        QPushButton* push = box.addButton(QString::fromUtf16(b.text), QMessageBox::ActionRole);
        pushes << push;
        if (b.result == vbCancel)
            escape = push;
    }
    if (buttons.size() == 1)
        escape = pushes.front();
    box.setEscapeButton(escape);

    qsizetype defaultIndex = (style >> 8) & 3;
    if (defaultIndex >= pushes.size())
        defaultIndex = 0;
    box.setDefaultButton(pushes[defaultIndex]);
    // The box takes its width from its text when shown, and a short prompt
    // leaves the title bar too narrow for the title: the layout keeps room for it.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(titleWidthPx(&box), 0), 0, 0, 1, grid->columnCount());

    // A message shown while a computation holds the hourglass waits for the
    // user: over it the pointer is the ordinary one.
    const bool occupato = QApplication::overrideCursor() != nullptr;
    if (occupato)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (occupato)
        QApplication::restoreOverrideCursor();
    const qsizetype clicked = pushes.indexOf(box.clickedButton());
    if (clicked >= 0)
        return buttons[clicked].result;
    // Closed without a button (the application quitting): the Esc answer.
    return escape ? buttons[pushes.indexOf(escape)].result : buttons[defaultIndex].result;
}

namespace {

std::optional<QString> runFileDialog(const FileRequest& request, bool save)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title);
    const QStringList filters = qtNameFilters(request.filter);
    if (!filters.isEmpty()) {
        // The list shows the descriptions alone, as the original did.
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setNameFilters(filters);
        const qsizetype index = request.filterIndex - 1;
        dialog.selectNameFilter(filters.value(index >= 0 && index < filters.size() ? index : 0));
    }
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    return files.front();
}

} // namespace

std::optional<QString> QtFileDialogs::open(const FileRequest& request)
{
    return runFileDialog(request, false);
}

std::optional<QString> QtFileDialogs::save(const FileRequest& request)
{
    return runFileDialog(request, true);
}

std::optional<quint32> QtColorDialog::pick(quint32 initial)
{
    const QColor start(int(initial & 0xFF), int((initial >> 8) & 0xFF), int((initial >> 16) & 0xFF));
    const QColor c = QColorDialog::getColor(start, QApplication::activeWindow());
    if (!c.isValid())
        return std::nullopt;
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

QtAppInfo::QtAppInfo()
{
    const QString overridden = qEnvironmentVariable("QUORVANE_FOLDER");
    folder_ = QDir::cleanPath(overridden.isEmpty() ? QCoreApplication::applicationDirPath()
                                                   : QDir(overridden).absolutePath());
}

QString QtAppInfo::title()
{
    return QStringLiteral("Quorvane");
}

Version QtAppInfo::version()
{
    return {2, 5, 0};
}

QtProcess::QtProcess(QString folder) : folder_(std::move(folder)) {}

QtProcess::~QtProcess()
{
    if (archivi_ >= 0)
        ::close(archivi_);
}

bool QtProcess::otherInstanceRunning()
{
    if (lock_ || archivi_ >= 0)
        return false;
    auto lock = std::make_unique<QLockFile>(folder_ + QStringLiteral("/Quorvane.lock"));
    // Only a live process holds the lock, however long it has been running;
    // the file of a dead one is taken over.
    lock->setStaleLockTime(0);
    // A folder where no lock can be written tells nothing about another
    // instance.
    if (!lock->tryLock(0) && lock->error() == QLockFile::LockFailedError)
        return true;
    // Another program folder may reach the same archive through a link, and
    // a read-only one holds no lock file: the archive folder is locked too.
    // The lock stays on the folder while the files in it are replaced, needs
    // no write permission, and ends with the process. Without the folder the
    // start-up reports the missing archive.
    const int archivi = ::open(QFile::encodeName(resolvePath(folder_, u"Archivi")).constData(),
                               O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (archivi >= 0 && ::flock(archivi, LOCK_EX | LOCK_NB) != 0) {
        const bool occupato = errno == EWOULDBLOCK;
        ::close(archivi);
        if (occupato)
            return true;
    } else {
        archivi_ = archivi;
    }
    if (lock->isLocked())
        lock_ = std::move(lock);
    return false;
}

void QtProcess::exitProcess(int code)
{
    // The files are closed by now. No destructor of a static object runs:
    // one of Qt's would wait for its thread to end a system proxy lookup
    // that a cancelled download left running. So the instance lock is let
    // go here.
    lock_.reset();
    std::fflush(nullptr);
    std::_Exit(code);
}

QDateTime QtClock::now()
{
    return QDateTime::currentDateTime();
}

QtKeyboard::QtKeyboard()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

bool QtKeyboard::eventFilter(QObject* watched, QEvent* event)
{
    // ShortcutOverride too: an Esc shortcut consumes the key press itself.
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        esc_ = true;
    return QObject::eventFilter(watched, event);
}

namespace {

void openHelpFile(const QString& folder)
{
    const QString file = resolvePath(folder, u"Quorvane.chm");
    if (QFileInfo::exists(file))
        QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

} // namespace

void QtHelp::contents()
{
    openHelpFile(folder_);
}

void QtHelp::context(int)
{
    openHelpFile(folder_);
}

bool QtShell::openUrl(const QString& url)
{
    // Only web pages: never a local file or program reached through a URL.
    const QUrl u(url.trimmed());
    if (!u.isValid() || (u.scheme() != u"http" && u.scheme() != u"https") || u.host().isEmpty())
        return false;
    return QDesktopServices::openUrl(u);
}

bool QtShell::mailTo(const QString& address)
{
    const QString a = address.trimmed();
    if (a.isEmpty())
        return false;
    const QUrl u(QStringLiteral("mailto:") + a);
    return u.isValid() && QDesktopServices::openUrl(u);
}

PrinterSystem systemPrinters()
{
    return {[] { return QPrinterInfo::defaultPrinterName(); },
            [] { return QPrinterInfo::availablePrinterNames(); },
            [](QPrinter& p, const QString& name) {
                p.setOutputFormat(QPrinter::NativeFormat);
                p.setPrinterName(name);
            }};
}

QtPrinting::QtPrinting(PrinterSystem system) : system_(std::move(system)) {}
QtPrinting::~QtPrinting() = default;

std::optional<int> QtPrinting::ask()
{
    if (!chosen_)
        chosen_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(chosen_.get(), QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Stampa"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    // The program prints the copies itself, one job each or one after another.
    const int copies = std::max(1, chosen_->copyCount());
    chosen_->setCopyCount(1);
    return copies;
}

QString QtPrinting::chosenFile()
{
    return chosen_ ? chosen_->outputFileName() : QString();
}

PrintTarget printTarget(bool afterDialog, const QString& chosenPrinter, const QString& chosenFile,
                        const QString& defaultPrinter, const QStringList& installed)
{
    if (afterDialog && !chosenFile.isEmpty())
        return {{}, chosenFile, {}};
    if (afterDialog && installed.contains(chosenPrinter))
        return {chosenPrinter, {}, {}};
    if (installed.contains(defaultPrinter))
        return {defaultPrinter, {}, {}};
    if (!installed.isEmpty())
        return {installed.front(), {}, {}};
    return {{}, {}, QStringLiteral("Nessuna stampante installata.")};
}

QString documentFile(const QString& file, int document)
{
    if (document <= 1)
        return file;
    const QFileInfo info(file);
    return info.path() + u'/' + info.completeBaseName() + u'-' + QString::number(document)
           + (info.suffix().isEmpty() ? QString() : u'.' + info.suffix());
}

std::unique_ptr<ILinePrinter> QtPrinting::open()
{
    return openOn(chosen_.get());
}

std::unique_ptr<ILinePrinter> QtPrinting::openDefault()
{
    return openOn(nullptr);
}

std::unique_ptr<ILinePrinter> QtPrinting::openOn(const QPrinter* chosen)
{
    const PrintTarget target =
        printTarget(chosen != nullptr, chosen ? chosen->printerName() : QString(),
                    chosen ? chosen->outputFileName() : QString(),
                    system_.defaultPrinter(), system_.installed());
    if (!target.error.isEmpty())
        return LinePrinter::unavailable(target.error);
    return std::make_unique<LinePrinter>([chosen, target, sendTo = system_.sendTo](QPrinter& p,
                                                                                  int document) {
        if (chosen) {
            p.setPageSize(chosen->pageLayout().pageSize());
            p.setColorMode(chosen->colorMode());
            p.setDuplex(chosen->duplex());
        }
        if (!target.file.isEmpty()) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(documentFile(target.file, document));
        } else {
            sendTo(p, target.printer);
        }
    });
}

bool QtShell::systemInfo()
{
    static const char* const strumenti[] = {"kinfocenter", "hardinfo2", "hardinfo",
                                            "gnome-system-monitor", "xfce4-taskmanager",
                                            "mate-system-monitor", "lxtask"};
    for (const char* nome : strumenti) {
        const QString percorso = QStandardPaths::findExecutable(QString::fromLatin1(nome));
        if (!percorso.isEmpty())
            return QProcess::startDetached(percorso, {});
    }
    return false;
}

bool QtNet::connected()
{
    if (!QNetworkInformation::instance() && !QNetworkInformation::loadDefaultBackend())
        return true;
    const auto* info = QNetworkInformation::instance();
    if (!info || !info->supports(QNetworkInformation::Feature::Reachability))
        return true;
    // Unknown (no answer from the backend) does not stop the user.
    return info->reachability() != QNetworkInformation::Reachability::Disconnected;
}

void QtClipboard::clear()
{
    QGuiApplication::clipboard()->clear();
}

void QtClipboard::setText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

QtPlatform::QtPlatform() : process_(app_.folder()), help_(app_.folder()) {}

void installQtPlatform()
{
    // Lives until the process ends: it holds the instance lock.
    static QtPlatform qt;
    setPlatform(&qt);
}

} // namespace compat
