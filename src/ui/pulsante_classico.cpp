// Painting and input of the classic button.
#include "ui/pulsante_classico.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace kestrano::ui {

PulsanteClassico::PulsanteClassico(const QString& didascalia, QColor faccia, QWidget* genitore)
    : QPushButton(didascalia, genitore), faccia_(faccia) {
    setAutoDefault(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PulsanteClassico::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, faccia_);
    const bool giu = isDown();
    // Two-pixel edge: light above and left, dark below and right; reversed while pressed.
    const QColor luce(255, 255, 255), ombra(128, 128, 128), nero(0, 0, 0);
    // One-pixel edges as filled rectangles: the raster engine's fastest path.
    auto bordo = [&p](QRect q, QColor alto, QColor basso) {
        p.fillRect(q.left(), q.top(), q.width(), 1, alto);
        p.fillRect(q.left(), q.top(), 1, q.height(), alto);
        p.fillRect(q.left(), q.bottom(), q.width(), 1, basso);
        p.fillRect(q.right(), q.top(), 1, q.height(), basso);
    };
    if (giu) {
        bordo(r, nero, nero);
        bordo(r.adjusted(1, 1, -1, -1), ombra, ombra);
    } else {
        bordo(r, luce, nero);
        bordo(r.adjusted(1, 1, -1, -1), faccia_.lighter(110), ombra);
    }
    p.setFont(font());
    const QRect testo = r.adjusted(3, 2, -3, -2).translated(giu ? 1 : 0, giu ? 1 : 0);
    const int allineamento = Qt::AlignCenter | Qt::TextWordWrap;
    if (isEnabled()) {
        p.setPen(palette().color(QPalette::ButtonText));
        p.drawText(testo, allineamento, text());
    } else {
        p.setPen(luce);
        p.drawText(testo.translated(1, 1), allineamento, text());
        p.setPen(ombra);
        p.drawText(testo, allineamento, text());
    }
    if (hasFocus()) {
        QPen punteggiata(nero, 1, Qt::DotLine);
        p.setPen(punteggiata);
        p.drawRect(r.adjusted(4, 4, -5, -5));
    }
}

void PulsanteClassico::keyPressEvent(QKeyEvent* evento) {
    if ((evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) && !evento->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(evento);
}

void PulsanteClassico::mousePressEvent(QMouseEvent* evento) {
    emit premuto(evento->button());
    if (evento->button() == Qt::LeftButton)
        QPushButton::mousePressEvent(evento);
    else
        evento->accept();
}

void PulsanteClassico::mouseReleaseEvent(QMouseEvent* evento) {
    emit rilasciato(evento->button());
    if (evento->button() == Qt::LeftButton)
        QPushButton::mouseReleaseEvent(evento);
    else
        evento->accept();
}

}  // namespace kestrano::ui
