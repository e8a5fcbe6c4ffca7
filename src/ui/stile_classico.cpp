#include "ui/stile_classico.h"

namespace kestrano::ui {

QIcon StileClassico::standardIcon(StandardPixmap icona, const QStyleOption* opzione, const QWidget* widget) const {
    if (icona == SP_ToolBarHorizontalExtensionButton || icona == SP_ToolBarVerticalExtensionButton) return {};
    return QProxyStyle::standardIcon(icona, opzione, widget);
}

}  // namespace kestrano::ui
