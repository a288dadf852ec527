#include "store/PriceIndex.h"

#include "store/BlobFields.h"
#include "store/Messages.h"
#include "store/TableHandle.h"

#include <cstring>
#include <exception>
#include <stdexcept>
#include <algorithm>

namespace q7 {

namespace {
const QString kYearField = QStringLiteral("ANO");
const QString kValuesField = QStringLiteral("VALORES");

void ReportStoreFailure() { ShowMessage(MsgType::Error, MbOK, QStringLiteral("Error al guardar los IPC.")); }
}  // namespace

// ------------------------------------------------------------------ VALORES

double ValoresImage::Month(int k) const {
  if (k < 1 || k > kPriceIndexMonths) throw std::out_of_range("month");
  return ReadDoubleLE(data() + kFirstValue + 8 * (k - 1));
}

void ValoresImage::SetMonth(int k, double value) {
  if (k < 1 || k > kPriceIndexMonths) throw std::out_of_range("month");
  WriteDoubleLE(data() + kFirstValue + 8 * (k - 1), value);
}

MonthValues ValoresImage::Values() const {
  MonthValues values{};
  for (int k = 1; k <= kPriceIndexMonths; ++k) values[k - 1] = Month(k);
  return values;
}

ValoresImage ValoresImage::FromBlob(const QByteArray &blob) {
  ValoresImage image;
  std::memcpy(image.data(), blob.constData(), std::min<std::size_t>(size(), blob.size()));
  return image;
}

ValoresImage ValoresImage::FromValues(const MonthValues &values) {
  ValoresImage image;
  for (int k = 1; k <= kPriceIndexMonths; ++k) image.SetMonth(k, values[k - 1]);
  return image;
}

QByteArray ValoresImage::ToBlob() const {
  return QByteArray(reinterpret_cast<const char *>(data()), static_cast<qsizetype>(size()));
}

// ------------------------------------------------------------ reading a year

std::optional<PriceIndexYear> ReadPriceIndexYear(TableHandle &table) {
  if (table.IsEmpty()) return std::nullopt;
  PriceIndexYear year;
  year.year = table.AsInteger(kYearField);
  if (year.year == 0) return std::nullopt;
  year.values = ValoresImage::FromBlob(table.ReadBlob(kValuesField)).Values();
  for (int i = 0; i < kPriceIndexMonths; ++i) year.locked[i] = year.values[i] != 0.0;
  return year;
}

MonthValues ValuesToStore(const PriceIndexYear &shown, int year, const MonthValues &typed, const MonthFlags &locked) {
  MonthValues values = typed;
  if (shown.year == 0 || shown.year != year) return values;
  for (int i = 0; i < kPriceIndexMonths; ++i)
    if (locked[i] && shown.locked[i]) values[i] = shown.values[i];
  return values;
}

// ------------------------------------------------------------------- table

std::optional<PriceIndexYear> PriceIndexTable::ReadCurrent() {
  std::optional<PriceIndexYear> year = ReadPriceIndexYear(m_table);
  if (year) m_shown = year;
  return year;
}

std::optional<PriceIndexYear> PriceIndexTable::Move(void (TableHandle::*move)()) {
  // A change that was not stored is dropped, never carried to another year.
  if (m_table.InEditState()) m_table.Cancel();
  (m_table.*move)();
  return ReadCurrent();
}

std::optional<PriceIndexYear> PriceIndexTable::First() { return Move(&TableHandle::First); }
std::optional<PriceIndexYear> PriceIndexTable::Prior() { return Move(&TableHandle::Prior); }
std::optional<PriceIndexYear> PriceIndexTable::Next() { return Move(&TableHandle::Next); }
std::optional<PriceIndexYear> PriceIndexTable::Last() { return Move(&TableHandle::Last); }

bool PriceIndexTable::IsEmpty() { return m_table.IsEmpty(); }

int PriceIndexTable::LastYear() {
  if (m_table.IsEmpty()) return 0;
  if (m_table.InEditState()) m_table.Cancel();
  // Remember the position by its key and come back to it.
  const int here = m_table.AsInteger(kYearField);
  m_table.Last();
  const int last = m_table.AsInteger(kYearField);
  if (here != last && !m_table.FindKey(QString::number(here))) m_table.First();
  return last;
}

PriceIndexStore PriceIndexTable::Store(int year, const MonthValues &typed, const MonthFlags &locked, bool insert) {
  if (!insert && year == 0) return PriceIndexStore::Nothing;
  const ValoresImage image = ValoresImage::FromValues(ValuesToStore(m_shown.value_or(PriceIndexYear{}), year, typed, locked));
  try {
    if (m_table.InEditState()) m_table.Cancel();
    if (insert) {
      if (year == 0) throw StoreError(QStringLiteral("Año 0 no es un año"));
      m_table.Insert();
      m_table.SetInteger(kYearField, year);
    } else {
      if (!m_table.FindKey(QString::number(year)))
        throw StoreError(QStringLiteral("No existe el año %1").arg(year));
      m_table.Edit();
    }
    WriteBlobField(kValuesField, kValoresSize, QStringLiteral("IPC."), m_table, image.data());
    m_table.Post();  // a year that exists is refused here by the key
  } catch (const std::exception &) {
    m_table.Cancel();  // nothing stays pending
    ReportStoreFailure();
    return PriceIndexStore::Failed;
  }
  PriceIndexYear stored;
  stored.year = year;
  stored.values = image.Values();
  for (int i = 0; i < kPriceIndexMonths; ++i) stored.locked[i] = stored.values[i] != 0.0;
  m_shown = stored;
  return PriceIndexStore::Stored;
}

}  // namespace q7
