#pragma once

#include <QString>

class QPushButton;
class QWidget;

// A push button for the dialogs: its object name, its caption, the caption without "&" as
// its accessible name, and no auto-default (only the dialog's OK is the default).
QPushButton* NamedButton(const QString& objectName, const QString& caption, QWidget* parent);
