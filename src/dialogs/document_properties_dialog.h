#pragma once

#include <QPoint>
#include <functional>
#include <memory>
#include <string>

#include "base/geometry.h"
#include "dialogs/small_dialog.h"

class QCheckBox;
class QFrame;
class TGradientPreview;
class TGradProps;
class QLineEdit;
class NumericField;
class TPDFGradient;

// "Document Properties": the page background and size, the export options and the
// document's texts (Windows-1252). The background is either the colour swatch's colour or
// a gradient the dialog holds a copy of.
class TDocumentProperties : public TSmallDialog {
  Q_OBJECT
 public:
  explicit TDocumentProperties(QWidget* parent = nullptr);
  ~TDocumentProperties() override;

  // Run by "Background &Colour" in place of the built-in choice (ChooseBackground).
  void SetOnBackgroundColour(std::function<void()> hook) { onBackgroundColour_ = std::move(hook); }
  // Runs the colour dialog for "Background &Colour" (already placed and preset); true on
  // OK. By default it is run modally; tests answer it directly.
  std::function<bool(TGradProps&)> RunColourDialog;
  // The document's stored background gradient, offered when the background is a colour.
  void SetStoredGradient(const TPDFGradient* gradient);
  // What "Background &Colour" does without a hook: the colour and gradient dialog at
  // ColourDialogPosition(), preset with the swatch's colour and the current gradient; OK
  // shows the chosen colour, or the chosen gradient in place of the colour swatch.
  void ChooseBackground();
  // 30 pixels right of and below this window's top-left corner.
  QPoint ColourDialogPosition() const;

  // A solid background: the colour swatch shows `colour`; a held gradient is dropped.
  void SetBackgroundColour(TColor colour);
  // A gradient background: the dialog keeps a copy and shows the gradient swatch in place
  // of the colour swatch, whose colour stays as it was.
  void SetBackgroundGradient(const TPDFGradient& gradient);
  TColor BackgroundColour() const { return colour_; }
  bool BackgroundIsGradient() const { return gradient_ != nullptr; }
  // The held gradient, or null for a solid background.
  const TPDFGradient* BackgroundGradient() const { return gradient_.get(); }
  // A copy of the held gradient for the document to own, or null for a solid background.
  std::unique_ptr<TPDFGradient> CopyBackgroundGradient() const;

  void SetPageSize(int width, int height);
  // The numbers of the two size fields; 0 (an empty field too) gives 432 and 324.
  int PageWidth() const;
  int PageHeight() const;

  void SetFullScreen(bool on);
  bool FullScreen() const;
  void SetShowOutlines(bool on);
  bool ShowOutlines() const;
  void SetCompressed(bool on);
  bool Compressed() const;

  void SetDocumentTitle(const std::string& title);
  std::string DocumentTitle() const;
  void SetSubject(const std::string& subject);
  std::string Subject() const;
  void SetAuthor(const std::string& author);
  std::string Author() const;

 private:
  QWidget* CreatePageDefaults();
  QWidget* CreateExportProperties();
  QWidget* CreateDocumentTexts();

  std::function<void()> onBackgroundColour_;
  TColor colour_ = 0xFFFFFF;
  std::unique_ptr<TPDFGradient> gradient_;
  std::unique_ptr<TPDFGradient> storedGradient_;

  QFrame* colourSwatch_ = nullptr;
  TGradientPreview* gradientSwatch_ = nullptr;
  NumericField* sizeX_ = nullptr;
  NumericField* sizeY_ = nullptr;
  QCheckBox* fullScreen_ = nullptr;
  QCheckBox* outlines_ = nullptr;
  QCheckBox* compress_ = nullptr;
  QLineEdit* title_ = nullptr;
  QLineEdit* subject_ = nullptr;
  QLineEdit* author_ = nullptr;
};
