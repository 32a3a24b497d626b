// File commands and closing: the questions, their Cancel, and the save-open loop.
#include <QTest>

#include "app_test_support.h"
#include "model/quarrion_canvas.h"
#include "objects/rectangle.h"
#include "shell/memory_settings_store.h"

namespace {
// An untitled document with one rectangle, modified.
void Edit(MainWindow& w) {
  w.WorkArea().Add(std::make_unique<TPDFRectangle>(10, 10, 50, 50));
  w.SetModified(true);
}

std::size_t ObjectCount(MainWindow& w) { return w.WorkArea().CurrentPage().Objects.size(); }
}  // namespace

class FileCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { ClearStoredSettings(); }

  // Each way of answering the closing questions, and whether the window stays.
  void closingQuestions_data() {
    QTest::addColumn<QList<int>>("saveChanges");  // TAnswer per question
    QTest::addColumn<QStringList>("saveAsNames");
    QTest::addColumn<bool>("settingsFail");
    QTest::addColumn<QList<bool>>("okCancel");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QStringList>("asked");
    const QString question = QStringLiteral("Save changes to (untitled)?");
    QTest::newRow("Cancel at save changes keeps the window")
        << QList<int>{int(TAnswer::Cancel)} << QStringList{} << false << QList<bool>{} << false << QStringList{question};
    QTest::newRow("Yes, then Save As cancelled, keeps the window without a message")
        << QList<int>{int(TAnswer::Yes)} << QStringList{QString()} << false << QList<bool>{} << false << QStringList{question};
    QTest::newRow("Cancel at could not save settings keeps the window")
        << QList<int>{int(TAnswer::No)} << QStringList{} << true << QList<bool>{false} << false
        << QStringList{question, QStringLiteral("Could not save settings")};
    QTest::newRow("OK at could not save settings closes")
        << QList<int>{int(TAnswer::No)} << QStringList{} << true << QList<bool>{true} << true
        << QStringList{question, QStringLiteral("Could not save settings")};
    QTest::newRow("No closes") << QList<int>{int(TAnswer::No)} << QStringList{} << false << QList<bool>{} << true << QStringList{question};
  }

  void closingQuestions() {
    QFETCH(QList<int>, saveChanges);
    QFETCH(QStringList, saveAsNames);
    QFETCH(bool, settingsFail);
    QFETCH(QList<bool>, okCancel);
    QFETCH(bool, closes);
    QFETCH(QStringList, asked);
    TestWindow t;
    MainWindow& w = *t.Window;
    auto store = std::make_unique<MemorySettingsStore>();
    store->FailCommits(settingsFail);
    w.SetStore(std::move(store));
    w.Start({});
    w.show();
    Edit(w);
    w.WorkArea().Resources.Add("picture.png", "PNG bytes");
    for (int a : saveChanges) t.Prompts->YesNoCancelAnswers.push_back(TAnswer(a));
    for (const QString& n : saveAsNames) t.Prompts->SaveNames.push_back(n);
    for (bool a : okCancel) t.Prompts->OkCancelAnswers.push_back(a);

    QCOMPARE(w.close(), closes);
    QCOMPARE(t.Prompts->Asked, asked);
    QVERIFY(t.Prompts->Warnings.isEmpty());
    QVERIFY(t.Prompts->Unanswered.isEmpty());
    if (!closes) {
      QVERIFY(w.isVisible());
      QCOMPARE(ObjectCount(w), std::size_t(1));
      QVERIFY(w.Modified());
      QCOMPARE(w.WorkArea().Resources.Count(), 1);
    }
  }

  void saveAsReplacesTheExtensionAndOpenBringsTheDocumentBack() {
    TestWindow t;
    MainWindow& w = *t.Window;
    w.Start({});
    Edit(w);
    const QString chosen = TestFolder() + QStringLiteral("/loop.txt");
    t.Prompts->SaveNames.push_back(chosen);
    QVERIFY(w.SaveAs());
    const QString saved = TestFolder() + QStringLiteral("/loop.qsl");
    QVERIFY(QFile::exists(saved));
    QVERIFY(!QFile::exists(chosen));
    QCOMPARE(w.FileName(), saved);
    QCOMPARE(w.windowTitle(), QStringLiteral("Quarrion - loop.qsl"));
    QVERIFY(!w.Modified());
    QCOMPARE(t.Prompts->Requests.back().Title, QStringLiteral("Save Slide Show"));
    QCOMPARE(t.Prompts->Requests.back().ProposedName, QStringLiteral("untitled.qsl"));
    QCOMPARE(w.DocumentsDir, TestFolder() + QLatin1Char('/'));

    w.NewDocument();
    QCOMPARE(ObjectCount(w), std::size_t(0));
    t.Prompts->OpenNames.push_back(saved);
    w.OpenCommand();
    QCOMPARE(ObjectCount(w), std::size_t(1));
    QCOMPARE(w.FileName(), saved);
    QVERIFY(t.Prompts->Warnings.isEmpty());
  }

  // "talk.txt" saves as "talk.qsl": an existing "talk.qsl" is only replaced when the user
  // agrees, since the dialog asked about the other name.
  void saveAsAsksBeforeReplacingTheRenamedFile() {
    const QString existing = WriteDeck(QStringLiteral("keep.qsl"), 3);
    const QByteArray before = [&] {
      QFile f(existing);
      return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    TestWindow t;
    MainWindow& w = *t.Window;
    w.Start({});
    Edit(w);
    t.Prompts->SaveNames.push_back(TestFolder() + QStringLiteral("/keep.txt"));
    t.Prompts->YesNoAnswers.push_back(false);
    QVERIFY(!w.SaveAs());
    QCOMPARE(t.Prompts->Asked.size(), 1);
    QVERIFY(t.Prompts->Asked.first().contains(QStringLiteral("keep.qsl")));
    QFile f(existing);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
    QVERIFY(w.Modified());
  }

  void openingAnotherFileOffersToSaveChangesFirst() {
    const QString deck = WriteDeck(QStringLiteral("other.qsl"), 2);
    TestWindow t;
    MainWindow& w = *t.Window;
    w.Start({});
    Edit(w);
    t.Prompts->YesNoCancelAnswers.push_back(TAnswer::Cancel);
    t.Prompts->OpenNames.push_back(deck);
    w.OpenCommand();
    QCOMPARE(t.Prompts->Asked, QStringList{QStringLiteral("Save changes to (untitled)?")});
    QCOMPARE(ObjectCount(w), std::size_t(1));
    QCOMPARE(w.FileName(), QStringLiteral("(untitled)"));
  }

  void openingNoDocumentWarnsAndKeepsTheDocument() {
    const QString garbage = TestFolder() + QStringLiteral("/broken.qsl");
    QFile f(garbage);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("QSL? no");
    f.close();
    TestWindow t;
    MainWindow& w = *t.Window;
    w.Start({});
    Edit(w);
    w.SetModified(false);
    t.Prompts->OpenNames.push_back(garbage);
    w.OpenCommand();
    QCOMPARE(t.Prompts->Warnings, QStringList{QStringLiteral("Not a valid file, or later version.")});
    QCOMPARE(ObjectCount(w), std::size_t(1));
  }

  void savingANamedDocumentThatFailsWarns() {
    TestWindow t;
    MainWindow& w = *t.Window;
    w.Start({});
    Edit(w);
    t.Prompts->SaveNames.push_back(TestFolder() + QStringLiteral("/named.qsl"));
    QVERIFY(w.SaveAs());
    // The file's folder is replaced by a plain file: the next save cannot write there.
    const QString blocked = TestFolder() + QStringLiteral("/blocked");
    QDir().mkpath(blocked);
    t.Prompts->SaveNames.push_back(blocked + QStringLiteral("/inside.qsl"));
    QVERIFY(w.SaveAs());
    QVERIFY(QDir(blocked).removeRecursively());
    QFile plain(blocked);
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    w.SetModified(true);
    w.SaveCommand();
    QCOMPARE(t.Prompts->Warnings, QStringList{QStringLiteral("Could not save to file ") + blocked + QStringLiteral("/inside.qsl")});
    QVERIFY(w.Modified());
  }
};

REGISTER_APP_TEST(FileCommandsTest);
#include "file_commands_test.moc"
