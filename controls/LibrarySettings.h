#pragma once
// Process-wide settings of the entry-control library: the separators and
// patterns every conversion between text and number or date goes through, the
// fixed defaults the base form applies, and small shared helpers.
#include <QChar>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>

class QWidget;

namespace q7 {

struct LocaleSettingsData {
  QChar decimalSeparator{u'.'};
  QChar thousandSeparator{u','};
  QChar dateSeparator{u'/'};
  QString shortDateFormat{QStringLiteral("dd/MM/yyyy")};  // QDate pattern
  QString shortTimeFormat{QStringLiteral("hh:mm AMPM")};
  QString longTimeFormat{QStringLiteral("hh:mm:ss AMPM")};
};

// The one instance, read directly by every conversion.
const LocaleSettingsData &LocaleSettings();

// Start-up: takes the separators from the system's regional settings (the
// defaults "." "," "/" where none is given) and applies the rules below.
void InitLocaleSettingsFromSystem();

// Puts the given separators in force with the same rules: the short date
// format is built from the date separator, and equal decimal and thousands
// separators become "." and ",". Start-up and tests use it.
void InitLocaleSettings(QChar decimalSeparator, QChar thousandSeparator, QChar dateSeparator);

// Constants of the library that the base form applies to every window.
struct LibraryDefaultsData {
  std::uint8_t DefaultDecimals = 2;
  bool EditCtl3D = false;
  std::int32_t ShapeTagLimit = 5000;
  bool ShapesVisible = true;
  bool PrintMenuEnabled = true;
  bool SystemMenuEnabled = false;
  std::array<QString, 6> PriceCaptions{
      QStringLiteral("Precio 1 :"), QStringLiteral("Precio 2 :"), QStringLiteral("Precio 3 :"),
      QStringLiteral("Precio 4 :"), QStringLiteral("Precio 5 :"), QStringLiteral("Precio 6 :")};
};
const LibraryDefaultsData &LibraryDefaults();

// Caption for a label tag 1001..1006; an empty text for any other tag
// (such labels keep their own caption).
QString PriceCaptionForTag(int tag);

// Non-owning; the base form stores the active control here before it opens a
// tool window by key. Cleared by Qt when the control is destroyed.
extern QPointer<QWidget> LastActiveControl;

// The last n characters of text, or the whole text when n is not smaller
// than its length.
QString RightChars(const QString &text, int n);

}  // namespace q7
