#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

#include "base/geometry.h"
#include "dialogs/numeric_field.h"

class ColourSwatch;
class QAbstractButton;
class QLabel;
class QPushButton;
class TGradProps;
class TPDFGradient;
class TPDFObject;

// What the panels ask of the dialog around them: running the colour dialog, choosing a
// picture file and showing a warning. Tests answer these directly.
struct PanelServices {
  // Runs the colour dialog (already preset); true when it closed with OK.
  std::function<bool(TGradProps&)> RunColourDialog;
  // A picture file chosen by the user, or an empty text.
  std::function<QString()> ChoosePicture;
  std::function<void(const QString&)> Warn;
  // The first edited object, and a walk over every edited object the panel edits.
  std::function<TPDFObject*()> FirstObject;
  std::function<void(const std::function<void(TPDFObject&)>&)> ForEachObject;
};

// One page of the object properties dialog: the controls of one object class. It is filled
// from the first edited object and applied as a whole to each edited object of its class;
// every change of a control asks the dialog (OnChanged) to apply it at once.
class PropertyPanel : public QWidget {
  Q_OBJECT
 public:
  PropertyPanel(const char* name, PanelServices& services, QWidget* parent);

  // Whether the panel edits objects of `obj`'s class (or of one derived from it).
  virtual bool Edits(const TPDFObject& obj) const = 0;
  // Sets every control from `first`; `count` objects are edited.
  void Fill(const TPDFObject& first, int count);
  virtual void Apply(TPDFObject& obj) = 0;
  // The control that takes the focus when the dialog shows.
  virtual QWidget* FirstControl() = 0;
  // A copy was moved or resized in the preview.
  virtual void ObjectMoved(const TPDFObject&) {}

  std::function<void()> OnChanged;

  // Text of a number of points as the fields show it (system decimal separator).
  static QString PointsText(double points);
  // A decimal field's value; an empty field or a lone separator is 0.
  static double DecimalValue(const QLineEdit& field);

 protected:
  virtual void DoFill(const TPDFObject& first, int count) = 0;
  // Runs OnChanged unless the panel is being filled.
  void Changed();
  bool Filling() const { return filling_; }

  // Controls named and labelled as the dialog's other controls are.
  QLabel* Label(const QString& caption, QWidget* buddy);
  NumericField* Numeric(const char* name, NumericFormat format);
  QPushButton* Button(const char* name, const QString& caption);
  template <typename Box>
  Box* Check(const char* name, const QString& caption) {
    auto* box = new Box(caption, this);
    Named(box, name, caption);
    return box;
  }
  void Named(QWidget* widget, const char* name, const QString& caption);
  // A colour button and its swatch: the button opens the colour dialog preset with the
  // swatch's colour and, on OK, gives the swatch the chosen colour and applies the panel
  // (unless `wired` is false and the panel handles the click itself).
  ColourSwatch* ColourButton(const char* name, const QString& caption, QPushButton** button = nullptr,
                             bool wired = true);
  // Runs the colour dialog for `swatch`; true when it closed with OK.
  bool ChooseColour(ColourSwatch* swatch, TGradProps& dialog);

  PanelServices& services_;

 private:
  bool filling_ = false;
};
