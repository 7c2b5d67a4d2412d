// Qt's own dialogs speak the user's language: the buttons of a message box
// in German under a German locale.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>

#include "shell/windows/qt_translations.h"

namespace lumatik {
namespace {

QString CancelCaption() {
  QMessageBox box(QMessageBox::Question, QStringLiteral("lumatik"), QStringLiteral("?"),
                  QMessageBox::Ok | QMessageBox::Cancel);
  return box.button(QMessageBox::Cancel)->text();
}

TEST(QtTranslations, AGermanLocaleGivesGermanButtons) {
  const QString file = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
  if (!QFile::exists(file)) GTEST_SKIP() << "Qt's German translations are not installed";
  ASSERT_TRUE(UseQtTranslations(QLocale(QLocale::German, QLocale::Germany)));
  EXPECT_EQ(CancelCaption(), QStringLiteral("Abbrechen"));
  // Another language replaces German.
  UseQtTranslations(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(CancelCaption(), QStringLiteral("Cancel"));
}

}  // namespace
}  // namespace lumatik
