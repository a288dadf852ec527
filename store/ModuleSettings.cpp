#include "store/ModuleSettings.h"

#include "store/BlobFields.h"
#include "store/ModuleData.h"
#include "store/Paths.h"
#include "store/TableHandle.h"
#include "store/ValueKinds.h"

#include <QFileInfo>

#include <exception>

namespace q7 {

namespace {

// Closes a handle when the step that opened it ends, unless told to keep it.
class CloseOnExit {
 public:
  explicit CloseOnExit(TableHandle &table) : m_table(table) {}
  ~CloseOnExit() {
    if (!m_keep) m_table.Close();
  }
  CloseOnExit(const CloseOnExit &) = delete;
  CloseOnExit &operator=(const CloseOnExit &) = delete;
  void Keep() { m_keep = true; }

 private:
  TableHandle &m_table;
  bool m_keep = false;
};

void OpenTable(TableHandle &table, const QString &folder, const QString &name) {
  table.Close();
  table.SetFolder(folder);
  table.SetTableName(name);
  table.Open();
}

// Runs one step of a save; whatever it throws leaves as a SaveStepError that
// names `table`.
template <class Step>
void SaveStep(const QString &table, Step &&step) {
  try {
    step();
  } catch (const SaveStepError &) {
    throw;
  } catch (const StoreError &e) {
    throw SaveStepError(table, e.Message());
  } catch (const std::exception &e) {
    throw SaveStepError(table, QString::fromLocal8Bit(e.what()));
  }
}

// A date from a date field as the tables take it; a date that cannot be
// formed ends the save instead of being stored as "no date".
int DateForSave(const QDate &date, const char *field) {
  if (!date.isValid())
    throw StoreError(QStringLiteral("Fecha no válida para el campo ") + QLatin1String(field));
  return DateToSerial(date);
}

// Multi-line texts are stored with CR LF between lines.
QString WithCrLf(const QString &text) {
  QString lines = text;
  lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  lines.replace(u'\r', u'\n');
  lines.replace(QLatin1String("\n"), QLatin1String("\r\n"));
  return lines;
}

template <std::size_t N>
std::int32_t ComposeFromChecks(std::span<const CodeBit> bits, const std::array<bool, N> &checks,
                               auto &&indexOf) {
  QList<bool> states;
  for (const CodeBit &bit : bits) states.append(checks[indexOf(bit)]);
  return ComposeBitSet(bits, states);
}

// Index of a food check box from its name: chkCodigoN -> N-1.
std::size_t FoodIndex(const CodeBit &bit) {
  const QString name = QString::fromLatin1(bit.codeCheck);
  return static_cast<std::size_t>(name.right(1).toInt() - 1);
}

TaxSettings ReadTaxes(TableHandle &table) {
  TaxSettings taxes;
  taxes.name1 = table.AsText(QStringLiteral("IMPUESTO1"));
  taxes.name2 = table.AsText(QStringLiteral("IMPUESTO2"));
  taxes.rate1 = table.AsCurrency(QStringLiteral("MTO_IMPUESTO1"));
  taxes.rate2 = table.AsCurrency(QStringLiteral("MTO_IMPUESTO2"));
  taxes.active1 = table.AsBoolean(QStringLiteral("ACTIVAR_IMPUESTO1"));
  taxes.active2 = table.AsBoolean(QStringLiteral("ACTIVAR_IMPUESTO2"));
  taxes.mode = table.AsInteger(QStringLiteral("MODO_IVA"));
  return taxes;
}

const QString kDatosEmprePrefix = QStringLiteral("Introduzca los datos de la empresa: dirección postal, ");

}  // namespace

QString MonthNames(int month) {
  static const char *const kNames[12] = {"Enero", "Febrero", "Marzo",      "Abril",   "Mayo",      "Junio",
                                         "Julio", "Agosto",  "Septiembre", "Octubre", "Noviembre", "Diciembre"};
  if (month < 1 || month > 12) return {};
  return QString::fromLatin1(kNames[month - 1]);
}

std::int32_t FoodBitSet(const std::array<bool, 9> &checks) {
  return ComposeFromChecks(FoodCodeBits(), checks, FoodIndex);
}

std::array<bool, 9> FoodChecks(std::int32_t bitSet) {
  std::array<bool, 9> checks{};
  for (const CodeBit &bit : FoodCodeBits()) checks[FoodIndex(bit)] = BitIsSet(bitSet, bit);
  return checks;
}

std::int32_t HotelBitSet(const std::array<bool, 10> &checks) {
  const std::span<const CodeBit> bits = HotelCodeBits();
  return ComposeFromChecks(bits, checks,
                           [&](const CodeBit &bit) { return static_cast<std::size_t>(&bit - bits.data()); });
}

std::array<bool, 10> HotelChecks(std::int32_t bitSet) {
  std::array<bool, 10> checks{};
  const std::span<const CodeBit> bits = HotelCodeBits();
  for (std::size_t i = 0; i < bits.size() && i < checks.size(); ++i) checks[i] = BitIsSet(bitSet, bits[i]);
  return checks;
}

PeriodDescriptions BuildPeriodDescriptions(int endMonth) {
  if (endMonth < 1 || endMonth > 12)
    throw StoreError(QStringLiteral("Mes no válido para la descripción de periodos: ") + QString::number(endMonth));
  PeriodDescriptions descriptions;
  for (int i = 0; i < PeriodDescriptions::kSlots; ++i)
    descriptions.SetName(i, MonthNames((endMonth - 1 + i) % 12 + 1));
  return descriptions;
}

// ---------------------------------------------------------------------------
// Preparation

QString ReadAdministrativoDataFolder(TableHandle &companies) {
  CloseOnExit closer(companies);
  OpenTable(companies, QString(), QString::fromLatin1(kCompanyListTable));
  return AdministrativoDataFolder(companies.AsText(QStringLiteral("FE_DIRDATOS")));
}

AdministrativoCompany ReadAdministrativoCompany(TableHandle &companies) {
  CloseOnExit closer(companies);
  OpenTable(companies, QString(), QString::fromLatin1(kCompanyListTable));
  const auto text = [&](const char *field) { return companies.AsText(QString::fromLatin1(field)); };
  const auto lines = [&](const char *field) {
    QString value = text(field);
    value.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    value.replace(u'\r', u'\n');
    return value;
  };
  AdministrativoCompany result;
  result.dataFolder = AdministrativoDataFolder(text("FE_DIRDATOS"));
  CompanyData &c = result.company;
  c.nit = text("FE_NIT");
  c.rif = text("FE_RIF");
  c.address = lines("FE_DIRECCION1");
  c.representative = text("FE_REPRESENTANTE");
  c.representativeRif = text("FE_RIFREPRESENTANTE");
  c.postalAddress = lines("FE_DIRECCION2");
  c.phone = text("FE_TELEFONO");
  c.fax = text("FE_TELEFAX");
  c.email = text("FE_EMAIL");
  c.website = text("FE_WEBSITE");
  return result;
}

TaxSettings ReadAdministrativoTaxes(TableHandle &settings, const QString &dataFolder) {
  CloseOnExit closer(settings);
  OpenTable(settings, dataFolder, QString::fromLatin1(kAdminSettingsTable));
  return ReadTaxes(settings);
}

FoodSettings ReadFoodSettings(TableHandle &table, const QString &dataFolder) {
  CloseOnExit closer(table);
  OpenTable(table, dataFolder, QString::fromLatin1(kConfigTable));
  FoodSettings values;
  values.services.name1 = table.AsText(QStringLiteral("FCO_SERVICIO1"));
  values.services.name2 = table.AsText(QStringLiteral("FCO_SERVICIO2"));
  values.services.rate1 = table.AsCurrency(QStringLiteral("FCO_MTOSERVICIO1"));
  values.services.rate2 = table.AsCurrency(QStringLiteral("FCO_MTOSERVICIO2"));
  values.services.active1 = table.AsBoolean(QStringLiteral("FCO_ACTIVARSERVICIO1"));
  values.services.active2 = table.AsBoolean(QStringLiteral("FCO_ACTIVARSERVICIO2"));
  values.autoCode = FoodChecks(table.AsInteger(QStringLiteral("FCO_AUTOCODE")));
  values.autoFill = FoodChecks(table.AsInteger(QStringLiteral("FCO_AUTOFILL")));
  return values;
}

bool PriceIndexTableExists(const QString &dataFolder) {
  return TemplateExists(dataFolder, QString::fromLatin1(kPriceIndexTable) + QStringLiteral(".dat"));
}

bool OpenDemoCompany(TableHandle &company, const QString &dataFolder, PeriodsImage &periods) {
  CloseOnExit closer(company);
  OpenTable(company, dataFolder, QString::fromLatin1(kAccountingCompanyTable));
  if (!company.FindKey(QString::fromLatin1(kDemoCompany))) return false;
  ReadBlobField(QStringLiteral("PERIODOS"), PeriodsImage::kSize, QStringLiteral("del ejercicio."), company,
                periods.data());
  closer.Keep();
  return true;
}

void OpenPriceIndexTable(TableHandle &priceIndex, const QString &dataFolder) {
  CloseOnExit closer(priceIndex);
  OpenTable(priceIndex, dataFolder, QString::fromLatin1(kPriceIndexTable));
  closer.Keep();
}

// ---------------------------------------------------------------------------
// Country templates

bool TemplateExists(const QString &folder, const QString &fileName) {
  try {
    if (fileName.isEmpty()) return false;
    return QFileInfo(ResolveExistingPath(JoinFolderFile(folder, fileName))).isFile();
  } catch (...) {
    return false;
  }
}

AdminTemplate ReadAdministrativoTemplate(TableHandle &tablaDos, const QString &countryFolder) {
  CloseOnExit closer(tablaDos);
  OpenTable(tablaDos, countryFolder, QString::fromLatin1(kAdminSettingsTable));
  AdminTemplate values;
  values.taxes = ReadTaxes(tablaDos);
  values.identity1 = tablaDos.AsText(QStringLiteral("IDENTIDADFISCAL1"));
  values.identity2 = tablaDos.AsText(QStringLiteral("IDENTIDADFISCAL2"));
  return values;
}

bool ReadTemplatePeriods(TableHandle &tablaDos, const QString &countryFolder, PeriodsImage &periods) {
  CloseOnExit closer(tablaDos);
  OpenTable(tablaDos, countryFolder, QString::fromLatin1(kAccountingCompanyTable));
  if (!tablaDos.FindKey(QString::fromLatin1(kDemoCompany))) return false;
  PeriodsImage read;
  if (ReadBlobField(QStringLiteral("PERIODOS"), PeriodsImage::kSize, QStringLiteral("del ejercicio."), tablaDos,
                    read.data()))
    periods = read;
  return true;
}

IdentityLayout DefaultIdentityLayout() {
  IdentityLayout layout;
  layout.nitCaption = QStringLiteral("N.I.T");
  layout.rifCaption = QStringLiteral("R.I.F");
  layout.datosEmpreCaption = kDatosEmprePrefix + QStringLiteral("NIT, RIF, fax, e-mail, website entre   otros.");
  layout.rifRepresentanteCaption = QStringLiteral("R.I.F. Representante :");
  return layout;
}

IdentityLayout TemplateIdentityLayout(const QString &identity1, const QString &identity2) {
  IdentityLayout layout;
  layout.datosEmpreCaption = kDatosEmprePrefix;

  layout.nitCaption = identity1;
  layout.nitVisible = !identity1.isEmpty();
  if (layout.nitVisible) {
    layout.datosEmpreCaption += identity1 + QStringLiteral(", ");
  } else {
    layout.shape32Width = 0;
    layout.rifInFirstSlot = true;
  }

  layout.rifCaption = identity2;
  layout.rifVisible = !identity2.isEmpty();
  if (layout.rifVisible)
    layout.datosEmpreCaption += identity2 + QStringLiteral(", ");
  else
    layout.shape33Width = 0;

  layout.datosEmpreCaption += QStringLiteral("fax, e-mail, website entre otros.");
  layout.rifRepresentanteCaption = identity1 + QStringLiteral(" Representante :");
  return layout;
}

// ---------------------------------------------------------------------------
// Saving

SaveStepError::SaveStepError(const QString &table, const QString &message)
    : StoreError(message, table), m_table(table) {}

QString SaveErrorText(const QString &table) {
  return QStringLiteral("Error al cargar la tabla ") + table + u'.';
}

void SaveAdministrativo(TableHandle &settings, TableHandle &companies, const QString &dataFolder,
                        const QString &companyCode, const CompanyData &company, const AdminSettings &values) {
  const QString settingsTable = QString::fromLatin1(kAdminSettingsTable);
  const QString companyTable = QString::fromLatin1(kCompanyListTable);
  companies.Close();
  CloseOnExit closeSettings(settings);

  // The dates are checked before anything is written: a date that cannot be
  // formed must not leave the company record stored and the settings not.
  int startDate = 0, endDate = 0;
  SaveStep(settingsTable, [&] {
    startDate = DateForSave(values.period.start, "FECHA_INICIOPERIODO");
    endDate = DateForSave(values.period.end, "FECHA_FINALPERIODO");
    OpenTable(settings, dataFolder, settingsTable);
    settings.Edit();
  });

  if (companyCode.toUpper() != QLatin1String(kDemoCompany)) {
    SaveStep(companyTable, [&] {
      CloseOnExit closeCompanies(companies);
      OpenTable(companies, QString(), companyTable);
      companies.Edit();
      companies.SetText(QStringLiteral("FE_NIT"), company.nit);
      companies.SetText(QStringLiteral("FE_RIF"), company.rif);
      companies.SetText(QStringLiteral("FE_DIRECCION1"), WithCrLf(company.address));
      companies.SetText(QStringLiteral("FE_REPRESENTANTE"), company.representative);
      companies.SetText(QStringLiteral("FE_RIFREPRESENTANTE"), company.representativeRif);
      companies.SetText(QStringLiteral("FE_DIRECCION2"), WithCrLf(company.postalAddress));
      companies.SetText(QStringLiteral("FE_TELEFONO"), company.phone);
      companies.SetText(QStringLiteral("FE_TELEFAX"), company.fax);
      companies.SetText(QStringLiteral("FE_EMAIL"), company.email);
      companies.SetText(QStringLiteral("FE_WEBSITE"), company.website);
      companies.Post();
    });
  }

  SaveStep(settingsTable, [&] {
    settings.SetDate(QStringLiteral("FECHA_INICIOPERIODO"), startDate);
    settings.SetDate(QStringLiteral("FECHA_FINALPERIODO"), endDate);
    settings.SetText(QStringLiteral("NAMEPERIODO"), values.period.name);
    settings.SetText(QStringLiteral("IMPUESTO1"), values.taxes.name1);
    settings.SetText(QStringLiteral("IMPUESTO2"), values.taxes.name2);
    settings.SetCurrency(QStringLiteral("MTO_IMPUESTO1"), values.taxes.rate1);
    settings.SetCurrency(QStringLiteral("MTO_IMPUESTO2"), values.taxes.rate2);
    settings.SetBoolean(QStringLiteral("ACTIVAR_IMPUESTO1"), values.taxes.active1);
    settings.SetBoolean(QStringLiteral("ACTIVAR_IMPUESTO2"), values.taxes.active2);
    settings.SetInteger(QStringLiteral("MODO_IVA"), values.taxes.mode);
    settings.SetCurrency(QStringLiteral("IMP_DEBITOBANCARIO"), values.bankDebitTax);
    static const char *const kKinds[kAdminCodeKinds] = {"CATEGORIA", "INVENTARIO", "ZONA",     "CLIENTE",
                                                       "VENDEDOR",  "PROVEEDOR",  "CONCEPTO", "BENEFICIARIO"};
    for (int k = 0; k < kAdminCodeKinds; ++k) {
      settings.SetBoolean(QStringLiteral("AUTOCODE") + QLatin1String(kKinds[k]), values.autoCode[k]);
      settings.SetBoolean(QStringLiteral("FILLCODE") + QLatin1String(kKinds[k]), values.fillCode[k]);
    }
    settings.SetBoolean(QStringLiteral("CONTRIBUYENTE_ESPECIAL"), values.specialTaxpayer);

    const int year = values.period.end.year();
    settings.SetText(QStringLiteral("ESTADANO2000"), QString::number(year));
    settings.SetText(QStringLiteral("ESTADANO1999"), QString::number(year - 1));
    settings.SetText(QStringLiteral("ESTADANO1998"), QString::number(year - 2));

    // WriteBlobField reports its own failure; the record is stored anyway.
    const PeriodDescriptions descriptions = BuildPeriodDescriptions(values.period.end.month());
    WriteBlobField(QStringLiteral("DESCRIPCIONPERIODOS"), PeriodDescriptions::kSize,
                   QStringLiteral("descripción de periodos."), settings, descriptions.data());
    settings.Post();
  });
}

void SaveFood(TableHandle &settings, const QString &dataFolder, const FoodSettings &values) {
  const QString table = QString::fromLatin1(kConfigTable);
  CloseOnExit closer(settings);
  SaveStep(table, [&] {
    const int start = DateForSave(values.period.start, "FCO_FECHAINI");
    const int end = DateForSave(values.period.end, "FCO_FECHAFIN");
    OpenTable(settings, dataFolder, table);
    settings.Edit();
    settings.SetInteger(QStringLiteral("FCO_AUTOCODE"), FoodBitSet(values.autoCode));
    settings.SetInteger(QStringLiteral("FCO_AUTOFILL"), FoodBitSet(values.autoFill));
    settings.SetDate(QStringLiteral("FCO_FECHAINI"), start);
    settings.SetDate(QStringLiteral("FCO_FECHAFIN"), end);
    settings.SetText(QStringLiteral("FCO_PERIODO"), values.period.name);
    settings.SetText(QStringLiteral("FCO_SERVICIO1"), values.services.name1);
    settings.SetText(QStringLiteral("FCO_SERVICIO2"), values.services.name2);
    settings.SetCurrency(QStringLiteral("FCO_MTOSERVICIO1"), values.services.rate1);
    settings.SetCurrency(QStringLiteral("FCO_MTOSERVICIO2"), values.services.rate2);
    settings.SetBoolean(QStringLiteral("FCO_ACTIVARSERVICIO1"), values.services.active1);
    settings.SetBoolean(QStringLiteral("FCO_ACTIVARSERVICIO2"), values.services.active2);
    settings.Post();
  });
}

void SaveHotel(TableHandle &settings, const QString &dataFolder, const HotelSettings &values) {
  const QString table = QString::fromLatin1(kConfigTable);
  CloseOnExit closer(settings);
  SaveStep(table, [&] {
    const int start = DateForSave(values.period.start, "FCO_FECHAINI");
    const int end = DateForSave(values.period.end, "FCO_FECHAFIN");
    const int lastAudit = DateForSave(values.currentDate.addDays(-1), "FCO_LASTAUDIT");
    OpenTable(settings, dataFolder, table);
    settings.Edit();
    settings.SetInteger(QStringLiteral("FCO_AUTOCODE"), HotelBitSet(values.autoCode));
    settings.SetInteger(QStringLiteral("FCO_AUTOFILL"), HotelBitSet(values.autoFill));
    settings.SetDate(QStringLiteral("FCO_FECHAINI"), start);
    settings.SetDate(QStringLiteral("FCO_FECHAFIN"), end);
    settings.SetText(QStringLiteral("FCO_PERIODO"), values.period.name);
    settings.SetDate(QStringLiteral("FCO_LASTAUDIT"), lastAudit);
    settings.Post();
  });
}

}  // namespace q7
