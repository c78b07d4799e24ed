// Qt applies the user's locale at start-up; under a decimal-comma locale the C library's
// printf and strtod then write and read "2,5". Number text must not follow it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "numeric/numeric.h"

TEST(NumberTextLocale, IgnoresADecimalCommaLocale) {
  setenv("LC_ALL", "de_DE.UTF-8", 1);
  int argc = 1;
  char name[] = "locale_test";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);

  // Prove the test really runs under a decimal-comma locale.
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%.1f", 2.5);
  ASSERT_STREQ(buffer, "2,5") << "LC_ALL=de_DE.UTF-8 is not in effect (locale "
                              << std::setlocale(LC_NUMERIC, nullptr) << ")";

  EXPECT_EQ(LeerNumero("2.5"), 2.5);
  EXPECT_EQ(LeerNumero("2,5"), 2);
  EXPECT_EQ(FormatoCifras(2.5, 10), "2.5");
  EXPECT_EQ(StrNumero(-0.25), "-.25");
  EXPECT_EQ(ValNumero(" 1.5E-07"), 1.5e-7);
}
