// What every small dialog shares, checked once for all of them: the title, the fields in
// tab order, the active control on showing, the buttons, accessible names from captions,
// and captions that fit at the dialog's default size.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "dialog_tests.h"
#include "dialogs/document_properties_dialog.h"
#include "dialogs/go_to_page_dialog.h"
#include "dialogs/log_dialog.h"
#include "dialogs/options_dialog.h"
#include "dialogs/page_props_dialog.h"
#include "dialogs/select_font_dialog.h"
#include "dialogs/slide_organiser_dialog.h"
#include "dialogs/stencil_properties_dialog.h"

namespace {
struct DialogCase {
  const char* title;
  std::function<std::unique_ptr<QDialog>()> make;
  QStringList tabOrder;  // controls by object name, then the buttons
  QString initial;
};

template <typename T>
std::function<std::unique_ptr<QDialog>()> Make() {
  return [] { return std::make_unique<T>(); };
}

const std::vector<DialogCase>& Cases() {
  static const std::vector<DialogCase> cases = {
      {"Document Properties", Make<TDocumentProperties>(),
       {"BGCB", "SizeX", "SizeY", "FullScreen", "IncludeOutlines", "Compress", "Title", "Subject", "Author", "OK",
        "Cancel"},
       "BGCB"},
      {"Page Properties", Make<TPageProps>(),
       {"Title", "HasMajorOutline", "MajOutline", "HasMinorOutline", "MinOutline", "OK", "Cancel"}, "Title"},
      {"Options", Make<TOptions>(),
       {"StartPDF", "ConfirmDelete", "ShowPropsOnAdd", "SnapToGrid", "GridSize", "ShowDocProps", "ShowTips", "OK",
        "Cancel"},
       "ConfirmDelete"},
      {"Slide Organiser", Make<TSO>(), {"Pages", "ShiftUp", "ShiftDown", "OK", "Cancel"}, "Pages"},
      {"Go To Page", Make<TForm6>(), {"Pages", "OK", "Cancel"}, "Pages"},
      {"Stencil Properties", Make<TStencilProperties>(), {"Package", "StencilName", "Icons", "OK", "Cancel"},
       "StencilName"},
      {"Select Font", Make<TSelectFont>(), {"Font", "Size", "Bold", "Italic", "Underline", "OK", "Cancel"}, "Font"},
      {"Message Log", Make<TLog>(), {"Log", "OK", "Clear"}, "Log"},
  };
  return cases;
}

bool TakesTab(const QWidget* w) {
  return (w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty() && !w->objectName().startsWith("qt_");
}

// The named controls of `dialog` in the order the Tab key visits them.
QStringList TabChain(QDialog& dialog, const QString& first) {
  QStringList chain;
  QWidget* start = dialog.findChild<QWidget*>(first);
  if (!start) return chain;
  QWidget* w = start;
  do {
    if (w != &dialog && dialog.isAncestorOf(w) && TakesTab(w)) chain << w->objectName();
    w = w->nextInFocusChain();
  } while (w != start && chain.size() < 50);
  return chain;
}

QString Plain(QString caption) { return caption.remove(QLatin1Char('&')); }
}  // namespace

class AllDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void TitleTabOrderAndInitialControl() {
    for (const DialogCase& c : Cases()) {
      auto dialog = c.make();
      QCOMPARE(dialog->windowTitle(), QString::fromUtf8(c.title));
      QCOMPARE(TabChain(*dialog, c.tabOrder.first()), c.tabOrder);
      dialog->show();
      QWidget* focus = dialog->focusWidget();
      QVERIFY2(focus, c.title);
      // An editable list hands its focus to its line edit.
      const QString focused = focus->objectName().isEmpty() ? focus->parentWidget()->objectName() : focus->objectName();
      QCOMPARE(focused, c.initial);
      dialog->hide();
      dialog->show();  // shown again, the same control is active again
      QCOMPARE(dialog->focusWidget(), focus);
    }
  }

  void OkIsTheDefaultButton() {
    for (const DialogCase& c : Cases()) {
      auto dialog = c.make();
      auto* ok = Child<QPushButton>(*dialog, "OK");
      QCOMPARE(ok->text(), QString("OK"));
      QVERIFY2(ok->isDefault(), c.title);
      dialog->show();
      QTest::mouseClick(ok, Qt::LeftButton);
      QCOMPARE(dialog->result(), int(QDialog::Accepted));
      if (auto* cancel = dialog->findChild<QPushButton*>("Cancel")) {
        QCOMPARE(cancel->text(), QString("Cancel"));
        dialog->show();
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
      }
    }
  }

  void AccessibleNamesComeFromCaptions() {
    for (const DialogCase& c : Cases()) {
      auto dialog = c.make();
      for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (!TakesTab(w)) continue;
        const QString where = QString::fromUtf8(c.title) + "/" + w->objectName();
        QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(where));
        if (auto* button = qobject_cast<QAbstractButton*>(w))
          QCOMPARE(w->accessibleName(), Plain(button->text()));
      }
      for (QLabel* label : dialog->findChildren<QLabel*>())
        if (label->buddy()) QCOMPARE(label->buddy()->accessibleName(), Plain(label->text()));
    }
  }

  void CaptionsFitAtTheDefaultSize() {
    for (const DialogCase& c : Cases()) {
      auto dialog = c.make();
      dialog->show();
      for (QWidget* w : dialog->findChildren<QWidget*>()) {
        const bool captioned = qobject_cast<QAbstractButton*>(w) ||
                               (qobject_cast<QLabel*>(w) && !qobject_cast<QLabel*>(w)->text().isEmpty());
        if (!captioned || !w->isVisible()) continue;
        const QString where = QString::fromUtf8(c.title) + "/" + w->objectName() + " " + w->metaObject()->className();
        QVERIFY2(w->width() >= w->sizeHint().width(), qPrintable(where));
        QVERIFY2(w->height() >= w->sizeHint().height(), qPrintable(where));
      }
    }
  }
};

static RegisterDialogTest<AllDialogsTest> registration("AllDialogsTest");
#include "all_dialogs_test.moc"
