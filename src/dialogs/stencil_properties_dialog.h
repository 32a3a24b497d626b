#pragma once

#include <QIcon>
#include <QList>
#include <string>

#include "dialogs/small_dialog.h"

class QLabel;
class QLineEdit;
class QListWidget;

// "Stencil Properties": the stencil's package (shown only), its name, how many objects it
// holds, and the icon chosen for it from the icons the caller supplies.
class TStencilProperties : public TSmallDialog {
  Q_OBJECT
 public:
  explicit TStencilProperties(QWidget* parent = nullptr);

  // The longest name a stencil file can hold, in bytes (one byte a character).
  static constexpr int MaxNameLength = 255;

  void SetPackage(const QString& package);
  QString Package() const;
  // Windows-1252, as the stencil file holds it.
  void SetStencilName(const std::string& name);
  std::string StencilName() const;
  void SetObjectCount(int count);
  // The icons to choose from, in the order of their indexes.
  void SetIcons(const QList<QIcon>& icons);
  // The chosen icon's index, or -1 when none is chosen.
  void SetIconIndex(int index);
  int IconIndex() const;

 private:
  QLineEdit* package_;
  QLineEdit* name_;
  QLabel* count_;
  QListWidget* icons_;
};
