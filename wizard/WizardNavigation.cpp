// Walking the pages of a module: "&Siguiente", "&Anterior", "&Cancelar", the
// current-date check of Hotelería, the drop-down boxes that take no typing,
// and the date helpers of the default period.
#include "controls/ProgramEnd.h"
#include "controls/MemoTarvo.h"
#include "controls/TarvoDateEdit.h"
#include "controls/TarvoEdit.h"
#include "controls/TarvoNumberEdit.h"
#include "store/Messages.h"
#include "store/ModuleSettings.h"
#include "wizard/q7UpdateModulo.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>

namespace {

enum OuterPage : int {
  kPageAdministrativo = 0,
  kPageContabilidad = 1,
  kPageNomina = 2,
  kPageFood = 3,
  kPageHotel = 4,
  kPageCountry = 5,
};

}  // namespace

int Tq7UpdateModuloForm::DaysInMonth(std::uint16_t month, std::uint16_t year) {
  switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 2:
      return year % 4 == 0 ? 29 : 28;
    default:  // 1, 3, 5, 7, 8, 10, 12 and anything outside 1..12
      return 31;
  }
}

QString Tq7UpdateModuloForm::MonthNames(int month) { return q7::MonthNames(month); }

Tq7UpdateModuloForm::Period Tq7UpdateModuloForm::DefaultPeriod(std::uint16_t year,
                                                                std::uint16_t month) {
  Period period;
  period.start = QDate(year, month, 1);
  // The end is the real last day of the month: DaysInMonth's leap rule
  // without centuries would give 29 February 2100, a day that does not exist.
  period.end = QDate(year, month, period.start.daysInMonth());
  period.description = MonthNames(month);
  return period;
}

void Tq7UpdateModuloForm::EnableUnlessAt(std::uint8_t index, std::uint8_t limit,
                                         QAbstractButton *button) {
  if (button) button->setEnabled(index != limit);
}

QTabWidget *Tq7UpdateModuloForm::InnerPageControl(int modulePage) const {
  switch (modulePage) {
    case kPageAdministrativo:
      return PageControlAdministrativo;
    case kPageContabilidad:
      return PageControContabilidad;
    case kPageNomina:
      return PageControlNomina;
    case kPageFood:
      return PageControlFood;
    case kPageHotel:
      return PageControlHotel;
    default:
      return nullptr;
  }
}

// Moves the module's inner pages by one and enables "&Siguiente" unless the
// new page is the module's last and "&Anterior" unless it is its first page
// in use. Returns the new index, or -1 when the page has nothing to move.
int Tq7UpdateModuloForm::StepInnerPage(int outer, int delta) {
  QTabWidget *pages = InnerPageControl(outer);
  if (!pages || outer == kPageNomina) return -1;
  const int index = pages->currentIndex() + delta;
  pages->setCurrentIndex(index);
  const auto at = static_cast<std::uint8_t>(index);
  const bool admin = outer == kPageAdministrativo;
  EnableUnlessAt(at, admin ? 4 : 1, BSiguiente033);
  EnableUnlessAt(at, admin ? FirstAdminPage : 0, BAnterior032);
  return index;
}

void Tq7UpdateModuloForm::BSiguiente033Click() {
  const int outer = PControlModulos->currentIndex();
  if (outer == kPageCountry) {
    SelectCountry();
    return;
  }

  const int index = StepInnerPage(outer, +1);
  if (index == 1) {
    switch (outer) {
      case kPageAdministrativo: FocusWithHint(EDirPostalEmpre); break;
      case kPageContabilidad: EnterPriceIndexPage(); break;
      case kPageFood: FocusWithHint(chkCodigo[0]); break;
      case kPageHotel: FocusWithHint(CheckTemporada); break;
      default: break;
    }
  } else if (outer == kPageAdministrativo) {
    if (index == 2) FocusWithHint(EFechaInicio);
    else if (index == 3) FocusWithHint(ENombreImpuesto1);
  }

  if (!BSiguiente033->isEnabled()) BGrabar001->show();
}

void Tq7UpdateModuloForm::BAnterior032Click() {
  QTabWidget *modulePages = InnerPageControl(ModulePage);
  if (modulePages && modulePages->currentIndex() == 0 && IsInstallationRun()) {
    ReturnToCountryPage();
    if (ModulePage == kPageNomina) {
      BSiguiente033->setEnabled(true);
      BGrabar001->hide();
    }
    return;
  }

  const int outer = PControlModulos->currentIndex();
  const int index = StepInnerPage(outer, -1);
  if (index >= 0) {
    switch (outer) {
      case kPageAdministrativo: {
        QWidget *const focus[] = {ENitEmpre, EDirPostalEmpre, EFechaInicio, ENombreImpuesto1};
        if (index < 4) FocusWithHint(focus[index]);
        break;
      }
      case kPageContabilidad: FocusWithHint(EAnoPeriodo); break;
      case kPageFood: FocusWithHint(EFechaIniFood); break;
      case kPageHotel: FocusWithHint(EDescripcionPeriodoHotel); break;
      default: break;
    }
    // In an installation run the first page leads back to the country page.
    if (IsInstallationRun()) BAnterior032->setEnabled(true);
  }

  BGrabar001->hide();
}

void Tq7UpdateModuloForm::BCancelar002Click() {
  // The box shows "&&" as one "&" ("Alimentos && Bebidas" reads "Alimentos &
  // Bebidas"), so the name goes in as stored.
  const QString question = QStringLiteral("Si cancela la aplicación no se actualizará el Módulo ") +
                           ModuleName +
                           QStringLiteral(". ¿Desea cancelar la aplicación?");
  if (q7::ShowMessage(q7::MsgType::Confirmation, q7::MbYes | q7::MbNo, question) == q7::MbYes) {
    q7::RequestProgramEnd(q7::ExitLeft);
    close();
  }
}

void Tq7UpdateModuloForm::DBComboImpuesto2KeyPress(QChar &key) {
  // The value of these boxes is picked from their list, never typed.
  key = QChar();
}

void Tq7UpdateModuloForm::EFechaActualHotelExit() {
  EFechaActualHotel->TarvoDateEditOnExit();
  const int start = EFechaIniHotel->Date();
  const int current = EFechaActualHotel->Date();
  const int end = EFechaHastaHotel->Date();
  if (start <= current && current <= end) return;
  FocusWithHint(EFechaActualHotel);
}
