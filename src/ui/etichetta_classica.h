// A label that never grows: its text starts at the top edge, wraps at blanks and is cut off at
// its edges. Opaque labels fill their rectangle first; transparent ones show what lies behind.
// It swallows mouse events, so a click on a label never reaches the window behind it.
#pragma once

#include <QColor>
#include <QWidget>

namespace kestrano::ui {

class EtichettaClassica : public QWidget {
    Q_OBJECT

public:
    EtichettaClassica(const QString& testo, Qt::Alignment allineamento, QColor coloreTesto, QWidget* genitore);

    const QString& testo() const { return testo_; }
    void impostaTesto(const QString& testo);
    // An invalid colour makes the label transparent.
    void impostaSfondo(QColor sfondo);
    QColor sfondo() const { return sfondo_; }
    QColor coloreTesto() const { return coloreTesto_; }
    Qt::Alignment allineamento() const { return allineamento_; }

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;

private:
    QString testo_;
    Qt::Alignment allineamento_;
    QColor coloreTesto_;
    QColor sfondo_;
};

}  // namespace kestrano::ui
