#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QObject>
#include <QString>
#include <QTest>
#include <functional>
#include <map>
#include <memory>
#include <string>

// Each test file registers its Qt Test class by name; main runs one class or all.
using DialogTestFactory = std::function<std::unique_ptr<QObject>()>;
std::map<std::string, DialogTestFactory>& DialogTestRegistry();

template <typename T>
struct RegisterDialogTest {
  explicit RegisterDialogTest(const char* name) {
    DialogTestRegistry()[name] = [] { return std::make_unique<T>(); };
  }
};

// The child called `name` of type T; a missing child stops the run, naming it.
template <typename T>
T* Child(const QObject& parent, const char* name) {
  auto* child = parent.findChild<T*>(QString::fromLatin1(name));
  if (!child) qFatal("no child %s", name);
  return child;
}

// Types `text` into `widget` one character at a time, as a keyboard with any layout would
// (QTest::keyClicks only takes Latin-1).
inline void TypeText(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &release);
  }
}

// Clicks a check box on its indicator: a box stretched by its layout only reacts over the
// indicator and the caption, not over its middle.
inline void ClickBox(QWidget* box) {
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}
