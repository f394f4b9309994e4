#pragma once

#include <QString>

class QDialog;
class QPushButton;
class QVBoxLayout;

// The row both wizard steps end with: the default confirm button ("1") and "Annuler" ("2"),
// pushed to the bottom right and wired to accept and reject. Returns the confirm button,
// whose text the step changes with its mode.
QPushButton *AddWizardButtons(QDialog *dialog, QVBoxLayout *layout, const QString &confirmText);
