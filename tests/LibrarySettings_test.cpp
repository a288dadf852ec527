#include "controls/LibrarySettings.h"
#include "store/Messages.h"

#include <gtest/gtest.h>

namespace {

struct SeparatorCase {
  const char *name;
  char16_t dec, thou, date;
  char16_t wantDec, wantThou;
  const char *wantDateFormat;
};

TEST(LocaleSettings, SeparatorRuleAndDateFormat) {
  const SeparatorCase cases[] = {
      {"comma decimal keeps both", u',', u'.', u'/', u',', u'.', "dd/MM/yyyy"},
      {"equal separators reset", u',', u',', u'/', u'.', u',', "dd/MM/yyyy"},
      {"hyphen dates", u'.', u',', u'-', u'.', u',', "dd-MM-yyyy"},
      {"dot dates", u'.', u',', u'.', u'.', u',', "dd.MM.yyyy"},
      {"none given gives defaults", 0, 0, 0, u'.', u',', "dd/MM/yyyy"},
  };
  for (const auto &c : cases) {
    q7::InitLocaleSettings(QChar(c.dec), QChar(c.thou), QChar(c.date));
    const auto &s = q7::LocaleSettings();
    EXPECT_EQ(s.decimalSeparator, QChar(c.wantDec)) << c.name;
    EXPECT_EQ(s.thousandSeparator, QChar(c.wantThou)) << c.name;
    EXPECT_EQ(s.shortDateFormat, QString::fromLatin1(c.wantDateFormat)) << c.name;
    EXPECT_EQ(s.shortTimeFormat, QStringLiteral("hh:mm AMPM")) << c.name;
  }
  q7::InitLocaleSettings(u'.', u',', u'/');
}

TEST(RightChars, TrailingCharacters) {
  const struct {
    const char *text;
    int n;
    const char *want;
  } cases[] = {{"BGrabar001", 3, "001"}, {"abc", 3, "abc"}, {"ab", 3, "ab"}, {"abc", 0, ""}, {"", 3, ""}};
  for (const auto &c : cases)
    EXPECT_EQ(q7::RightChars(QString::fromLatin1(c.text), c.n), QString::fromLatin1(c.want)) << c.text;
}

TEST(LibraryDefaults, PriceCaptionsByTag) {
  EXPECT_EQ(q7::PriceCaptionForTag(1001), QStringLiteral("Precio 1 :"));
  EXPECT_EQ(q7::PriceCaptionForTag(1006), QStringLiteral("Precio 6 :"));
  EXPECT_TRUE(q7::PriceCaptionForTag(1007).isEmpty());
  EXPECT_TRUE(q7::PriceCaptionForTag(1000).isEmpty());
  EXPECT_EQ(q7::LibraryDefaults().DefaultDecimals, 2);
}

TEST(Messages, DisplayTextShowsAccelerators) {
  EXPECT_EQ(q7::DisplayText(QStringLiteral("Alimentos && Bebidas")), QStringLiteral("Alimentos & Bebidas"));
  EXPECT_EQ(q7::DisplayText(QStringLiteral("&Siguiente")), QStringLiteral("Siguiente"));
  EXPECT_EQ(q7::MessageTitle(q7::MsgType::Confirmation), QStringLiteral("Confirmar"));
}

}  // namespace
