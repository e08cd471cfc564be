#include "consulta/frmShadow.h"

#include "compat/ui/Colors.h"
#include "compat/ui/Twips.h"
#include "shell/modArchivio.h"
#include "shell/modControlli.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace compat;

namespace {
constexpr double kTopNazionale = 4360;
}

frmShadow::frmShadow()
{
    setObjectName(QStringLiteral("frmShadow"));
    setWindowTitle(QStringLiteral("Stampa estrazione"));
    resize(twipsToPx(4110), twipsToPx(6300));
    txtEstrazione = CreaControllo<QLineEdit>(this, QStringLiteral("txtEstrazione"));
    vbMove(txtEstrazione, 240, 120, 3615, 375);
    Frame1 = CreaControllo<QGroupBox>(this, QStringLiteral("Frame1"));
    vbMove(Frame1, 120, 480, 3855, 5200);
    for (int r = 0; r <= 10; ++r) {
        // As on the board, the Nazionale row stands apart, level with its label.
        const double top = r == 10 ? kTopNazionale : 200 + 400.0 * r;
        if (r <= 9) {
            imgRuota[r] = CreaControllo<QLabel>(Frame1, NomeElemento("imgRuota", r), SigleRuote[r + 1]);
            vbMove(imgRuota[r], 150, top, 500, 405);
            lblData[r] = CreaControllo<QLabel>(Frame1, NomeElemento("lblData", r));
            vbMove(lblData[r], 150, top + 80, 1020, 300);
        }
        for (int p = 1; p <= 5; ++p) {
            QLineEdit* c = CreaControllo<QLineEdit>(Frame1, NomeElemento("txtEstratto", r * 5 + p));
            c->setAlignment(Qt::AlignCenter);
            vbMove(c, 1280 + 493.0 * (p - 1), top, 500, 405);
            vbSetBackColor(c, 0xFFFFC0);
            vbSetForeColor(c, 0x800000);
            txtEstratto[r * 5 + p] = c;
        }
    }
    lblNazionale = CreaControllo<QLabel>(Frame1, QStringLiteral("lblNazionale"), QStringLiteral("Nazionale"));
    vbMove(lblNazionale, 120, kTopNazionale, 1095, 375);
    // Under the cells, inside their frame; its text at the top, clear of the
    // frame's lower edge.
    Label1 = CreaControllo<QLabel>(Frame1, QStringLiteral("Label1"), QStringLiteral("Tutte le ruote"));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    vbMove(Label1, 240, 4905, 3360, 375);
    txtDescrizione = CreaControllo<QLineEdit>(this, QStringLiteral("txtDescrizione"));
    vbMove(txtDescrizione, 180, 5760, 3735, 375);
}
