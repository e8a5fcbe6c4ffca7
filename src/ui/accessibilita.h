// What assistive technology sees of the windows: the controls a pupil uses and reads, and
// not the decorations (shapes, lines, empty panels, the empty bar) nor the controls that never
// show. A container lists only the children that are not left out.
#pragma once

class QWidget;

namespace kestrano::ui {

// Leaves the widget out of its container's accessible children.
void escludiDallAlbero(QWidget* w);
bool esclusoDallAlbero(const QWidget* w);

// Installs the accessible interfaces of the program's own containers.
void preparaAccessibilita();

}  // namespace kestrano::ui
