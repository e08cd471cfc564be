#include "ArchivioTest.h"
#include "compat/AppError.h"
#include "compat/ui/Controls.h"
#include "compat/ui/LinePrinter.h"
#include "compat/ui/QtPlatform.h"
#include "compat/ui/TitleBar.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace compat;

namespace {

struct BoxCase {
    int style;
    QStringList buttons;   // in the order shown
    QString defaultButton;
    QMessageBox::Icon icon;
    bool pressEsc;         // first press Esc
    QString click;         // then click this one if the box is still open
    int expected;
};

TEST(QtMessageBox, ShowsItalianButtonsAndMapsTheAnswer)
{
    const BoxCase cases[] = {
        {vbOKOnly, {"OK"}, "OK", QMessageBox::NoIcon, true, {}, vbOK},
        {vbOKCancel + vbInformation, {"OK", "Annulla"}, "OK", QMessageBox::Information, false,
         "OK", vbOK},
        {vbAbortRetryIgnore + vbCritical + vbDefaultButton3, {"Interrompi", "Riprova", "Ignora"},
         "Ignora", QMessageBox::Critical, true, "Riprova", vbRetry},
        {vbYesNoCancel + vbQuestion + vbDefaultButton2, {"Sì", "No", "Annulla"}, "No",
         QMessageBox::Question, true, {}, vbCancel},
        {vbYesNo + vbExclamation, {"Sì", "No"}, "Sì", QMessageBox::Warning, true, "Sì", vbYes},
        {vbRetryCancel + vbDefaultButton2, {"Riprova", "Annulla"}, "Annulla", QMessageBox::NoIcon,
         false, "Riprova", vbRetry},
    };
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(c.style);
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                ADD_FAILURE() << "no message box shown";
                return;
            }
            seen = true;
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Titolo"));
            EXPECT_EQ(box->text(), QStringLiteral("<b>uno</b>\ndue\ntre"));
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            EXPECT_EQ(box->icon(), c.icon);
            EXPECT_GE(box->frameGeometry().width(), titleWidthPx(box));   // the title read whole
            QStringList texts;
            for (QAbstractButton* b : box->buttons())
                texts << b->text();
            EXPECT_EQ(texts, c.buttons);
            EXPECT_EQ(box->defaultButton() ? box->defaultButton()->text() : QString(),
                      c.defaultButton);
            if (c.pressEsc)
                QTest::keyClick(box, Qt::Key_Escape);
            if (!c.click.isEmpty() && box->isVisible()) {
                for (QAbstractButton* b : box->buttons()) {
                    if (b->text() == c.click)
                        b->click();
                }
            }
            if (box->isVisible()) { // never leave the test waiting on a box
                ADD_FAILURE() << "message box still open";
                box->reject();
            }
        });
        EXPECT_EQ(QtMessageBox().show(QStringLiteral("<b>uno</b>\r\ndue\rtre"), c.style,
                                      QStringLiteral("Titolo")),
                  c.expected);
        EXPECT_TRUE(seen);
    }
}

// Under the hourglass of a computation a message shows the ordinary pointer,
// and the hourglass comes back when it is answered.
TEST(QtMessageBox, ShowsTheOrdinaryPointerUnderTheHourglass)
{
    BusyCursor attesa;
    Qt::CursorShape durante = Qt::WaitCursor;
    QTimer::singleShot(0, [&] {
        durante = QApplication::overrideCursor()->shape();
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && !box->buttons().isEmpty())
            box->buttons().front()->click();
        else if (box) {
            ADD_FAILURE() << "a message box without buttons";
            box->reject();
        }
    });
    EXPECT_EQ(QtMessageBox().show(QStringLiteral("Avviso"), vbOKOnly, QStringLiteral("Titolo")), vbOK);
    EXPECT_EQ(durante, Qt::ArrowCursor);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
}

TEST(QtKeyboard, EscInAnyWindowLatchesUntilCleared)
{
    QtKeyboard keyboard;
    QWidget window;
    QLineEdit edit(&window);
    window.show();
    EXPECT_FALSE(keyboard.escDown());
    QTest::keyClick(&edit, Qt::Key_A);
    EXPECT_FALSE(keyboard.escDown());
    QTest::keyClick(&edit, Qt::Key_Escape);
    QTest::keyClick(&edit, Qt::Key_A);
    EXPECT_TRUE(keyboard.escDown());
    keyboard.clearEsc();
    EXPECT_FALSE(keyboard.escDown());
}

TEST(QtNameFilters, ConvertsTheOriginalFilterForm)
{
    EXPECT_EQ(qtNameFilters(QStringLiteral("File di testo (*.txt)|*.txt|Tutti i file|*.*")),
              (QStringList{"File di testo (*.txt) (*.txt)", "Tutti i file (*)"}));
    EXPECT_EQ(qtNameFilters(QStringLiteral("Archivi|*.dat;*.ind|Senza modello")),
              (QStringList{"Archivi (*.dat *.ind)"}));
    EXPECT_TRUE(qtNameFilters({}).isEmpty());
}

TEST(QtShell, OpensOnlyWebAddresses)
{
    QtShell shell;
    for (const char* url : {"file:///etc/passwd", "javascript:alert(1)", "http://", "ftp://x.it",
                            "/usr/bin/xterm", ""})
        EXPECT_FALSE(shell.openUrl(QString::fromUtf8(url))) << url;
    EXPECT_FALSE(shell.mailTo(QStringLiteral("  ")));
}

TEST(QtProcess, TheLockRefusesASecondInstanceInTheSameFolderOnly)
{
    QTemporaryDir one, two;
    ASSERT_TRUE(one.isValid() && two.isValid());
    QtProcess first(one.path());
    EXPECT_FALSE(first.otherInstanceRunning());
    EXPECT_FALSE(first.otherInstanceRunning()); // still ours
    ASSERT_TRUE(QFile::exists(one.path() + QStringLiteral("/Quorvane.lock")));

    QLockFile other(one.path() + QStringLiteral("/Quorvane.lock"));
    other.setStaleLockTime(0);
    EXPECT_FALSE(other.tryLock(0));
    EXPECT_TRUE(QtProcess(one.path()).otherInstanceRunning());

    QtProcess elsewhere(two.path());
    EXPECT_FALSE(elsewhere.otherInstanceRunning());
}

TEST(QtProcess, ASecondCopyOnTheSameArchiveIsRefusedUntilTheFirstEnds)
{
    // The second copy reaches the first one's Archivi through a link, or
    // starts from the same program folder, where no lock file can be written.
    for (const bool collegata : {true, false}) {
        SCOPED_TRACE(collegata);
        CartellaProgramma prima, seconda;
        prima.scriviFile(QStringLiteral("Archivi/Estrazioni.ind"), "x");
        ASSERT_TRUE(QFile::link(prima.archivi(), seconda.archivi()));
        std::optional<SenzaPrivilegi> utente;
        if (!collegata) {
            prima.soloLettura();
            if (!utente.emplace().attivo())
                continue;
        }
        const QString dove = (collegata ? seconda : prima).percorso();
        auto copia = std::make_optional<QtProcess>(prima.percorso());
        EXPECT_FALSE(copia->otherInstanceRunning());
        EXPECT_TRUE(QtProcess(dove).otherInstanceRunning());
        copia.reset();
        EXPECT_FALSE(QtProcess(dove).otherInstanceRunning());
    }
}

TEST(QtProcess, AStaleLockOfADeadProcessDoesNotCount)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Quorvane.lock");
    QByteArray contents;
    {
        QLockFile lock(path);
        ASSERT_TRUE(lock.tryLock(0));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        contents = f.readAll();
    }
    QProcess dead;
    dead.start(QStringLiteral("true"), {});
    ASSERT_TRUE(dead.waitForStarted());
    const qint64 pid = dead.processId();
    ASSERT_TRUE(dead.waitForFinished());
    // The same file as a crashed instance leaves behind.
    contents = QByteArray::number(pid) + contents.mid(contents.indexOf('\n'));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contents);
    f.close();

    QtProcess process(dir.path());
    EXPECT_FALSE(process.otherInstanceRunning());
    QLockFile other(path);
    EXPECT_FALSE(other.tryLock(0)); // taken over, not ignored
}

} // namespace

TEST(QtPrinting, APrintWithoutADialogGoesToTheDefaultPrinterNeverToAFile)
{
    const QStringList due{QStringLiteral("Ufficio"), QStringLiteral("Casa")};
    const struct {
        bool dopoDialogo;
        const char* scelta;
        const char* file;
        const char* predefinita;
        QStringList installate;
        PrintTarget attesa;
    } casi[] = {
        // After the dialog: where it chose.
        {true, "", "/tmp/tabella.pdf", "Casa", due, {{}, "/tmp/tabella.pdf", {}}},
        {true, "Ufficio", "", "Casa", due, {"Ufficio", {}, {}}},
        {true, "Tolta", "", "Casa", due, {"Casa", {}, {}}},
        // Without a dialog, an earlier file chosen or not: a printer, or why none.
        {false, "", "/tmp/tabella.pdf", "Casa", due, {"Casa", {}, {}}},
        {false, "Ufficio", "", "Casa", due, {"Casa", {}, {}}},
        {false, "", "/tmp/tabella.pdf", "", due, {"Ufficio", {}, {}}},
        {false, "", "/tmp/tabella.pdf", "", {}, {{}, {}, "Nessuna stampante installata."}},
        {true, "", "", "", {}, {{}, {}, "Nessuna stampante installata."}},
    };
    for (const auto& c : casi) {
        const PrintTarget t = printTarget(c.dopoDialogo, QString::fromLatin1(c.scelta),
                                          QString::fromLatin1(c.file),
                                          QString::fromLatin1(c.predefinita), c.installate);
        const QString caso = QString::number(&c - casi);
        EXPECT_EQ(t.printer, c.attesa.printer) << caso.toStdString();
        EXPECT_EQ(t.file, c.attesa.file) << caso.toStdString();
        EXPECT_EQ(t.error, c.attesa.error) << caso.toStdString();
    }
    EXPECT_EQ(documentFile(QStringLiteral("/tmp/tabella.pdf"), 1), "/tmp/tabella.pdf");
    EXPECT_EQ(documentFile(QStringLiteral("/tmp/tabella.pdf"), 3), "/tmp/tabella-3.pdf");
    EXPECT_EQ(documentFile(QStringLiteral("/tmp/tabella"), 2), "/tmp/tabella-2");
}

// The fault met by a user: a print to a PDF file through the dialog, then a
// print without a dialog wrote over that file. The printers are the test's,
// whatever the machine has: each job sent to one lands in a PDF of its own.
TEST(QtPrinting, AFileChosenInTheDialogIsNotReusedByAPrintWithoutOne)
{
    QTemporaryDir dir;
    QStringList installate{QStringLiteral("Ufficio"), QStringLiteral("Casa")};
    QStringList lavori;   // the printer of each job sent to one
    QtPrinting printing({[] { return QStringLiteral("Casa"); }, [&] { return installate; },
                         [&](QPrinter& p, const QString& nome) {
                             lavori << nome;
                             p.setOutputFormat(QPrinter::PdfFormat);
                             p.setOutputFileName(dir.filePath(nome + QStringLiteral(".pdf")));
                         }});
    const QString pdf = dir.filePath(QStringLiteral("tabella.pdf"));
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* stampanti = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
        auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
        ASSERT_TRUE(stampanti && file);
        stampanti->setCurrentIndex(stampanti->count() - 1);   // "Print to File (PDF)"
        file->setText(pdf);
        dialog->accept();
    });
    ASSERT_EQ(printing.ask(), 1);
    auto viaDialog = printing.open();
    viaDialog->print(u"uno");
    viaDialog->endDoc();
    ASSERT_FALSE(viaDialog->failed()) << viaDialog->error().toStdString();
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray prima = f.readAll();
    f.close();

    auto senza = printing.openDefault();
    senza->print(u"due");
    senza->endDoc();
    EXPECT_FALSE(senza->failed()) << senza->error().toStdString();
    EXPECT_EQ(lavori.join(u',').toStdString(), "Casa");
    installate.clear();
    auto nessuna = printing.openDefault();
    nessuna->print(u"tre");
    nessuna->endDoc();
    EXPECT_EQ(nessuna->error(), "Nessuna stampante installata.");
    EXPECT_EQ(lavori.size(), 1);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll() == prima) << "the file chosen in the dialog was printed over";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).join(u',').toStdString(), "Casa.pdf,tabella.pdf");
}
