#include "dialogs/object_properties_dialog.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "dialogs/dialog_text.h"
#include "dialogs/named_button.h"
#include "dialogs/guide_panel.h"
#include "dialogs/image_panel.h"
#include "dialogs/line_panel.h"
#include "dialogs/link_panel.h"
#include "dialogs/rect_panel.h"
#include "dialogs/text_panel.h"
#include "platform/qt/widgets/qt_canvas_host.h"

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Object Properties"));
  setModal(true);
  services_.ChoosePicture = [this] {
    return QFileDialog::getOpenFileName(this, tr("Open Picture"), QString(),
                                        tr("Pictures (*.bmp *.jpg *.jpeg *.png *.gif)"));
  };
  services_.Warn = [this](const QString& m) { QMessageBox::warning(this, QStringLiteral("Quarrion"), m); };
  services_.FirstObject = [this]() -> TPDFObject* { return copies_.empty() ? nullptr : copies_.front(); };
  services_.ForEachObject = [this](const std::function<void(TPDFObject&)>& f) {
    for (TPDFObject* copy : copies_) f(*copy);
  };

  BuildPanels();
  preview_.Undoable = false;
  preview_.SetTool(TTool::tSelect);
  preview_.OnSelectionChanged = [this] { SelectionRule(); };
  preview_.OnObjectChanged = [this](TPDFObject& obj) {
    if (panel_) panel_->ObjectMoved(obj);
  };
  // The main work area's page, without the objects being edited, is the background.
  preview_.OnPaint = [this] {
    if (main_) main_->DrawOn(preview_, false, true, true, true);
  };
  host_ = new QtCanvasHost(this);
  host_->setObjectName(QStringLiteral("OneObject"));
  host_->setMinimumSize(360, 270);
  host_->SetCanvas(&preview_);

  auto* top = new QHBoxLayout;
  top->addWidget(panels_);
  top->addWidget(host_, 1);
  auto* bar = new QHBoxLayout;
  // Created in the order Tab visits them.
  auto* ok = NamedButton(QStringLiteral("OK"), tr("OK"), this);
  auto* cancel = NamedButton(QStringLiteral("Cancel"), tr("Cancel"), this);
  auto* help = NamedButton(QStringLiteral("Help"), tr("&Help"), this);
  connect(help, &QPushButton::clicked, this, [this] {
    if (OnHelp && !copies_.empty()) OnHelp(copies_.front()->HelpContext);
  });
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  bar->addStretch(1);
  bar->addWidget(ok);
  bar->addWidget(cancel);
  bar->addWidget(help);
  auto* column = new QVBoxLayout(this);
  column->addLayout(top, 1);
  column->addLayout(bar);
  resize(940, 560);
}

TForm2::~TForm2() {
  host_->SetCanvas(nullptr);
  // The copies go before the work area that holds them.
  TakeCopiesBack();
}

void TForm2::BuildPanels() {
  panels_ = new QStackedWidget(this);
  allPanels_ = {new RectPanel(services_, panels_), new LinePanel(services_, panels_),
                new TextPanel(services_, panels_), new ImagePanel(services_, panels_),
                new GuidePanel(services_, panels_), new LinkPanel(services_, panels_)};
  for (PropertyPanel* panel : allPanels_) {
    panels_->addWidget(panel);
    panel->setEnabled(false);
    panel->OnChanged = [this] { ApplyPanel(); };
  }
}

PropertyPanel* TForm2::PanelFor(const std::vector<TPDFObject*>& objects) const {
  if (objects.empty()) return nullptr;
  const std::uint8_t id = objects.front()->ClassID();
  for (const TPDFObject* obj : objects)
    if (obj->ClassID() != id) return nullptr;
  // A link is a rectangle too: the most particular page that takes the class wins.
  PropertyPanel* found = nullptr;
  for (PropertyPanel* panel : allPanels_)
    if (panel->Edits(*objects.front())) found = panel;
  return found;
}

void TForm2::Fill(TQuarrionCanvas& main) {
  TakeCopiesBack();
  taken_.clear();
  main_ = &main;
  preview_.PageWidth = main.PageWidth;
  preview_.PageHeight = main.PageHeight;
  preview_.GridSize = main.GridSize;
  // Copies keep their places: snapping them as they arrive would move the originals on OK.
  preview_.SnapToGrid = false;
  preview_.DrawContext.Document = &main;
  preview_.DrawContext.Page = main.Page();
  if (preview_.PageCount() == 0) preview_.AddPage(0, false, false);
  preview_.CurrentPage().UseMaster = main.PageCount() > 0 && main.CurrentPage().UseMaster;
  preview_.ClearStatic();

  copies_.clear();
  if (main.PageCount() > 0) {
    auto& objects = main.CurrentPage().Objects;
    for (int index : main.Selection())
      if (index >= 0 && index < int(objects.size()))
        copies_.push_back(preview_.Add(objects[std::size_t(index)]->Clone()));
  }
  preview_.ClearSelectionQuietly();

  panel_ = PanelFor(copies_);
  for (PropertyPanel* panel : allPanels_) panel->setEnabled(panel == panel_);
  panels_->setVisible(panel_ != nullptr);
  if (panel_) {
    panels_->setCurrentWidget(panel_);
    panel_->Fill(*copies_.front(), int(copies_.size()));
  }
  preview_.Repaint();
}

bool TForm2::Edit(TQuarrionCanvas& main) {
  Fill(main);
  return exec() == QDialog::Accepted;
}

void TForm2::ApplyTo(TQuarrionCanvas& main) const {
  if (main.PageCount() == 0) return;
  auto& objects = main.CurrentPage().Objects;
  const TPDFSelection& selection = main.Selection();
  for (std::size_t i = 0; i < copies_.size() && i < selection.size(); ++i) {
    const int index = selection[i];
    if (index >= 0 && index < int(objects.size())) copies_[i]->AssignTo(*objects[std::size_t(index)]);
  }
}

void TForm2::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  preview_.ClearSelectionQuietly();
  SelectionRule();
  if (auto* text = dynamic_cast<TextPanel*>(panel_)) text->RememberFontSize();
  if (panel_) panel_->FirstControl()->setFocus(Qt::OtherFocusReason);
}

void TForm2::done(int result) {
  host_->hide();
  TakeCopiesBack();
  host_->show();
  QDialog::done(result);
}

void TForm2::ApplyPanel() {
  if (!panel_) return;
  for (TPDFObject* copy : copies_)
    if (panel_->Edits(*copy)) panel_->Apply(*copy);
  preview_.Repaint();
}

void TForm2::SelectionRule() {
  if (selecting_ || preview_.PageCount() == 0) return;
  const int count = int(preview_.CurrentPage().Objects.size());
  if (int(preview_.Selection().size()) >= count - 1) return;
  selecting_ = true;
  for (int i = 0; i < count; ++i) preview_.AddToSelection(i);
  selecting_ = false;
}

void TForm2::TakeCopiesBack() {
  if (preview_.PageCount() == 0) return;
  // Taking the copies off changes the selection; the selection rule must not answer.
  selecting_ = true;
  auto& objects = preview_.CurrentPage().Objects;
  std::vector<std::unique_ptr<TPDFObject>> removed;
  for (int i = int(objects.size()) - 1; i >= 0; --i) removed.push_back(preview_.RemoveObject(0, i));
  selecting_ = false;
  // Kept in the order they were added, so copies_ still points at live objects.
  for (auto it = removed.rbegin(); it != removed.rend(); ++it) taken_.push_back(std::move(*it));
  preview_.ClearStatic();
}
