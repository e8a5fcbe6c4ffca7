// The program's style: the platform's own, less the icon of the menu bar's overflow button.
#pragma once

#include <QProxyStyle>

namespace kestrano::ui {

// A menu bar makes an overflow button at once and asks the style for its icon, which the
// style looks up in the icon theme and decodes from an image file. The program's menus always
// fit their bar, so that button never shows: its icon is left empty and the lookup is saved.
class StileClassico : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap icona, const QStyleOption* opzione = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace kestrano::ui
