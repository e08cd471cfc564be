#pragma once
// The painted body of the table of draws: the eleven wheel headings, and for
// each of the 36 rows its date, index, weekday, the 55 number cells and the
// record number. One widget paints them all, each column as wide as its
// widest text needs at the font in use; a click on a date or a number cell is
// reported with the index it has in the table (row 1..36, cell 1..1980 =
// (row - 1) * 55 + position).
#include "archivio/PaginaElenco.h"

#include <QScrollArea>
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
    void changeEvent(QEvent* e) override;

private:
    struct Cella {
        quint32 sfondo = 0xFFFFFF;
        quint32 testo = 0;
        bool grassetto = false;
    };
    void misura();
    int xCella(int posizione) const; // position 1..55
    int yRiga(int riga) const;       // row 1..36
    int inizioCelle() const;
    int larghezzaRuota() const;
    int fineCelle() const;

    PaginaElenco pagina_;
    std::array<Cella, kCelleElenco + 1> celle_{};
    std::array<QString, 12> ruote_;
    std::array<quint32, 12> coloriRuote_{};
    std::array<quint32, 9> segnoSfondo_{};
    std::array<quint32, 9> segnoTesto_{};
    int larghezzaData_ = 0, larghezzaIndice_ = 0, larghezzaGiorno_ = 0, larghezzaCella_ = 0,
        larghezzaNumero_ = 0;
};

// The grid, scrolled sideways where the window is narrower than it, so that
// what stands beside it stays in sight; never up and down, as it is always
// as tall as the grid and, when it shows, its bar.
class ScorrimentoGriglia : public QScrollArea {
    Q_OBJECT
public:
    ScorrimentoGriglia(GrigliaElenco* griglia, QWidget* padre);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The bar came or went, and with it the height asked for.
    void barraCambiata();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void seguiBarra(bool grigliaCambiata);

    GrigliaElenco* griglia_;
    bool conBarra_ = false;
};
