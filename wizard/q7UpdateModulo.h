#pragma once
// Tq7UpdateModuloForm: the first-run wizard window. (Skeleton: pages,
// navigation, preparation and saving are filled in by the wizard work.)
#include "controls/EnterForms.h"

#include <QStringList>

class Tq7UpdateModuloForm : public TEForm {
  Q_OBJECT
 public:
  // args are the program's arguments without the program name.
  explicit Tq7UpdateModuloForm(const QStringList &args, QWidget *parent = nullptr);
  ~Tq7UpdateModuloForm() override;

  void FormCreate() override;

 private:
  QStringList m_args;
};
