// A push button drawn flat in its own face colour with a classic raised edge. It clicks on a
// left-button click and on Space, Enter or Return while focused, and reports the press and
// release of any mouse button, for handlers that act on mouse-down and mouse-up.
#pragma once

#include <QColor>
#include <QPushButton>

namespace kestrano::ui {

class PulsanteClassico : public QPushButton {
    Q_OBJECT

public:
    PulsanteClassico(const QString& didascalia, QColor faccia, QWidget* genitore);

signals:
    void premuto(Qt::MouseButton pulsante);
    void rilasciato(Qt::MouseButton pulsante);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;

private:
    QColor faccia_;
};

}  // namespace kestrano::ui
