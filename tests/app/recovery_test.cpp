// Recovery copies in the designer: written while the document is modified, removed by a
// save, offered at the next start after a program that ended abnormally.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "app/recovery_keeper.h"
#include "base/atomic_file_writer.h"
#include "dialogs/log_dialog.h"
#include "app_test_support.h"
#include "model/quarrion_canvas.h"
#include "shell/recovery_folder.h"

namespace {
const QString Question =
    QStringLiteral("Quarrion did not close normally. Recover the documents it was editing?");

QString Folder() { return RecoveryKeeper::DefaultFolder(); }

QStringList FilesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// What a killed program leaves: its copy and record, and a lock file nobody holds.
void PlantOrphan(const QString& id, const QString& copyOf, const QString& original) {
  QDir().mkpath(Folder());
  const QString base = QDir(Folder()).filePath(id);
  QFile::copy(copyOf, base + QStringLiteral(".qsl"));
  QFile lock(base + QStringLiteral(".lock"));
  QVERIFY(lock.open(QIODevice::WriteOnly));
  QFile info(base + QStringLiteral(".info"));
  QVERIFY(info.open(QIODevice::WriteOnly));
  info.write(QByteArray::fromStdString(
      TRecoveryFolder::InfoText(QFile::encodeName(original).toStdString(), "2026-12-09T00:00:00Z")));
}
}  // namespace

class RecoveryTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { QDir(Folder()).removeRecursively(); }

  void ACopyIsKeptWhileModifiedAndGoesWithASave() {
    TestWindow t;
    t.Window->Start({});
    RecoveryKeeper& keeper = t.Window->Recovery();
    QCOMPARE(keeper.Interval(), 60);
    const QString copy = QFile::decodeName(QByteArray::fromStdString(keeper.Folder()->CopyPath()));
    QVERIFY(!keeper.WriteCopy());  // nothing to keep while unmodified
    QVERIFY(!QFile::exists(copy));

    t.Window->WorkArea().AddPage(1, true, false);
    t.Window->SetModified(true);
    QVERIFY(keeper.WriteCopy());
    QVERIFY(QFile::exists(copy));
    QFile info(QFileInfo(copy).path() + QLatin1Char('/') + QFileInfo(copy).completeBaseName() + QStringLiteral(".info"));
    QVERIFY(info.open(QIODevice::ReadOnly));
    std::string original, savedAt;
    QVERIFY(TRecoveryFolder::ReadInfoText(info.readAll().toStdString(), original, savedAt));
    QCOMPARE(original, std::string());  // untitled
    QVERIFY(QDateTime::fromString(QString::fromStdString(savedAt), Qt::ISODate).secsTo(QDateTime::currentDateTimeUtc()) < 60);

    // The save of a document whose last save was killed leaves only its own leftover.
    const QString target = QDir(TestFolder()).filePath(QStringLiteral("kept.qsl"));
    const QString leftover = QDir(TestFolder()).filePath(QStringLiteral(".kept.qsl.tmp-k1lled0000"));
    const QString unrelated = QDir(TestFolder()).filePath(QStringLiteral(".kept.qsl.tmp-notmine"));
    for (const QString& path : {leftover, unrelated}) {
      QFile f(path);
      QVERIFY(f.open(QIODevice::WriteOnly));
    }
    t.Prompts->SaveNames.push_back(target);
    t.Window->SaveOrSaveAs();
    QVERIFY(!t.Window->Modified());
    QVERIFY(!QFile::exists(copy));
    QVERIFY(!QFile::exists(leftover));
    QVERIFY(QFile::exists(unrelated));
    QVERIFY(QFile::exists(target));
  }

  // A full disk fails every copy: the message log hears of it once, until one succeeds.
  void AFailingCopyIsReportedOnce() {
    struct FullDisk : FileSystemOps {
      int CreateExclusive(const std::string&) override {
        errno = ENOSPC;
        return -1;
      }
    } full;
    TestWindow t;
    t.Window->Start({});
    t.Window->SetModified(true);
    const auto failures = [&] { return t.Window->MessageLog()->Text().count(QStringLiteral("No space")); };
    {
      ScopedFileSystemOps scoped(full);
      QVERIFY(!t.Window->Recovery().WriteCopy());
      QVERIFY(!t.Window->Recovery().WriteCopy());
    }
    QCOMPARE(failures(), 1);
    QVERIFY(t.Window->Recovery().WriteCopy());
    {
      ScopedFileSystemOps scoped(full);
      QVERIFY(!t.Window->Recovery().WriteCopy());
    }
    QCOMPARE(failures(), 2);
  }

  void TheCopyCarriesTheOriginalName() {
    const QString path = WriteDeck(QStringLiteral("named.qsl"), 2);
    TestWindow t;
    t.Window->Start({path});
    t.Window->WorkArea().AddPage(2, true, false);
    t.Window->SetModified(true);
    QVERIFY(t.Window->Recovery().WriteCopy());
    QFile info(QDir(Folder()).filePath(QString::fromStdString(t.Window->Recovery().Folder()->Id()) +
                                       QStringLiteral(".info")));
    QVERIFY(info.open(QIODevice::ReadOnly));
    std::string original, savedAt;
    QVERIFY(TRecoveryFolder::ReadInfoText(info.readAll().toStdString(), original, savedAt));
    QCOMPARE(QFile::decodeName(QByteArray::fromStdString(original)), QFileInfo(path).absoluteFilePath());
    // Another program running beside this one is not offered the copy.
    TRecoveryFolder other(QFile::encodeName(Folder()).toStdString());
    std::string error;
    QVERIFY(other.Claim(error));
    QVERIFY(other.TakeOrphans().empty());
    t.Prompts->YesNoCancelAnswers.push_back(TAnswer::No);
    t.Window->NewDocument();
    QVERIFY(FilesIn(Folder()).filter(QStringLiteral(".qsl")).isEmpty());
  }

  void YesOpensTheCopyAsModifiedUnderItsOriginalName() {
    const QString deck = WriteDeck(QStringLiteral("recovered.qsl"), 4);
    const QString original = QDir(TestFolder()).filePath(QStringLiteral("elsewhere/talk.qsl"));
    PlantOrphan(QStringLiteral("1-gone0000"), deck, original);
    TestWindow t;
    t.Prompts->YesNoAnswers.push_back(true);
    const QString other = WriteDeck(QStringLiteral("argument.qsl"), 1);
    t.Window->Start({other});
    QCOMPARE(t.Prompts->Asked, QStringList{Question});
    QCOMPARE(t.Window->WorkArea().PageCount(), 4);
    QCOMPARE(t.Window->FileName(), original);
    QVERIFY(t.Window->Modified());
    QVERIFY(!QFile::exists(QDir(Folder()).filePath(QStringLiteral("1-gone0000.qsl"))));
    // The recovered work is this program's copy now.
    QVERIFY(QFile::exists(QFile::decodeName(QByteArray::fromStdString(t.Window->Recovery().Folder()->CopyPath()))));
  }

  void NoRemovesTheCopies() {
    const QString deck = WriteDeck(QStringLiteral("refused.qsl"), 3);
    PlantOrphan(QStringLiteral("1-gone0001"), deck, QString());
    PlantOrphan(QStringLiteral("1-gone0002"), deck, QString());
    TestWindow t;
    t.Prompts->YesNoAnswers.push_back(false);
    t.Window->Start({});
    QCOMPARE(t.Prompts->Asked, QStringList{Question});
    QCOMPARE(t.Window->WorkArea().PageCount(), 1);
    QCOMPARE(t.Window->FileName(), QStringLiteral("(untitled)"));
    QVERIFY(!t.Window->Modified());
    QCOMPARE(FilesIn(Folder()).size(), 1);  // this program's own lock only
    TestWindow later;
    later.Window->Start({});
    QVERIFY(later.Prompts->Asked.isEmpty());
  }
};

REGISTER_APP_TEST(RecoveryTest);
#include "recovery_test.moc"
