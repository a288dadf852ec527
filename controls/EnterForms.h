#pragma once
// TEForm: the base window of the suite. (Skeleton: the creation walk, hints,
// printing and keyboard conventions are filled in by the base-window work.)
#include <QWidget>

class TEForm : public QWidget {
  Q_OBJECT
 public:
  explicit TEForm(QWidget *parent = nullptr);
  ~TEForm() override;

  // The creation step; a derived window calls it first from its own FormCreate.
  virtual void FormCreate();
};
