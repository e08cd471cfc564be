#include "archivio/frmElenco.h"

#include "archivio/frmElencoGriglia.h"
#include "archivio/frmEvidenziaElenco.h"
#include "archivio/modElenco.h"
#include "compat/AppError.h"
#include "compat/vb.h"
#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "compat/ui/LinePrinter.h"
#include "compat/ui/Platform.h"
#include "compat/ui/ReportOutput.h"
#include "core/ArchivioMemoria.h"
#include "shell/Controlli.h"
#include "shell/modArchivio.h"
#include "shell/modAspetto.h"
#include "shell/modCalendario.h"
#include "shell/modGuida.h"
#include "shell/modMetodoSpia.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cstdlib>

using namespace compat;

namespace {

QPushButton* pulsante(QWidget* padre, const char* nome, const QString& testo, const QString& suggerimento)
{
    auto* b = CreaControllo<QPushButton>(padre, QString::fromLatin1(nome), testo);
    b->setToolTip(suggerimento);
    return b;
}

constexpr int kNotch = 120; // wheel distance of one notch

} // namespace

frmElenco::frmElenco()
{
    setObjectName(QStringLiteral("frmElenco"));
    setWindowTitle(QStringLiteral("Elenco estrazioni"));

    lblGrid = new GrigliaElenco(this);
    lblGrid->setObjectName(QStringLiteral("lblGrid"));
    VScroll1 = CreaControllo<QScrollBar>(this, QStringLiteral("VScroll1"));
    VScroll1->setOrientation(Qt::Vertical);
    VScroll1->setFocusPolicy(Qt::StrongFocus);
    VScroll1->setRange(1, 1);
    VScroll1->setPageStep(kRigheElenco);
    DTPickerA = creaData(this, QStringLiteral("DTPickerA"));
    cmdPrecedentePag = pulsante(this, "cmdPrecedentePag", QStringLiteral("<<"), QStringLiteral("- 36 estrazioni"));
    cmdPrecedente = pulsante(this, "cmdPrecedente", QStringLiteral("<"), QStringLiteral("- 1 estrazione"));
    cmdSuccessiva = pulsante(this, "cmdSuccessiva", QStringLiteral(">"), QStringLiteral("+ 1 estrazione"));
    cmdSuccesivaPag = pulsante(this, "cmdSuccesivaPag", QStringLiteral(">>"), QStringLiteral("+ 36 estrazioni"));
    cmdUltima = pulsante(this, "cmdUltima", QStringLiteral(">|"), QStringLiteral("ultima estrazione in archivio"));
    chkIndice = CreaControllo<QCheckBox>(this, QStringLiteral("chkIndice"), QStringLiteral("Indice annuale"));
    cmdEvidenzia = CreaControllo<QPushButton>(this, QStringLiteral("cmdEvidenzia"), QStringLiteral("Evidenzia"));
    cmdEvidenzia->setVisible(false);
    cmdSettaggi = CreaControllo<QPushButton>(this, QStringLiteral("cmdSettaggi"), QStringLiteral("Evidenzia..."));
    cmdStampa = PulsanteImmagine(this, QStringLiteral("cmdStampa"), QStyle::SP_FileDialogDetailedView,
                                 QStringLiteral("Stampa"));
    cmdPrintToFile = PulsanteImmagine(this, QStringLiteral("cmdPrintToFile"), QStyle::SP_DialogSaveButton,
                                      QStringLiteral("Salva su file"));
    cmdHelp = PulsanteImmagine(this, QStringLiteral("cmdHelp"), QStyle::SP_DialogHelpButton,
                               QStringLiteral("Spiegazioni dettagliate sul form attuale"));
    for (QPushButton* b : {cmdPrecedentePag, cmdPrecedente, cmdSuccessiva, cmdSuccesivaPag, cmdUltima})
        b->setFixedWidth(36);

    auto* vista = new ScorrimentoGriglia(lblGrid, this);
    auto* corpo = new QHBoxLayout;
    corpo->addWidget(vista);
    corpo->addWidget(VScroll1);
    auto* comandi = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{cmdPrecedentePag, cmdPrecedente, DTPickerA, cmdSuccessiva,
                                                      cmdSuccesivaPag, cmdUltima, chkIndice})
        comandi->addWidget(w);
    comandi->addStretch();
    for (QWidget* w : std::initializer_list<QWidget*>{cmdSettaggi, cmdStampa, cmdPrintToFile, cmdHelp})
        comandi->addWidget(w);
    auto* colonna = new QVBoxLayout(this);
    // Narrow margins: the 36 rows and the commands fit a 768-pixel screen
    // below the window's usual place.
    colonna->setContentsMargins(4, 4, 4, 4);
    colonna->addLayout(corpo);
    colonna->addLayout(comandi);
    // The whole table, more than the part of the screen a new window takes;
    // a narrower screen cuts the grid, which then scrolls.
    resize(sizeHint());

    for (QObject* o : std::initializer_list<QObject*>{this, VScroll1, lblGrid})
        o->installEventFilter(this);

    on(cmdPrecedente, &QPushButton::clicked, QStringLiteral("cmdPrecedente_Click"),
       [this] { vaiA(ultimaValida(pagina_.ultima - 1, NumeroEstrazioni), true); });
    on(cmdPrecedentePag, &QPushButton::clicked, QStringLiteral("cmdPrecedentePag_Click"),
       [this] { vaiA(ultimaValida(pagina_.ultima - kRigheElenco, NumeroEstrazioni), true); });
    on(cmdSuccessiva, &QPushButton::clicked, QStringLiteral("cmdSuccessiva_Click"),
       [this] { vaiA(ultimaValida(pagina_.ultima + 1, NumeroEstrazioni), false); });
    on(cmdSuccesivaPag, &QPushButton::clicked, QStringLiteral("cmdSuccesivaPag_Click"),
       [this] { vaiA(ultimaValida(pagina_.ultima + kRigheElenco, NumeroEstrazioni), false); });
    on(cmdUltima, &QPushButton::clicked, QStringLiteral("cmdUltima_Click"),
       [this] { vaiA(NumeroEstrazioni, false); });
    on(VScroll1, &QScrollBar::valueChanged, QStringLiteral("VScroll1_Change"), [this] { VScroll1_Change(); });
    // A typed date is gone to once it is complete: going at its first digit
    // would take the focus away from the rest of it.
    on(DTPickerA, &DatePicker::dateCommitted, QStringLiteral("DTPickerA_Change"), [this] {
        // Dates set by the program itself are always a draw's date.
        if (vbDateSetByCode(DTPickerA))
            return;
        VaiAData();
        fuocoAlloScorrimento();
    });
    on(chkIndice, &QCheckBox::toggled, QStringLiteral("chkIndice_Click"), [this] { chkIndice_Click(); });
    on(lblGrid, &GrigliaElenco::dataCliccata, QStringLiteral("lblData_Click"),
       [this](int riga) { lblData_Click(riga); });
    on(lblGrid, &GrigliaElenco::cellaCliccata, QStringLiteral("lblGrid_Click"),
       [this](int cella) { lblGrid_Click(cella); });
    on(cmdEvidenzia, &QPushButton::clicked, QStringLiteral("cmdEvidenzia_Click"), [this] { Evidenzia(); });
    on(cmdSettaggi, &QPushButton::clicked, QStringLiteral("cmdSettaggi_Click"),
       [this] { Forms::get<frmEvidenziaElenco>()->vbShow(this); });
    on(cmdStampa, &QPushButton::clicked, QStringLiteral("cmdStampa_Click"), [this] { cmdStampa_Click(); });
    on(cmdPrintToFile, &QPushButton::clicked, QStringLiteral("cmdPrintToFile_Click"),
       [this] { cmdPrintToFile_Click(); });
    on(cmdHelp, &QPushButton::clicked, QStringLiteral("cmdHelp_Click"),
       [] { Guida().HelpContext(GuidaElenco, QString()); });
    // Queued: the window has grown or shrunk by the grid's bar by then, and
    // comes wholly onto the screen with it.
    connect(vista, &ScorrimentoGriglia::barraCambiata, this,
            handler(QStringLiteral("Form_Resize"), [this] { fitToScreen(true); }), Qt::QueuedConnection);
    connect(&avvisoArchivio(), &AvvisoArchivio::estrazioniCambiate, this,
            handler(QStringLiteral("ArchivioCambiato"), [this] { estrazioniCambiate(); }));
}

void frmElenco::formLoad()
{
    Forms::current = this;
    CaricaPosizioneForm(this, CentraFinestre);
    ImpostaForm(this);
    mostraData(NumeroEstrazioni);
    CostruisciIndiceMensile();
    InizializzaColoriElenco();
    lblGrid->impostaRuote(NomiRuote, ColoriRuoteElenco);
    lblGrid->impostaColoriSegni(ColoriSfondoElenco, ColoriTestoElenco);
    VScroll1->setMinimum(1);
    VScroll1->setMaximum(std::max<qint32>(1, NumeroEstrazioni));
    RiempiPagina(NumeroEstrazioni);
}

void frmElenco::formActivate()
{
    if (!focusWidget())
        fuocoAlloScorrimento();
}

void frmElenco::formUnload(bool&)
{
    SalvaPosizioneForm(this);
    if (auto* impostazioni = Forms::find<frmEvidenziaElenco>())
        vbUnload(impostazioni);
}

// Draws stored while the table is open are reachable: the scroll range and
// the monthly index follow the count.
void frmElenco::estrazioniCambiate()
{
    CostruisciIndiceMensile();
    VScroll1->setMaximum(std::max<qint32>(1, NumeroEstrazioni));
}

void frmElenco::mostraData(qint32 estrazione)
{
    if (estrazione < 1 || estrazione > NumeroEstrazioni)
        return;
    if (const auto d = vbCDate(DataEstrazione(estrazione)))
        vbSetDate(DTPickerA, *d);
}

// The paging buttons: backward ones show the date first, forward ones after
// the fill, as they always did; the page is the same.
void frmElenco::vaiA(qint32 ultima, bool dataPrima)
{
    if (ultima < 1)
        return;
    if (dataPrima)
        mostraData(ultima);
    RiempiPagina(ultima);
    if (!dataPrima)
        mostraData(ultima);
}

void frmElenco::RiempiPagina(qint32 ultima)
{
    if (ultima < 1 || ultima > NumeroEstrazioni)
        return;
    try {
        if (IndiceMensile.size() < size_t(NumeroEstrazioni) + 1)
            CostruisciIndiceMensile();
        const auto archivio = vistaArchivio(Archivio());
        pagina_ = riempiPagina(*archivio, ultima, chkIndice->isChecked(), IndiceMensile, UltimaDelMese);
    } catch (const AppError& e) {
        vbMsgBox(QStringLiteral("Errore nella visualizzazione elenco estrazioni del lotto!\r\nN. ")
                     + QString::number(e.number) + QStringLiteral(": ") + e.description,
                 vbExclamation, QStringLiteral("Errore"));
        return;
    }
    lblGrid->mostraPagina(pagina_);
    if (VScroll1->maximum() < ultima)
        VScroll1->setMaximum(NumeroEstrazioni);
    VScroll1->setValue(ultima);
    Evidenzia();
}

void frmElenco::Evidenzia()
{
    ScelteEvidenzia s;
    s.numeri = NumeriEvidenziati;
    s.sorteMinima = SorteMinima;
    s.modo = ModoEvidenzia;
    lblGrid->colora(evidenzia(pagina_, s, rigaAlterna_));
    if (s.modo == EvidenziaSelezionati)
        fuocoAlloScorrimento();
}

void frmElenco::fuocoAlloScorrimento()
{
    vbResumeNext([&] { VScroll1->setFocus(Qt::OtherFocusReason); });
}

void frmElenco::VScroll1_Change()
{
    const qint32 ultima = ultimaValida(VScroll1->value(), NumeroEstrazioni);
    mostraData(ultima);
    RiempiPagina(ultima);
}

void frmElenco::VaiAData()
{
    CercaPrecedente = false;
    CercaEstrazione(vbDateText(DTPickerA->date()));
    if (DataErrata) {
        DTPickerA->setFocus();
        return;
    }
    mostraData(EstrazioneTrovata);
    RiempiPagina(ultimaValida(EstrazioneTrovata, NumeroEstrazioni));
    // The fill's scroll bar shows the page's last draw; the picker keeps the
    // draw found, which differs among the first 35.
    mostraData(EstrazioneTrovata);
}

void frmElenco::chkIndice_Click()
{
    chkIndice->setText(chkIndice->isChecked() ? QStringLiteral("Indice mensile") : QStringLiteral("Indice annuale"));
    RiempiPagina(pagina_.ultima > 0 ? pagina_.ultima : NumeroEstrazioni);
}

void frmElenco::lblData_Click(int riga)
{
    const RigaElenco& r = pagina_.righe[size_t(riga - 1)];
    if (r.record < 1)
        return; // a blank row holds no draw to copy
    platform().clipboard().clear();
    const QString testo = testoRigaAppunti(r);
    vbMsgBox(QStringLiteral("Estrazione del ") + r.data + QStringLiteral(" copiata negli appunti!"), vbInformation);
    platform().clipboard().setText(testo);
}

void frmElenco::lblGrid_Click(int cella)
{
    const int n = vbCInt(vbVal(lblGrid->didascalia(cella)));
    if (n < 1 || n > 90)
        return;
    NumeriEvidenziati[size_t(n)] = !NumeriEvidenziati[size_t(n)];
    vbPress(cmdEvidenzia);
}

void frmElenco::ScrollUp()
{
    if (VScroll1->value() >= 2)
        VScroll1->setValue(VScroll1->value() - 1);
}

void frmElenco::ScrollDown()
{
    if (VScroll1->value() < VScroll1->maximum())
        VScroll1->setValue(VScroll1->value() + 1);
}

bool frmElenco::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::Wheel && (o == this || o == VScroll1 || o == lblGrid)) {
        runHandler(QStringLiteral("WindowProc"), [&] { rotella(static_cast<QWheelEvent*>(e)); });
        return true;
    }
    return Form::eventFilter(o, e);
}

// One draw per notch while the scroll bar has the focus; a touchpad's small
// deltas add up to a notch first, and sideways or empty turns move nothing.
bool frmElenco::rotella(QWheelEvent* e)
{
    e->accept();
    const int dy = e->angleDelta().y();
    if (dy == 0 || focusWidget() != VScroll1)
        return true;
    if ((rotellaAccumulata_ > 0 && dy < 0) || (rotellaAccumulata_ < 0 && dy > 0))
        rotellaAccumulata_ = 0;
    rotellaAccumulata_ += dy;
    if (std::abs(rotellaAccumulata_) < kNotch)
        return true;
    const bool avanti = rotellaAccumulata_ > 0;
    rotellaAccumulata_ = 0;
    if (avanti)
        ScrollUp();
    else
        ScrollDown();
    return true;
}

void frmElenco::cmdPrintToFile_Click()
{
    const auto file = askOutputFile(QStringLiteral("Elenco_estrazioni.txt"));
    if (!file)
        return;
    writeOutputFile(*file, righeFileElenco(pagina_));
    fuocoAlloScorrimento();
}

void frmElenco::cmdStampa_Click()
{
    if (!askPrintCopies())
        return; // one copy, whatever the dialog says
    // Each print is a document of its own: the landscape page ends with it,
    // sent or not.
    const auto stampante = platform().printers().open();
    ILinePrinter& p = *stampante;
    p.setFont(QStringLiteral("Courier New"), 7);
    p.setOrientation(Orientation::Landscape);
    for (const QString& l : righeStampaElenco(pagina_)) {
        if (!l.isEmpty())
            p.print(l);
        p.endLine();
    }
    fuocoAlloScorrimento();
    finishPrint(p);
}
