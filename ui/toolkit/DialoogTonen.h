#pragma once

#include <QtGlobal>

class QDialog;
class QWidget;

namespace ui {

// The scale the main window is shown at and the window that shows it (the stage), so that
// dialogs are shown alike; 1 and none while the window is shown 1:1.
void zetPodiumStand(qreal schaal, QWidget *podium);
qreal podiumSchaal();

// Runs a dialog like QDialog::exec and returns its result. While the main window is scaled the
// dialog is scaled the same, drawn at the screen's resolution, and centred on the stage's
// screen; at 1:1 it is shown exactly as exec() shows it.
int toonDialoog(QDialog &dialoog);

} // namespace ui
