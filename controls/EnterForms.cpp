#include "controls/EnterForms.h"

TEForm::TEForm(QWidget *parent) : QWidget(parent) {}
TEForm::~TEForm() = default;
void TEForm::FormCreate() {}
