#include <QApplication>
#include <QTest>
#include <cstring>
#include <iostream>

#include "dialog_tests.h"

std::map<std::string, DialogTestFactory>& DialogTestRegistry() {
  static std::map<std::string, DialogTestFactory> registry;
  return registry;
}

// quarrion_dialog_tests [TestClass [Qt Test arguments]]
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int status = 0;
  const bool one = argc > 1 && argv[1][0] != '-';
  for (const auto& [name, make] : DialogTestRegistry()) {
    if (one && name != argv[1]) continue;
    auto test = make();
    char* args[] = {argv[0]};
    status |= one ? QTest::qExec(test.get(), argc - 1, argv + 1) : QTest::qExec(test.get(), 1, args);
  }
  if (one && !DialogTestRegistry().count(argv[1])) {
    std::cerr << "no test class " << argv[1] << "\n";
    return 2;
  }
  return status;
}
