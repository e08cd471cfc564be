#include "shell/frmMessaggi.h"
#include "support/ui/AmbienteServizi.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace compat;

namespace {

TEST(frmMessaggi, ShowsTheServersTextAsPlainTextAndClosesOnItsButton)
{
    AmbienteServizi a(estrazioniCasuali(QDate(2001, 1, 2), 5, 7, 1));
    auto* f = Forms::get<frmMessaggi>();
    const QString testo = QStringLiteral("<img src=\"file:///etc/passwd\"><b>Aggiornamento</b> & più");
    f->Label1->setText(testo);
    bool eraModale = false;
    QTimer::singleShot(0, [&] {
        eraModale = QApplication::activeModalWidget() == f;
        QTest::mouseClick(f->Command1, Qt::LeftButton);
    });
    QPointer<frmMessaggi> p(f);
    f->vbShowModal();
    EXPECT_TRUE(eraModale);
    EXPECT_TRUE(p.isNull() || !p->isLoaded());

    f = Forms::get<frmMessaggi>();
    f->Label1->setText(testo);
    EXPECT_EQ(f->Label1->textFormat(), Qt::PlainText);
    EXPECT_EQ(f->Label1->text(), testo);
}

} // namespace
