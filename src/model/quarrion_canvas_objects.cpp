// How objects enter and leave pages, the selection and the back-to-front order.
#include <algorithm>

#include "model/quarrion_canvas.h"
#include "objects/annot.h"

TPDFObject* TQuarrionCanvas::Add(std::unique_ptr<TPDFObject> obj) {
  if (pages_.empty()) AddPage(256, true, false);
  TPDFObject* o = obj.get();
  o->PageIndex = page_;
  if (!o->Owner()) o->SetOwner(this);
  o->Left = Snap(o->Left);
  o->Top = Snap(o->Top);
  o->Right = Snap(o->Right);
  o->Bottom = Snap(o->Bottom);
  o->SetObjectID(NextObjectID++);
  for (auto& a : o->Annots()) a->SetOwner(o->Owner());
  auto& objects = CurrentPage().Objects;
  objects.push_back(std::move(obj));
  selection_.assign(1, int(objects.size()) - 1);
  if (Undoable) {
    o->Deleted = true;
    StartUndo();
    o->Deleted = false;
    EndUndo();
  }
  // Placing with a tool other than selection leaves nothing selected.
  // (The tool lives with the display code; tSelect is the default.)
  if (tool_ != TTool::tSelect) selection_.clear();
  Repaint();
  return o;
}

std::unique_ptr<TPDFObject> TQuarrionCanvas::Delete(int page, int index) {
  if (page < 0 || page >= PageCount()) return nullptr;
  auto& objects = pages_[page].Objects;
  if (index < 0 || index >= int(objects.size())) return nullptr;
  if (Undoable) {
    StartUndo();
    objects[index]->Deleted = true;
    EndUndo();
    RemoveFromSelection(index);
    Repaint();
    return nullptr;
  }
  return RemoveObject(page, index);
}

void TQuarrionCanvas::DeleteSelected() {
  if (selection_.empty()) return;
  if (Undoable) {
    StartUndo();
    auto& objects = CurrentPage().Objects;
    for (auto it = selection_.rbegin(); it != selection_.rend(); ++it)
      if (*it >= 0 && *it < int(objects.size())) objects[*it]->Deleted = true;
    EndUndo();
    selection_.clear();
    FireSelectionChanged();
    Repaint();
    return;
  }
  int page = page_;
  page_ = -1;
  TPDFSelection doomed = selection_;
  std::sort(doomed.rbegin(), doomed.rend());
  for (int index : doomed) RemoveObject(page, index);
  page_ = page;
  Repaint();
}

std::unique_ptr<TPDFObject> TQuarrionCanvas::RemoveObject(int page, int index) {
  if (page < 0 || page >= PageCount()) return nullptr;
  auto& objects = pages_[page].Objects;
  if (index < 0 || index >= int(objects.size())) return nullptr;
  std::unique_ptr<TPDFObject> obj = std::move(objects[index]);
  objects.erase(objects.begin() + index);
  if (IsSelected(index)) RemoveFromSelection(index);
  if (page == obj->PageIndex) Repaint();
  if (obj->Owner() == this) obj->SetOwner(nullptr);
  if (OnDeleteObject) OnDeleteObject(*obj);
  return obj;
}

int TQuarrionCanvas::GetObjectIndex(const TPDFObject* obj, int page) const {
  if (page < 0 || page >= PageCount()) return -1;
  const auto& objects = pages_[page].Objects;
  for (std::size_t i = 0; i < objects.size(); ++i)
    if (objects[i].get() == obj) return int(i);
  return -1;
}

bool TQuarrionCanvas::IsSelected(int index) const {
  return std::find(selection_.begin(), selection_.end(), index) != selection_.end();
}

void TQuarrionCanvas::AddToSelection(int index) {
  if (IsSelected(index)) return;
  CancelUndo();
  selection_.push_back(index);
  FireSelectionChanged();
}

void TQuarrionCanvas::RemoveFromSelection(int index) {
  CancelUndo();
  if (selection_.empty()) return;
  auto it = std::find(selection_.begin(), selection_.end(), index);
  if (it != selection_.end()) selection_.erase(it);
  FireSelectionChanged();
}

void TQuarrionCanvas::MoveSelection(int dx, int dy) {
  if (page_ < 0 || page_ >= PageCount()) return;
  auto& objects = CurrentPage().Objects;
  for (int index : selection_)
    if (index >= 0 && index < int(objects.size())) objects[index]->MoveEdges(Edge::All, dx, dy);
  Repaint();
}

// Moves one object from position `from` to `to`, shifting those between, and keeps the
// undo history pointing at the same objects.
void TQuarrionCanvas::MoveObject(int page, int from, int to) {
  auto& objects = pages_[page].Objects;
  RenumberUndo(page, from, -1);
  if (from < to) {
    for (int i = from + 1; i <= to; ++i) RenumberUndo(page, i, i - 1);
    std::rotate(objects.begin() + from, objects.begin() + from + 1, objects.begin() + to + 1);
  } else {
    for (int i = from - 1; i >= to; --i) RenumberUndo(page, i, i + 1);
    std::rotate(objects.begin() + to, objects.begin() + from, objects.begin() + from + 1);
  }
  RenumberUndo(page, -1, to);
  if (page == page_ && IsSelected(from)) {
    RemoveFromSelection(from);
    AddToSelection(to);
  }
  if (page == page_) Repaint();
}

void TQuarrionCanvas::BringToFront(int page, int index) {
  if (page < 0 || page >= PageCount()) return;
  int count = int(pages_[page].Objects.size());
  if (index < 0 || index > count - 2) return;
  MoveObject(page, index, count - 1);
}

void TQuarrionCanvas::MoveForward(int page, int index) {
  if (page < 0 || page >= PageCount()) return;
  int count = int(pages_[page].Objects.size());
  if (index < 0 || index > count - 2) return;
  MoveObject(page, index, index + 1);
}

void TQuarrionCanvas::MoveBack(int page, int index) {
  if (page < 0 || page >= PageCount()) return;
  int count = int(pages_[page].Objects.size());
  if (index < 1 || index > count - 1) return;
  MoveObject(page, index, index - 1);
}

void TQuarrionCanvas::SendToBack(int page, int index) {
  if (page < 0 || page >= PageCount()) return;
  int count = int(pages_[page].Objects.size());
  if (index < 1 || index > count - 1) return;
  MoveObject(page, index, 0);
}
