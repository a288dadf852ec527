#pragma once
// TMenuDataModule: the shared picture lists of the suite's windows.
// (Skeleton: the glyph lists are filled in by the base-window work.)
#include <QObject>

class TMenuDataModule : public QObject {
  Q_OBJECT
 public:
  explicit TMenuDataModule(QObject *parent = nullptr);
  ~TMenuDataModule() override;
  // The instance created at program start, or null.
  static TMenuDataModule *Instance();
};
