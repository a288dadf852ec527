#include "resources/DataModuleMenus.h"

#include "resources/ButtonGlyphs.h"

#include <array>

namespace {
TMenuDataModule *g_instance = nullptr;

using q7res::Glyph;

// Glyph of each button image, by index (a button ending in n takes index
// n - 1). Indexes without a picture of their own show a plain sheet.
constexpr int kButtonImages = 40;

Glyph ButtonGlyph(int index) {
  switch (index + 1) {
    case 1: return Glyph::Save;
    case 2: return Glyph::Cancel;
    case 3: return Glyph::Accept;
    case 4: return Glyph::Delete;
    case 5: return Glyph::Exit;
    case 6: return Glyph::Print;
    case 7: return Glyph::Search;
    case 8: return Glyph::Edit;
    case 9: return Glyph::Include;
    case 10: return Glyph::First;
    case 11: return Glyph::Last;
    case 12: return Glyph::Up;
    case 13: return Glyph::Down;
    case 14: return Glyph::Refresh;
    case 15: return Glyph::Help;
    case 16: return Glyph::Calendar;
    case 17: return Glyph::Calculator;
    case 18: return Glyph::Folder;
    case 19: return Glyph::Key;
    case 20: return Glyph::Info;
    case 32: return Glyph::Previous;
    case 33: return Glyph::Next;
    default: return Glyph::Document;
  }
}

constexpr std::array<Glyph, 9> kToolGlyphs{Glyph::Previous, Glyph::Next,    Glyph::Cancel,
                                           Glyph::First,    Glyph::Last,    Glyph::Include,
                                           Glyph::Delete,   Glyph::Edit,    Glyph::Save};
}  // namespace

TMenuDataModule::TMenuDataModule(QObject *parent) : QObject(parent) {
  if (!g_instance) g_instance = this;
  for (int i = 0; i < kButtonImages; ++i)
    m_botones.append(QPixmap::fromImage(q7res::TwoGlyphStrip(q7res::GlyphImage(ButtonGlyph(i)))));
  for (Glyph g : kToolGlyphs) {
    const QImage normal = q7res::GlyphImage(g);
    m_normal.append(QPixmap::fromImage(normal));
    m_on.append(QPixmap::fromImage(q7res::HighlightedImage(normal)));
    m_disable.append(QPixmap::fromImage(q7res::DisabledImage(normal)));
  }
}

TMenuDataModule::~TMenuDataModule() {
  if (g_instance == this) g_instance = nullptr;
}

TMenuDataModule *TMenuDataModule::Instance() { return g_instance; }

QIcon TMenuDataModule::ButtonIcon(int index) const {
  if (index < 0 || index >= m_botones.size()) return {};
  return q7::TwoGlyphIcon(m_botones.at(index));
}

QIcon TMenuDataModule::ToolIcon(int index) const {
  if (index < 0 || index >= m_normal.size()) return {};
  QIcon icon;
  icon.addPixmap(m_normal.at(index), QIcon::Normal);
  icon.addPixmap(m_on.at(index), QIcon::Active);
  icon.addPixmap(m_disable.at(index), QIcon::Disabled);
  return icon;
}

namespace q7 {
QIcon TwoGlyphIcon(const QPixmap &strip) {
  if (strip.isNull()) return {};
  const int half = strip.width() / 2;
  if (half < 1) return QIcon(strip);
  QIcon icon;
  icon.addPixmap(strip.copy(0, 0, half, strip.height()), QIcon::Normal);
  icon.addPixmap(strip.copy(half, 0, strip.width() - half, strip.height()), QIcon::Disabled);
  return icon;
}
}  // namespace q7
