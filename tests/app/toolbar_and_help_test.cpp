// The toolbar, the help window and the About box.
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>

#include "app/commands.h"
#include "app/help_commands.h"
#include "app/help_window.h"
#include "app_test_support.h"
#include "command_test_support.h"

class ToolbarAndHelpTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { ClearStoredSettings(); }

  // Twenty-two buttons in their order, each with a picture and its short hint as tooltip.
  void toolbarButtons() {
    TestWindow t;
    MainWindow& w = *t.Window;
    StartWindow(w);
    auto* bar = w.findChild<QToolBar*>(QStringLiteral("DockingToolbar"));
    QVERIFY(bar);
    QStringList tips;
    for (QAction* action : bar->actions()) {
      if (action->isSeparator()) continue;
      tips << action->toolTip();
      QVERIFY2(!action->icon().pixmap(24, 24).isNull(), qPrintable(action->toolTip()));
      auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
      QVERIFY(button);
      QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
    }
    QCOMPARE(tips, (QStringList{"New", "Open", "Save", "Delete", "Properties", "Undo", "Redo",
                                "First slide", "Previous slide", "Next slide", "Last slide", "Generate PDF",
                                "Generate SVG", "Insert slide", "Add slide", "Delete slide", "Slide organiser",
                                "Slide show", "Show from current slide", "Selection", "Dropper", "Help"}));
    for (const char* id : {ActionId::ObjProperties, ActionId::EditUndo, ActionId::EditRedo})
      QVERIFY2(!Action(w, id)->isEnabled(), id);
  }

  // F1 shows the contents; each object kind's topic number leads to its own section.
  void helpTopics_data() {
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("heading");
    QTest::newRow("text") << 1501 << "Text";
    QTest::newRow("line") << 1502 << "Line";
    QTest::newRow("Bezier") << 1503 << "Bezier curve";
    QTest::newRow("rectangle") << 1504 << "Rectangle";
    QTest::newRow("picture") << 1505 << "Picture";
    QTest::newRow("guide") << 1506 << "Guide";
    QTest::newRow("link") << 1507 << "Link";
  }
  void helpTopics() {
    QFETCH(int, topic);
    QFETCH(QString, heading);
    TestWindow t;
    MainWindow& w = *t.Window;
    StartWindow(w);
    QVERIFY(Trigger(w, ActionId::HelpContents));
    HelpWindow* help = w.Cmds().Help().Window();
    QVERIFY(help->isVisible());
    QVERIFY(help->Browser()->toPlainText().contains(QStringLiteral("Getting started")));
    w.Cmds().Help().ShowTopic(topic);
    QCOMPARE(help->Source().fragment(), QString::number(topic));
    // The anchor sits on the heading of that kind's section.
    QString anchored;
    const QTextDocument* page = help->Browser()->document();
    for (QTextBlock block = page->begin(); block.isValid(); block = block.next())
      for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().anchorNames().contains(QString::number(topic))) anchored = block.text();
    QCOMPARE(anchored, heading);
  }

  void aboutBox() {
    TestWindow t;
    MainWindow& w = *t.Window;
    StartWindow(w);
    w.Cmds().Help().PluginLines = {QStringLiteral("Charts 1.2")};
    QStringList labels;
    t.Prompts->DialogScripts.push_back([&](QDialog& dialog) {
      for (const char* name : {"ProductName", "Version", "Plugins"})
        labels << dialog.findChild<QLabel*>(QString::fromLatin1(name))->text();
      return true;
    });
    QVERIFY(Trigger(w, ActionId::HelpAbout));
    QCOMPARE(labels, (QStringList{"Quarrion", "Version 1.0", "Charts 1.2"}));
  }
};

REGISTER_APP_TEST(ToolbarAndHelpTest);
#include "toolbar_and_help_test.moc"
