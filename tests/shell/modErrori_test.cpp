#include "compat/cp1252.h"
#include "compat/ui/Form.h"
#include "compat/ui/Platform.h"
#include "core/Impostazioni.h"
#include "shell/modErrori.h"
#include "support/ui/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace compat;

namespace {

struct Ambiente {
    FakePlatform fake;
    FakePlatformScope scope{fake};
    Ambiente()
    {
        fake.setNow(QDateTime(QDate(2025, 3, 7), QTime(9, 5, 3)));
        IniImpostazioni().setFileName(fake.folder() + "/Quorvane.ini");
        QDir(fake.folder()).mkpath("IniFile");
    }
    QByteArray log()
    {
        QFile f(fake.folder() + "/IniFile/Errori.log");
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

const AppError kErrore{13, "Tipo non corrispondente", "Quorvane"};

QString messaggio(const char* errore, const char* dove)
{
    return QStringLiteral(" Il programma Trevalda 2.5.0 ha prodotto l'errore\r\n Quorvane ") +
           errore + "\r\n " + dove;
}

TEST(GestioneErrore, QuestionBoxAndLogLine)
{
    Ambiente a;
    a.fake.expectMsgBox(" Il programma Trevalda 2.5.0 ha prodotto l'errore\r\n"
                        " Quorvane 13 : Tipo non corrispondente\r\n"
                        " frmQuorvane.cmdCalcola_Click riga 40\r\n"
                        " Vuoi continuare l'elaborazione ?",
                        vbYes);
    int stile = vbYesNo;
    EXPECT_EQ(GestioneErrore("frmQuorvane", stile, "cmdCalcola_Click", "40", "", kErrore), vbYes);
    EXPECT_EQ(stile, 52);
    EXPECT_EQ(a.fake.msgBoxCall(-1).title, "Errore inatteso");
    EXPECT_EQ(a.log(), "07/03/2025 09:05:03 Il programma Quorvane 2.5.0 ha prodotto l'errore 13 : "
                       "Tipo non corrispondente in frmQuorvane.cmdCalcola_Click riga 40"
                       " 6-Ignorato . Restrizioni:\r\n");

    // Empty procedure, line and info leave their parts out; No is " 7-Interrotto ".
    a.fake.expectMsgBox(messaggio("13 : Tipo non corrispondente",
                                  "modArchivio\r\n Vuoi continuare l'elaborazione ?"),
                        vbNo);
    EXPECT_EQ(GestioneErrore("modArchivio", vbYesNo, "", "", "", kErrore), vbNo);
    EXPECT_TRUE(a.log().endsWith("Tipo non corrispondente in modArchivio 7-Interrotto . "
                                 "Restrizioni:\r\n"));
}

TEST(GestioneErrore, LogOffOrUnwritableStillGivesTheAnswer)
{
    Ambiente a;
    // No error, or a cancelled common dialog: nothing at all.
    for (int numero : {0, 32755})
        EXPECT_EQ(GestioneErrore("frmMain", 0, "x", "", "", {numero, "", ""}), 0);
    SalvaImpostazione("Quorvane", "Options", "LogFile", QStringLiteral("0"));
    a.fake.expectMsgBox(messaggio("5 : x", "frmDati"), vbOK);
    int stile = 0;
    EXPECT_EQ(GestioneErrore("frmDati", stile, "", "", "info", {5, "x", ""}), vbOK);
    EXPECT_EQ(stile, vbExclamation);
    EXPECT_TRUE(a.log().isEmpty());

    // Logging on, but no IniFile folder: the answer still comes back.
    SalvaImpostazione("Quorvane", "Options", "LogFile", QStringLiteral("1"));
    QDir(a.fake.folder() + "/IniFile").removeRecursively();
    a.fake.expectMsgBox(messaggio("5 : x", "frmDati"), vbOK);
    EXPECT_EQ(GestioneErrore("frmDati", 0, "", "", "", {5, "x", ""}), vbOK);
    EXPECT_FALSE(QFile::exists(a.fake.folder() + "/IniFile"));
}

TEST(GestioneErrore, ReportsWhatAWindowsHandlerLetsThrough)
{
    Ambiente a;
    InstallaGestioneErrore();
    Form f;
    f.setObjectName("frmProva");
    a.fake.expectMsgBox(messaggio("11 : Divisione per zero", "frmProva.cmdVai_Click"), vbOK);
    f.runHandler("cmdVai_Click", [] { compat::raise(11); });
    EXPECT_TRUE(a.log().contains("frmProva.cmdVai_Click 1-Risposto ok . Restrizioni:"));
    setUnexpectedErrorReporter({});
}

TEST(ErroreFile, CriticalBoxTitledErrore)
{
    Ambiente a;
    a.fake.expectMsgBox("anni.ind corrotto o mancante !", vbOK);
    ErroreFile("anni.ind");
    EXPECT_EQ(a.fake.msgBoxCall(-1).style, vbCritical);
    EXPECT_EQ(a.fake.msgBoxCall(-1).title, "Errore");
}

} // namespace
