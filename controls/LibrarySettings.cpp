#include "controls/LibrarySettings.h"

#include <QLocale>
#include <QWidget>

namespace q7 {

QPointer<QWidget> LastActiveControl;

namespace {
LocaleSettingsData &Mutable() {
  static LocaleSettingsData data;
  return data;
}

// The date separator of a locale's short date pattern: the first character
// that is not a pattern letter.
QChar DateSeparatorOf(const QLocale &locale) {
  const QString pattern = locale.dateFormat(QLocale::ShortFormat);
  for (QChar c : pattern)
    if (!c.isLetter() && !c.isSpace()) return c;
  return u'/';
}
}  // namespace

const LocaleSettingsData &LocaleSettings() { return Mutable(); }

void InitLocaleSettings(QChar decimalSeparator, QChar thousandSeparator, QChar dateSeparator) {
  LocaleSettingsData &s = Mutable();
  s.decimalSeparator = decimalSeparator.isNull() ? QChar(u'.') : decimalSeparator;
  s.thousandSeparator = thousandSeparator.isNull() ? QChar(u',') : thousandSeparator;
  s.dateSeparator = dateSeparator.isNull() ? QChar(u'/') : dateSeparator;
  s.shortDateFormat = QStringLiteral("dd") + s.dateSeparator + QStringLiteral("MM") + s.dateSeparator +
                      QStringLiteral("yyyy");
  s.shortTimeFormat = QStringLiteral("hh:mm AMPM");
  s.longTimeFormat = QStringLiteral("hh:mm:ss AMPM");
  if (s.decimalSeparator == s.thousandSeparator) {
    s.decimalSeparator = u'.';
    s.thousandSeparator = u',';
  }
}

void InitLocaleSettingsFromSystem() {
  const QLocale system = QLocale::system();
  const QString dec = system.decimalPoint();
  const QString thou = system.groupSeparator();
  InitLocaleSettings(dec.size() == 1 ? dec[0] : QChar(), thou.size() == 1 ? thou[0] : QChar(),
                     DateSeparatorOf(system));
}

const LibraryDefaultsData &LibraryDefaults() {
  static const LibraryDefaultsData defaults;
  return defaults;
}

QString PriceCaptionForTag(int tag) {
  if (tag < 1001 || tag > 1006) return {};
  return LibraryDefaults().PriceCaptions[static_cast<size_t>(tag - 1001)];
}

QString RightChars(const QString &text, int n) {
  if (n < 0) n = 0;
  if (n < text.size()) return text.right(n);
  return text;
}

}  // namespace q7
