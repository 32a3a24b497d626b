// Widget tests of the designer's main window on Qt's offscreen platform. Every test runs
// with a fresh temporary home: settings, documents and data folders land there.
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <iostream>

#include "app_test_support.h"

// quarrion_app_tests [TestClass [Qt Test arguments]]
int main(int argc, char** argv) {
  QTemporaryDir home;
  qputenv("HOME", home.path().toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
  qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit());
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Kelvane"));
  QApplication::setApplicationName(QStringLiteral("Quarrion"));

  int status = 0;
  const bool one = argc > 1 && argv[1][0] != '-';
  if (one && !AppTestRegistry().count(argv[1])) {
    std::cerr << "no test class " << argv[1] << "\n";
    return 2;
  }
  for (const auto& [name, make] : AppTestRegistry()) {
    if (one && name != argv[1]) continue;
    auto test = make();
    char* args[] = {argv[0]};
    status |= one ? QTest::qExec(test.get(), argc - 1, argv + 1) : QTest::qExec(test.get(), 1, args);
  }
  return status;
}
