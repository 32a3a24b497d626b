#include "dialogs/font_face_list.h"

#include "dialogs/font_list_delegate.h"
#include "platform/qt/gui/screen_fonts.h"
#include "text/font_table.h"

FontFaceList::FontFaceList(QWidget* parent) : QComboBox(parent) {
  setItemDelegate(new FontListDelegate(this));
  for (const TFontFace& face : FontTable()) {
    const QString name = QString::fromStdString(face.Name);
    addItem(name);
    // Symbol faces would show their own name as symbols: those keep the list's font.
    const bool readable = ScreenText(face.Name, face.Name) == name;
    setItemData(count() - 1, readable ? ScreenFamily(face.Name) : font().family(), FontListDelegate::FamilyRole);
  }
}
