#pragma once
// A consultation board open on two known draws with numbers on Bari and
// Cagliari alone: the other rows, the Nazionale too, hold no numbers.
#include "compat/ui/Colors.h"
#include "consulta/frmConsultaEstrazioni.h"
#include "support/ui/AmbienteServizi.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

struct TabelloneProva {
    // Draw 1: Bari 10 90 20 21 22, Cagliari 40..44; draw 2 (shown at first):
    // Bari 30 60 1 2 3, Cagliari 10 90 1 2 7.
    AmbienteServizi a{componi({
        {QDate(2004, 1, 3), {{1, {10, 90, 20, 21, 22}}, {2, {40, 41, 42, 43, 44}}}},
        {QDate(2004, 1, 8), {{1, {30, 60, 1, 2, 3}}, {2, {10, 90, 1, 2, 7}}}},
    })};
    frmConsultaEstrazioni* f;

    TabelloneProva()
    {
        CaricaNomiRuote();
        f = compat::Forms::create<frmConsultaEstrazioni>();
        f->vbShow();
    }
    void clic(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    // On the tick box itself: the caption may not fill the control.
    void spunta(QCheckBox* c) { QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(6, c->height() / 2)); }
    quint32 sfondo(int i) const { return compat::vbBackColor(f->txtEstratto[i]); }
    std::vector<int> marcate() const
    {
        std::vector<int> v;
        for (int i = 1; i <= 55; ++i)
            if (sfondo(i) != kSfondoCella)
                v.push_back(i);
        return v;
    }
};

// Another board, built and shown at a font a quarter larger than the program's.
inline frmConsultaEstrazioni* TabelloneAFontGrande()
{
    const QFont prima = QApplication::font();
    QFont grande = prima;
    grande.setPointSizeF(prima.pointSizeF() * 1.25);
    QApplication::setFont(grande);
    auto* g = compat::Forms::create<frmConsultaEstrazioni>();
    g->vbShow();
    QApplication::setFont(prima);
    return g;
}
