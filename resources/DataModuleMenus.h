#pragma once
// TMenuDataModule: the shared picture lists of the suite's windows, created at
// program start before any window.
//
// ImageBotones: the glyphs of push buttons, each 32 x 16 with the normal glyph
// on the left and the disabled one on the right. A button whose name ends in
// three digits n takes image n - 1 (the base window does this): ...001 save,
// ...002 cancel, ...005 exit, ...009 include, ...032 previous, ...033 next.
//
// Image16x16Normal, Image16x16ON, Image16x16Disable: the pictures of the
// price-index toolbar in their three states (normal, under the mouse,
// disabled), at the same index in each list: 0 previous, 1 next, 2 cancel,
// 3 first, 4 last, 5 include, 6 delete, 7 edit, 8 save.
#include <QIcon>
#include <QList>
#include <QObject>
#include <QPixmap>

class TMenuDataModule : public QObject {
  Q_OBJECT
 public:
  explicit TMenuDataModule(QObject *parent = nullptr);
  ~TMenuDataModule() override;
  // The instance created at program start, or null.
  static TMenuDataModule *Instance();

  const QList<QPixmap> &ImageBotones() const { return m_botones; }
  const QList<QPixmap> &Image16x16Normal() const { return m_normal; }
  const QList<QPixmap> &Image16x16ON() const { return m_on; }
  const QList<QPixmap> &Image16x16Disable() const { return m_disable; }

  // Button glyph i of ImageBotones as an icon (normal and disabled halves);
  // a null icon when i is outside the list.
  QIcon ButtonIcon(int index) const;
  // Toolbar picture i: normal, active (under the mouse) and disabled states;
  // a null icon when i is outside the lists.
  QIcon ToolIcon(int index) const;

  // Indexes of the toolbar lists.
  enum ToolImage {
    ToolPrevious = 0,
    ToolNext = 1,
    ToolCancel = 2,
    ToolFirst = 3,
    ToolLast = 4,
    ToolInclude = 5,
    ToolDelete = 6,
    ToolEdit = 7,
    ToolSave = 8,
  };

 private:
  QList<QPixmap> m_botones;
  QList<QPixmap> m_normal;
  QList<QPixmap> m_on;
  QList<QPixmap> m_disable;
};

namespace q7 {
// Splits a picture holding two glyphs side by side into an icon: the left
// half is the normal glyph, the right half the disabled one.
QIcon TwoGlyphIcon(const QPixmap &strip);
}  // namespace q7
