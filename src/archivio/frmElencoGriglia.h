#pragma once
// The painted body of the table of draws: the eleven wheel headings, and for
// each of the 36 rows its date, index, weekday, the 55 number cells and the
// record number. One widget paints them all; a click on a date or a number
// cell is reported with the index it has in the table (row 1..36, cell
// 1..1980 = (row - 1) * 55 + position).
#include "archivio/PaginaElenco.h"

#include <QWidget>
#include <array>

class GrigliaElenco : public QWidget {
    Q_OBJECT
public:
    explicit GrigliaElenco(QWidget* padre);

    // A new page: every cell white on black, not bold.
    void mostraPagina(const PaginaElenco& p);
    // The stripes and marks of a repaint.
    void colora(const Evidenziazione& e);
    // Wheel headings 1..11 and their colours.
    void impostaRuote(const std::array<QString, 12>& nomi, const std::array<quint32, 12>& colori);
    // The colour pairs of the marks (entries 0..8).
    void impostaColoriSegni(const std::array<quint32, 9>& sfondo, const std::array<quint32, 9>& testo);

    // What a cell shows, as its caption and properties would read.
    QString didascalia(int cella) const;
    quint32 coloreSfondo(int cella) const;
    quint32 coloreTesto(int cella) const;
    bool grassetto(int cella) const;
    QString testoRuota(int ruota) const { return ruote_[size_t(ruota)]; }

    // Where a cell and a row's date are drawn (for a click).
    QRect rettangoloCella(int cella) const;
    QRect rettangoloData(int riga) const;

    QSize sizeHint() const override;

signals:
    void dataCliccata(int riga);
    void cellaCliccata(int cella);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    struct Cella {
        quint32 sfondo = 0xFFFFFF;
        quint32 testo = 0;
        bool grassetto = false;
    };
    int xCella(int posizione) const; // position 1..55
    int yRiga(int riga) const;       // row 1..36

    PaginaElenco pagina_;
    std::array<Cella, kCelleElenco + 1> celle_{};
    std::array<QString, 12> ruote_;
    std::array<quint32, 12> coloriRuote_{};
    std::array<quint32, 9> segnoSfondo_{};
    std::array<quint32, 9> segnoTesto_{};
};
