#pragma once
// Every win of the back-test of the current method, one row per win under
// two description lines; printed in landscape with page headings, or written
// to a text file in fixed columns.
#include "compat/ui/Form.h"

#include <QAbstractTableModel>
#include <memory>

class QLabel;
class QString;
class QPushButton;
class QTableView;
struct EsitoBacktest;

// The rows of a back-test as a read-only table: cells are formatted when shown.
class ModelloDettaglio : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void imposta(std::shared_ptr<const EsitoBacktest> esito);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;
    QString testo(int riga, int colonna) const;

private:
    std::shared_ptr<const EsitoBacktest> esito_;
};

class frmDettaglioQuorvane : public compat::Form {
    Q_OBJECT
public:
    frmDettaglioQuorvane();

    QLabel* lblDescrizione;
    QLabel* lblDescrizione2;
    QTableView* lvDettaglioVincite;
    QPushButton* cmdStampa;
    QPushButton* cmdPrintToFile;
    QPushButton* cmdOk;

    // The back-test's rows (none: an empty list).
    void mostraEsito(std::shared_ptr<const EsitoBacktest> esito);
    int righe() const;
    QString testo(int riga, int colonna) const;

protected:
    void formLoad() override;

private:
    void cmdStampa_Click();
    void cmdPrintToFile_Click();
    void dimensionaColonne(const QString& ruote, const QString& numeri);

    ModelloDettaglio* modello_;
};
