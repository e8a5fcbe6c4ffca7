// The client area of a window: the surface below the menu bar on which its controls lie. A
// class of its own so that assistive technology can be given its list of controls.
#pragma once

#include <QWidget>

namespace kestrano::ui {

class AreaClient final : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;
};

}  // namespace kestrano::ui
