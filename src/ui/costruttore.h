// The one builder that turns a layout table into widgets on a client area: geometry, fonts,
// colours, stacking (first row on top), tab order, tooltips, accessible names and objectName.
#pragma once

#include <QHash>
#include <QString>
#include <QWidget>
#include <span>

#include "ui/layout.h"

namespace kestrano::ui {

using ControlliCostruiti = QHash<QString, QWidget*>;

ControlliCostruiti costruisci(QWidget* area, std::span<const DescrizioneControllo> tabella);

// The first visible, enabled control in tab order among those built, or nullptr.
QWidget* primoInOrdineTab(std::span<const DescrizioneControllo> tabella, const ControlliCostruiti& controlli);

QString testoQt(std::string_view testo);

}  // namespace kestrano::ui
