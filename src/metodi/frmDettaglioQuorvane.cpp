#include "metodi/frmDettaglioQuorvane.h"

#include "compat/ui/LinePrinter.h"
#include "compat/ui/Platform.h"
#include "compat/ui/ReportOutput.h"
#include "compat/ui/Twips.h"
#include "metodi/Backtest.h"
#include "metodi/TestiBacktest.h"
#include "shell/Controlli.h"
#include "shell/modAspetto.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using namespace compat;

namespace {

constexpr int kColonne = 9;
const char* const kIntestazioni[kColonne] = {"Sortita condizione", "Ruota", "Numeri in gioco",
                                             "Ambata", "Ambo", "Data esito", "Colpo",
                                             "Ruota esito", "Prog."};
// Table rows printed on a page under its heading.
constexpr int kRighePagina = 45;

} // namespace

void ModelloDettaglio::imposta(std::shared_ptr<const EsitoBacktest> esito)
{
    beginResetModel();
    esito_ = std::move(esito);
    endResetModel();
}

int ModelloDettaglio::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !esito_ ? 0 : int(esito_->righe.size());
}

int ModelloDettaglio::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColonne;
}

QString ModelloDettaglio::testo(int riga, int colonna) const
{
    return esito_->cella(size_t(riga), colonna);
}

QVariant ModelloDettaglio::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || !esito_)
        return {};
    return testo(index.row(), index.column());
}

QVariant ModelloDettaglio::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColonne)
        return {};
    return QString::fromUtf8(kIntestazioni[section]);
}

frmDettaglioQuorvane::frmDettaglioQuorvane()
{
    setObjectName(QStringLiteral("frmDettaglioQuorvane"));
    setWindowTitle(QStringLiteral("Quorvane by Miravell - Dettaglio delle vincite ottenute"));

    lblDescrizione = CreaControllo<QLabel>(this, QStringLiteral("lblDescrizione"));
    lblDescrizione2 = CreaControllo<QLabel>(this, QStringLiteral("lblDescrizione2"));

    modello_ = new ModelloDettaglio(this);
    lvDettaglioVincite = CreaControllo<QTableView>(this, QStringLiteral("lvDettaglioVincite"));
    lvDettaglioVincite->setModel(modello_);
    lvDettaglioVincite->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvDettaglioVincite->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvDettaglioVincite->setSelectionMode(QAbstractItemView::SingleSelection);
    lvDettaglioVincite->setShowGrid(false);
    lvDettaglioVincite->setWordWrap(false);
    lvDettaglioVincite->verticalHeader()->hide();
    // Fixed row heights keep a list of some hundred thousand rows quick.
    lvDettaglioVincite->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lvDettaglioVincite->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    lvDettaglioVincite->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    lvDettaglioVincite->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft);
    // "Prog." is one twip wide in the design: it never shows.
    lvDettaglioVincite->setColumnHidden(kColonne - 1, true);
    lvDettaglioVincite->setMinimumSize(twipsToPx(11000), 360);
    dimensionaColonne({}, {});

    cmdOk = CreaControllo<QPushButton>(this, QStringLiteral("cmdOk"), QStringLiteral("Esci"));
    QHBoxLayout* pulsanti = PulsantiUscita(this, cmdStampa, cmdPrintToFile, cmdOk);
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(lblDescrizione);
    colonna->addWidget(lblDescrizione2);
    colonna->addWidget(lvDettaglioVincite, 1);
    colonna->addLayout(pulsanti);

    on(cmdOk, &QPushButton::clicked, QStringLiteral("cmdOk_Click"), [this] { vbUnload(this); });
    on(cmdStampa, &QPushButton::clicked, QStringLiteral("cmdStampa_Click"), [this] { cmdStampa_Click(); });
    on(cmdPrintToFile, &QPushButton::clicked, QStringLiteral("cmdPrintToFile_Click"),
       [this] { cmdPrintToFile_Click(); });
}

void frmDettaglioQuorvane::formLoad()
{
    Forms::current = this;
    ImpostaForm(this);
}

void frmDettaglioQuorvane::mostraEsito(std::shared_ptr<const EsitoBacktest> esito)
{
    // The wheels and the numbers differ from case to case; the widest of each sizes its column.
    const QFontMetrics fm = lvDettaglioVincite->fontMetrics();
    QString ruote, numeri;
    if (esito)
        for (const CasoDettaglio& c : esito->casi) {
            if (fm.horizontalAdvance(c.ruote) > fm.horizontalAdvance(ruote))
                ruote = c.ruote;
            if (fm.horizontalAdvance(c.numeri) > fm.horizontalAdvance(numeri))
                numeri = c.numeri;
        }
    modello_->imposta(std::move(esito));
    dimensionaColonne(ruote, numeri);
}

void frmDettaglioQuorvane::dimensionaColonne(const QString& ruote, const QString& numeri)
{
    // Each column as wide as its header and its widest value, all in sight:
    // the other columns hold dates, Str of the numbers and colpi, wheel codes.
    QHeaderView* h = lvDettaglioVincite->horizontalHeader();
    LarghezzeColonne(lvDettaglioVincite, h, std::vector<int>(kColonne - 1, 0),
                     {QStringLiteral("00/00/0000"), ruote, numeri, QStringLiteral(" 90"), QStringLiteral(" 90- 90"),
                      QStringLiteral("00/00/0000"), QStringLiteral(" 99"), QStringLiteral("NZ")});
    ColonneInVista(lvDettaglioVincite, h);
}

int frmDettaglioQuorvane::righe() const
{
    return modello_->rowCount();
}

QString frmDettaglioQuorvane::testo(int riga, int colonna) const
{
    return modello_->testo(riga, colonna);
}

void frmDettaglioQuorvane::cmdPrintToFile_Click()
{
    if (righe() == 0)
        return;
    const QStringList titolo = righeTitoloDettaglio(lblDescrizione->text(), lblDescrizione2->text());
    const auto file = askOutputFile(QStringLiteral("Quorvane"));
    if (!file)
        return;
    TextOutput out(file->path, file->mode);
    // The file opens with the title that heads every printed page.
    for (const QString& riga : titolo)
        out.writeLine(riga);
    std::array<QString, 8> celle;
    for (int n = 0; n < righe(); ++n) {
        for (int c = 0; c < 8; ++c)
            celle[size_t(c)] = testo(n, c);
        out.writeLine(rigaDettaglio(celle));
    }
    finishOutput(out);
}

void frmDettaglioQuorvane::cmdStampa_Click()
{
    if (righe() == 0)
        return;
    const std::optional<int> copie = askPrintCopies();
    if (!copie)
        return;
    auto p = platform().printers().open();
    p->setFont(QStringLiteral("Courier New"), 10);
    p->setOrientation(Orientation::Landscape);
    const QStringList titolo = righeTitoloDettaglio(lblDescrizione->text(), lblDescrizione2->text());

    auto intestazione = [&] {
        p->endLine();
        p->setBold(true);
        p->tab(colonnaCentrata(titolo[0]));
        p->print(titolo[0]);
        p->tab(104);
        p->print(QStringLiteral("Pag.") + QString::number(p->page()));
        p->endLine();
        for (int k = 1; k <= 2; ++k) {
            p->tab(colonnaCentrata(titolo[k]));
            p->print(titolo[k]);
            p->endLine();
        }
        p->endLine();
        for (int k = 3; k <= 5; ++k) {
            p->print(titolo[k]);
            p->endLine();
        }
        p->setBold(false);
    };

    const int n = righe();
    for (int c = 1; c <= *copie && !p->failed(); ++c) {
        intestazione();
        for (int r = 1; r <= n; ++r) {
            for (int k = 0; k < 8; ++k) {
                p->tab(kColonneDettaglio[size_t(k)]);
                p->print(testo(r - 1, k));
            }
            p->endLine();
            if (r % kRighePagina == 0 && r != n) {
                p->newPage();
                intestazione();
            }
        }
        if (c < *copie)
            p->newPage();
    }
    finishPrint(*p);
}
