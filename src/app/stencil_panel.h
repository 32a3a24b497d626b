#pragma once

#include <QListWidget>

class QMimeData;

// The stencil panel below the page list: one entry per stencil (icon and caption), in
// the order of the stencil list. It only shows the stencils and reports what the user
// does with them; StencilCommands owns the stencils and acts.
class StencilPanel : public QListWidget {
  Q_OBJECT
 public:
  // Drags of a stencil carry its index under this private type.
  static constexpr const char* MimeType = "application/x-quarrion-stencil";

  explicit StencilPanel(QWidget* parent = nullptr);

  void Append(const QString& caption, const QIcon& icon);
  void SetEntry(int index, const QString& caption, const QIcon& icon);
  void Remove(int index);

  // The selected entry, or -1.
  int SelectedIndex() const;
  void Select(int index);
  // Clears the selection (the stencil tool is released with it).
  void ClearChoice();
  // The entry under the mouse, or -1.
  int HoverIndex() const { return hover_; }
  // Whether the stencil tool is latched: the selected entry is then drawn sunken.
  void SetLatched(bool latched);
  bool Latched() const { return latched_; }

  // What a drag of the stencil at `index` carries: the index and this process, since an
  // index means nothing to another running copy of the program.
  static QMimeData* DragData(int index);
  // The stencil index a drag of this process carries, or -1 when it is no such drag.
  static int DraggedIndex(const QMimeData* data);

 protected:
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
  void startDrag(Qt::DropActions actions) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void SetHover(int index);

  int hover_ = -1;
  bool latched_ = false;
};
