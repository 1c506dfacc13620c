#include <gtest/gtest.h>

#include <QApplication>

#include "ui/translations.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  trv::InstallTranslations(app, QLocale(QLocale::English));  // the English plural forms, as the program has them
  return RUN_ALL_TESTS();
}
