#include "store/TableHandle.h"

#include "store/Paths.h"
#include "store/ValueKinds.h"

#include <QFileInfo>
#include <QMutex>

#include <algorithm>
#include <cmath>

#include <limits>

namespace q7 {

namespace {

// ------------------------------------------------ registry of open files

QMutex &RegistryMutex() {
  static QMutex mutex;
  return mutex;
}
QHash<QString, int> &OpenFiles() {
  static QHash<QString, int> files;
  return files;
}
void RegisterOpen(const QString &canonical) {
  QMutexLocker lock(&RegistryMutex());
  ++OpenFiles()[canonical];
}
void RegisterClose(const QString &canonical) {
  QMutexLocker lock(&RegistryMutex());
  auto it = OpenFiles().find(canonical);
  if (it != OpenFiles().end() && --it.value() <= 0) OpenFiles().erase(it);
}

// ------------------------------------------------ helpers

QString QuoteIdent(const QString &name) {
  QString quoted = name;
  quoted.replace(u'"', QStringLiteral("\"\""));
  return u'"' + quoted + u'"';
}

FieldKind KindOfDeclaredType(const QString &declared) {
  const QString t = declared.toUpper();
  if (t.contains(QLatin1String("BOOL"))) return FieldKind::Boolean;
  if (t.contains(QLatin1String("CURRENCY")) || t.contains(QLatin1String("MONEY"))) return FieldKind::Currency;
  if (t.contains(QLatin1String("DATE")) || t.contains(QLatin1String("TIME"))) return FieldKind::Date;
  if (t.contains(QLatin1String("INT"))) return FieldKind::Integer;
  if (t.isEmpty() || t.contains(QLatin1String("BLOB"))) return FieldKind::Blob;
  return FieldKind::Text;  // TEXT, CHAR, CLOB, and anything else read as text
}

QString KindName(FieldKind kind) {
  switch (kind) {
    case FieldKind::Text: return QStringLiteral("texto");
    case FieldKind::Integer: return QStringLiteral("entero");
    case FieldKind::Boolean: return QStringLiteral("lógico");
    case FieldKind::Currency: return QStringLiteral("moneda");
    case FieldKind::Date: return QStringLiteral("fecha");
    case FieldKind::Blob: return QStringLiteral("blob");
  }
  return {};
}

void Bind(Statement &statement, int index, const QVariant &value) {
  if (!value.isValid() || value.isNull()) {
    statement.BindNull(index);
    return;
  }
  switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::Bool: statement.BindInt64(index, value.toLongLong()); break;
    case QMetaType::Double: statement.BindDouble(index, value.toDouble()); break;
    case QMetaType::QByteArray: statement.BindBlob(index, value.toByteArray()); break;
    default: statement.BindText(index, value.toString()); break;
  }
}

QVariant Column(const Statement &statement, int column) {
  switch (statement.ColumnType(column)) {
    case 1: return QVariant::fromValue<qlonglong>(statement.ColumnInt64(column));  // SQLITE_INTEGER
    case 2: return QVariant(statement.ColumnDouble(column));                         // SQLITE_FLOAT
    case 3: return QVariant(statement.ColumnText(column));                           // SQLITE_TEXT
    case 4: return QVariant(statement.ColumnBlob(column));                           // SQLITE_BLOB
    default: return QVariant();                                                      // SQLITE_NULL
  }
}

bool IsNullValue(const QVariant &value) { return !value.isValid() || value.isNull(); }

}  // namespace

bool IsTableFileOpen(const QString &absolutePath) {
  const QString canonical = QFileInfo(ResolveExistingPath(absolutePath)).canonicalFilePath();
  if (canonical.isEmpty()) return false;
  QMutexLocker lock(&RegistryMutex());
  return OpenFiles().contains(canonical);
}

// ------------------------------------------------ TableHandle

TableHandle::TableHandle() = default;

TableHandle::~TableHandle() { Close(); }

void TableHandle::SetFolder(const QString &folder) { m_folder = folder; }

void TableHandle::SetTableName(const QString &name) { m_tableName = name; }

namespace {
// "NAME" and "NAME.dat" both name the file NAME.dat holding the table NAME.
QString BaseTableName(const QString &name) {
  QString base = NormalizeSeparators(name.trimmed());
  if (base.endsWith(QLatin1String(".dat"), Qt::CaseInsensitive)) base.chop(4);
  return base;
}
}  // namespace

QString TableHandle::FilePath() const {
  return ResolveExistingPath(JoinFolderFile(m_folder, BaseTableName(m_tableName) + QStringLiteral(".dat")));
}

void TableHandle::Throw(const QString &message) const {
  throw StoreError(message, m_openPath.isEmpty() ? FilePath() : m_openPath);
}

void TableHandle::Open() {
  Close();
  const QString base = BaseTableName(m_tableName);
  if (base.isEmpty() || base.contains(u'/')) throw StoreError(QStringLiteral("Nombre de tabla no válido: ") + m_tableName);

  const QString folder = ResolveExistingPath(AbsoluteFolder(m_folder));
  if (!QFileInfo(folder).isDir()) throw StoreError(QStringLiteral("No existe la carpeta"), folder);
  const QString path = FilePath();
  const QFileInfo info(path);
  if (!info.exists() || !info.isFile()) throw StoreError(QStringLiteral("No existe la tabla ") + base, path);

  auto connection = std::make_unique<Connection>(path);

  // The table inside: named as the file without ".dat", letter case aside.
  QString sqlTable;
  {
    Statement find(*connection, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                               "name = ? COLLATE NOCASE ORDER BY name = ? DESC LIMIT 1"));
    find.BindText(1, base);
    find.BindText(2, base);
    if (find.Step()) sqlTable = find.ColumnText(0);
  }
  if (sqlTable.isEmpty()) throw StoreError(QStringLiteral("El archivo no contiene la tabla ") + base, path);

  std::vector<FieldInfo> fields;
  std::vector<std::pair<int, int>> keyOrder;  // (position in key, field index)
  {
    Statement info2(*connection, QStringLiteral("PRAGMA table_info(%1)").arg(QuoteIdent(sqlTable)));
    while (info2.Step()) {
      FieldInfo f{info2.ColumnText(1), KindOfDeclaredType(info2.ColumnText(2)),
                  static_cast<int>(info2.ColumnInt64(5))};
      if (f.primaryKeyPosition > 0) keyOrder.emplace_back(f.primaryKeyPosition, static_cast<int>(fields.size()));
      fields.push_back(f);
    }
  }
  try {
    // Records are identified by rowid; a table without one is not supported.
    Statement probe(*connection, QStringLiteral("SELECT _rowid_ FROM %1 LIMIT 0").arg(QuoteIdent(sqlTable)));
  } catch (const StoreError &) {
    throw StoreError(QStringLiteral("La tabla %1 no tiene rowid (WITHOUT ROWID no se admite)").arg(sqlTable), path);
  }
  std::sort(keyOrder.begin(), keyOrder.end());

  m_connection = std::move(connection);
  m_sqlTable = sqlTable;
  m_fields = std::move(fields);
  m_keyColumns.clear();
  for (const auto &k : keyOrder) m_keyColumns.push_back(k.second);
  m_fieldIndex.clear();
  for (int i = 0; i < static_cast<int>(m_fields.size()); ++i) m_fieldIndex.insert(m_fields[i].name.toUpper(), i);
  m_openPath = QFileInfo(path).canonicalFilePath();
  RegisterOpen(m_openPath);
  m_state = State::Browse;
  try {
    First();
  } catch (...) {
    Close();
    throw;
  }
}

void TableHandle::Close() noexcept {
  if (m_state == State::Closed && !m_connection) return;
  if (!m_openPath.isEmpty()) RegisterClose(m_openPath);
  m_connection.reset();  // an unstored edit lives only in memory: it goes here
  m_openPath.clear();
  m_sqlTable.clear();
  m_fields.clear();
  m_keyColumns.clear();
  m_fieldIndex.clear();
  m_state = State::Closed;
  m_hasRecord = false;
  m_rowid = 0;
  m_positionKey.clear();
  m_eof = m_bof = true;
  m_editValues.clear();
  m_changed.clear();
}

void TableHandle::RequireOpen() const {
  if (m_state == State::Closed)
    throw StoreError(QStringLiteral("La tabla no está abierta"), m_openPath.isEmpty() ? FilePath() : m_openPath);
}

void TableHandle::RequireEdit(const QString &what) const {
  RequireOpen();
  if (!InEditState()) Throw(QStringLiteral("La tabla no está en edición (%1)").arg(what));
}

QString TableHandle::Quoted() const { return QuoteIdent(m_sqlTable); }

QString TableHandle::OrderBy(bool descending) const {
  QStringList parts;
  const QString dir = descending ? QStringLiteral(" DESC") : QString();
  for (int k : m_keyColumns) parts << QuoteIdent(m_fields[k].name) + dir;
  parts << QStringLiteral("_rowid_") + dir;
  return QStringLiteral(" ORDER BY ") + parts.join(QStringLiteral(", "));
}

void TableHandle::StandOn(std::int64_t rowid) {
  QStringList cols;
  for (int k : m_keyColumns) cols << QuoteIdent(m_fields[k].name);
  cols << QStringLiteral("_rowid_");
  Statement read(*m_connection,
                 QStringLiteral("SELECT %1 FROM %2 WHERE _rowid_ = ?").arg(cols.join(QStringLiteral(", ")), Quoted()));
  read.BindInt64(1, rowid);
  if (!read.Step()) Throw(QStringLiteral("El registro ya no existe"));
  std::vector<QVariant> key;
  for (int i = 0; i < read.ColumnCount(); ++i) key.push_back(Column(read, i));
  read.Reset();
  m_positionKey = std::move(key);
  m_rowid = rowid;
  m_hasRecord = true;
}

bool TableHandle::MoveTo(const QString &where, const std::vector<QVariant> &binds, bool descending) {
  Statement find(*m_connection, QStringLiteral("SELECT _rowid_ FROM %1%2%3 LIMIT 1")
                                    .arg(Quoted(), where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where,
                                         OrderBy(descending)));
  for (std::size_t i = 0; i < binds.size(); ++i) Bind(find, static_cast<int>(i) + 1, binds[i]);
  if (!find.Step()) return false;
  const std::int64_t rowid = find.ColumnInt64(0);
  find.Reset();
  StandOn(rowid);
  return true;
}

void TableHandle::LeaveEditForMove() {
  if (!InEditState()) return;
  bool changed = false;
  for (bool c : m_changed) changed = changed || c;
  if (changed) Post();
  else Cancel();
}

void TableHandle::First() {
  RequireOpen();
  LeaveEditForMove();
  const bool found = MoveTo({}, {}, false);
  if (!found) {
    m_hasRecord = false;
    m_positionKey.clear();
  }
  m_eof = !found;
  m_bof = true;
}

void TableHandle::Last() {
  RequireOpen();
  LeaveEditForMove();
  const bool found = MoveTo({}, {}, true);
  if (!found) {
    m_hasRecord = false;
    m_positionKey.clear();
  }
  m_eof = true;
  m_bof = !found;
}

// The records after (or before) the current one in key order, NULL keys
// sorting first as SQLite sorts them: (k1, ..., kn, rowid) compared
// lexicographically with the current record's values. Returns an empty
// condition when no record can lie in that direction.
QString TableHandle::SeekCondition(bool forward, std::vector<QVariant> &binds) const {
  QStringList cols;
  for (int k : m_keyColumns) cols << QuoteIdent(m_fields[k].name);
  cols << QStringLiteral("_rowid_");
  QStringList terms;
  for (int i = 0; i < cols.size(); ++i) {
    const bool isNull = IsNullValue(m_positionKey[i]);
    if (!forward && isNull) continue;  // nothing sorts before NULL
    QStringList term;
    for (int j = 0; j < i; ++j) {
      term << cols[j] + QStringLiteral(" IS ?");
      binds.push_back(m_positionKey[j]);
    }
    if (forward && isNull) {
      term << cols[i] + QStringLiteral(" IS NOT NULL");
    } else {
      term << (forward ? QStringLiteral("%1 > ?") : QStringLiteral("(%1 < ? OR %1 IS NULL)")).arg(cols[i]);
      binds.push_back(m_positionKey[i]);
    }
    terms << u'(' + term.join(QStringLiteral(" AND ")) + u')';
  }
  return terms.join(QStringLiteral(" OR "));
}

void TableHandle::Next() {
  RequireOpen();
  LeaveEditForMove();
  if (!m_hasRecord) {
    m_eof = true;
    return;
  }
  std::vector<QVariant> binds;
  const QString where = SeekCondition(true, binds);
  m_eof = !MoveTo(where, binds, false);
  m_bof = false;
}

void TableHandle::Prior() {
  RequireOpen();
  LeaveEditForMove();
  if (!m_hasRecord) {
    m_bof = true;
    return;
  }
  std::vector<QVariant> binds;
  const QString where = SeekCondition(false, binds);
  const bool found = !where.isEmpty() && MoveTo(where, binds, true);
  m_bof = !found;
  m_eof = false;
}

bool TableHandle::IsEmpty() {
  RequireOpen();
  Statement any(*m_connection, QStringLiteral("SELECT 1 FROM %1 LIMIT 1").arg(Quoted()));
  const bool empty = !any.Step();
  any.Reset();
  return empty;
}

int TableHandle::RecordCount() {
  RequireOpen();
  Statement count(*m_connection, QStringLiteral("SELECT count(*) FROM %1").arg(Quoted()));
  count.Step();
  const auto n = count.ColumnInt64(0);
  count.Reset();
  return static_cast<int>(n);
}

bool TableHandle::FindKey(const QString &key) {
  RequireOpen();
  if (m_keyColumns.empty()) Throw(QStringLiteral("La tabla %1 no tiene clave primaria").arg(m_sqlTable));
  LeaveEditForMove();
  const FieldInfo &field = m_fields[m_keyColumns.front()];
  QVariant value;
  switch (field.kind) {
    case FieldKind::Integer:
    case FieldKind::Boolean: {
      bool ok = false;
      const qlonglong n = key.trimmed().toLongLong(&ok);
      if (!ok) return false;
      value = n;
      break;
    }
    case FieldKind::Date: {
      const auto serial = IsoTextToSerial(key);
      if (!serial) return false;
      value = SerialToIsoText(*serial);
      break;
    }
    case FieldKind::Currency: {
      bool ok = false;
      const double d = key.trimmed().toDouble(&ok);
      if (!ok) return false;
      value = QVariant::fromValue<qlonglong>(CurrencyToUnits(d));
      break;
    }
    default: value = key; break;
  }
  if (!MoveTo(QuoteIdent(field.name) + QStringLiteral(" = ?"), {value}, false)) return false;
  m_eof = m_bof = false;
  return true;
}

// ------------------------------------------------ editing

std::vector<QVariant> TableHandle::ReadRecord() {
  std::vector<QVariant> values(m_fields.size());
  if (!m_hasRecord) return values;
  QStringList cols;
  for (const FieldInfo &f : m_fields) cols << QuoteIdent(f.name);
  Statement read(*m_connection,
                 QStringLiteral("SELECT %1 FROM %2 WHERE _rowid_ = ?").arg(cols.join(QStringLiteral(", ")), Quoted()));
  read.BindInt64(1, m_rowid);
  if (!read.Step()) Throw(QStringLiteral("El registro ya no existe"));
  for (int i = 0; i < static_cast<int>(m_fields.size()); ++i) values[i] = Column(read, i);
  read.Reset();
  return values;
}

QVariant TableHandle::ReadColumn(int index) {
  if (!m_hasRecord) return {};
  Statement read(*m_connection, QStringLiteral("SELECT %1 FROM %2 WHERE _rowid_ = ?")
                                    .arg(QuoteIdent(m_fields[index].name), Quoted()));
  read.BindInt64(1, m_rowid);
  if (!read.Step()) Throw(QStringLiteral("El registro ya no existe"));
  QVariant value = Column(read, 0);
  read.Reset();
  return value;
}

void TableHandle::Edit() {
  RequireOpen();
  if (InEditState()) return;
  if (!m_hasRecord) {
    First();
    if (!m_hasRecord) {  // empty table: editing starts its first record
      Insert();
      return;
    }
  }
  m_editValues = ReadRecord();
  m_changed.assign(m_fields.size(), false);
  m_state = State::Edit;
}

void TableHandle::Insert() {
  RequireOpen();
  LeaveEditForMove();
  m_editValues.assign(m_fields.size(), QVariant());
  m_changed.assign(m_fields.size(), false);
  m_state = State::Insert;
}

void TableHandle::Post() {
  RequireEdit(QStringLiteral("grabar"));
  QStringList cols;
  std::vector<QVariant> binds;
  for (int i = 0; i < static_cast<int>(m_fields.size()); ++i) {
    if (!m_changed[i]) continue;
    cols << QuoteIdent(m_fields[i].name);
    binds.push_back(m_editValues[i]);
  }
  if (m_state == State::Edit && cols.isEmpty()) {  // nothing changed: nothing to write
    Cancel();
    return;
  }

  std::int64_t rowid = m_rowid;
  auto write = [&] {
    if (m_state == State::Edit) {
      QStringList sets;
      for (const QString &c : cols) sets << c + QStringLiteral(" = ?");
      Statement update(*m_connection, QStringLiteral("UPDATE %1 SET %2 WHERE _rowid_ = ?")
                                          .arg(Quoted(), sets.join(QStringLiteral(", "))));
      int n = 1;
      for (const QVariant &v : binds) Bind(update, n++, v);
      update.BindInt64(n, m_rowid);
      update.Run();
      if (m_connection->Changes() != 1) Throw(QStringLiteral("El registro ya no existe"));
    } else {
      QString sql;
      if (cols.isEmpty()) {
        sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(Quoted());
      } else {
        QStringList marks;
        for (qsizetype i = 0; i < cols.size(); ++i) marks << QStringLiteral("?");
        sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(Quoted(), cols.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
      }
      Statement insert(*m_connection, sql);
      int n = 1;
      for (const QVariant &v : binds) Bind(insert, n++, v);
      insert.Run();
      rowid = m_connection->LastInsertRowId();
    }
  };

  if (m_connection->InAutocommit()) {
    // BEGIN IMMEDIATE takes the write lock up front, so a busy file is
    // waited for through the busy timeout instead of failing at once.
    Transaction transaction(*m_connection);
    write();
    transaction.Commit();
  } else {
    write();
  }

  m_state = State::Browse;
  m_editValues.clear();
  m_changed.clear();
  StandOn(rowid);
  m_eof = m_bof = false;
}

void TableHandle::Cancel() noexcept {
  if (!InEditState()) return;
  m_state = State::Browse;
  m_editValues.clear();
  m_changed.clear();
}

// ------------------------------------------------ fields

bool TableHandle::HasField(const QString &name) const { return FindField(name) != nullptr; }

const FieldInfo *TableHandle::FindField(const QString &name) const {
  const auto it = m_fieldIndex.constFind(name.toUpper());
  return it == m_fieldIndex.constEnd() ? nullptr : &m_fields[it.value()];
}

int TableHandle::FieldIndex(const QString &name) const {
  RequireOpen();
  const auto it = m_fieldIndex.constFind(name.toUpper());
  if (it == m_fieldIndex.constEnd())
    Throw(QStringLiteral("No existe el campo %1 en la tabla %2").arg(name, m_sqlTable));
  return it.value();
}

const FieldInfo &TableHandle::Field(const QString &name) const { return m_fields[FieldIndex(name)]; }

QVariant TableHandle::CurrentValue(int index) {
  if (InEditState()) return m_editValues[index];
  return ReadColumn(index);
}

void TableHandle::SetValue(int index, const QVariant &value) {
  m_editValues[index] = value;
  m_changed[index] = true;
}

namespace {
[[noreturn]] void WrongKind(const FieldInfo &field, const QString &wanted, const QString &file) {
  throw StoreError(QStringLiteral("El campo %1 es de tipo %2, no %3").arg(field.name, KindName(field.kind), wanted),
                   file);
}
}  // namespace

QString TableHandle::AsText(const QString &name) {
  const int index = FieldIndex(name);
  const FieldInfo &field = m_fields[index];
  const QVariant value = CurrentValue(index);
  if (IsNullValue(value)) return {};
  switch (field.kind) {
    case FieldKind::Blob: WrongKind(field, QStringLiteral("texto"), m_openPath);
    case FieldKind::Boolean: return value.toLongLong() != 0 ? QStringLiteral("True") : QStringLiteral("False");
    case FieldKind::Currency: return QString::number(UnitsToCurrency(value.toLongLong()), 'f', 4);
    default: return value.toString();
  }
}

void TableHandle::SetText(const QString &name, const QString &value) {
  const int index = FieldIndex(name);
  const FieldInfo &field = m_fields[index];
  RequireEdit(field.name);
  if (field.kind == FieldKind::Integer) {
    bool ok = false;
    const int n = value.trimmed().toInt(&ok);
    if (!ok) Throw(QStringLiteral("El texto \"%1\" no es un entero válido para el campo %2").arg(value, field.name));
    SetValue(index, QVariant::fromValue<qlonglong>(n));
    return;
  }
  if (field.kind != FieldKind::Text) WrongKind(field, QStringLiteral("texto"), m_openPath);
  if (!CanEncodeWindows1252(value))
    Throw(QStringLiteral("El campo %1 no admite el texto \"%2\": tiene caracteres fuera de Windows-1252")
              .arg(field.name, value));
  SetValue(index, value);
}

std::int32_t TableHandle::AsInteger(const QString &name) {
  const int index = FieldIndex(name);
  const FieldInfo &field = m_fields[index];
  if (field.kind != FieldKind::Integer && field.kind != FieldKind::Boolean)
    WrongKind(field, QStringLiteral("entero"), m_openPath);
  const QVariant value = CurrentValue(index);
  if (IsNullValue(value)) return 0;
  bool ok = false;
  const qlonglong n = value.toLongLong(&ok);
  if (!ok || n < std::numeric_limits<std::int32_t>::min() || n > std::numeric_limits<std::int32_t>::max())
    Throw(QStringLiteral("El campo %1 no contiene un entero de 32 bits").arg(field.name));
  return static_cast<std::int32_t>(n);
}

void TableHandle::SetInteger(const QString &name, std::int32_t value) {
  const int index = FieldIndex(name);
  const FieldInfo &field = m_fields[index];
  RequireEdit(field.name);
  if (field.kind != FieldKind::Integer) WrongKind(field, QStringLiteral("entero"), m_openPath);
  SetValue(index, QVariant::fromValue<qlonglong>(value));
}

bool TableHandle::AsBoolean(const QString &name) {
  const int index = FieldIndex(name);
  const FieldInfo &field = m_fields[index];
  if (field.kind != FieldKind::Boolean) WrongKind(field, QStringLiteral("lógico"), m_openPath);
  const QVariant value = CurrentValue(index);
  if (IsNullValue(value)) return false;
  if (value.typeId() == QMetaType::QString) {
    const QString t = value.toString().trimmed().toUpper();
    return t == QLatin1String("TRUE") || t == QLatin1String("T") || t == QLatin1String("1");
  }
  return value.toLongLong() != 0;
}

void TableHandle::SetBoolean(const QString &name, bool value) {
  const int index = FieldIndex(name);
  const FieldInfo &field = m_fields[index];
  RequireEdit(field.name);
  if (field.kind != FieldKind::Boolean) WrongKind(field, QStringLiteral("lógico"), m_openPath);
  SetValue(index, QVariant::fromValue<qlonglong>(value ? 1 : 0));
}

double TableHandle::AsCurrency(const QString &name) {
  const int index = FieldIndex(name);
  const FieldInfo &field = m_fields[index];
  if (field.kind != FieldKind::Currency) WrongKind(field, QStringLiteral("moneda"), m_openPath);
  const QVariant value = CurrentValue(index);
  if (IsNullValue(value)) return 0.0;
  bool ok = false;
  const double units = value.toDouble(&ok);  // ten-thousandths
  if (!ok) Throw(QStringLiteral("El campo %1 no contiene un monto").arg(field.name));
  return UnitsToCurrency(static_cast<std::int64_t>(std::llround(units)));
}

void TableHandle::SetCurrency(const QString &name, double value) {
  const int index = FieldIndex(name);
  const FieldInfo &field = m_fields[index];
  RequireEdit(field.name);
  if (field.kind != FieldKind::Currency) WrongKind(field, QStringLiteral("moneda"), m_openPath);
  SetValue(index, QVariant::fromValue<qlonglong>(CurrencyToUnits(value)));
}

int TableHandle::AsDate(const QString &name) {
  const int index = FieldIndex(name);
  const FieldInfo &field = m_fields[index];
  if (field.kind != FieldKind::Date) WrongKind(field, QStringLiteral("fecha"), m_openPath);
  const QVariant value = CurrentValue(index);
  if (IsNullValue(value)) return kNoDate;
  const auto serial = IsoTextToSerial(value.toString());
  if (!serial) Throw(QStringLiteral("El campo %1 no contiene una fecha válida: %2").arg(field.name, value.toString()));
  return *serial;
}

void TableHandle::SetDate(const QString &name, int serial) {
  const int index = FieldIndex(name);
  const FieldInfo &field = m_fields[index];
  RequireEdit(field.name);
  if (field.kind != FieldKind::Date) WrongKind(field, QStringLiteral("fecha"), m_openPath);
  if (serial == kNoDate) {
    SetValue(index, QVariant());
    return;
  }
  const QDate date = SerialToDate(serial);
  if (date.year() < 1 || date.year() > 9999)
    Throw(QStringLiteral("Fecha fuera de rango para el campo %1").arg(field.name));
  SetValue(index, SerialToIsoText(serial));
}

bool TableHandle::IsNull(const QString &name) {
  const int index = FieldIndex(name);
  return IsNullValue(CurrentValue(index));
}

void TableHandle::SetNull(const QString &name) {
  const int index = FieldIndex(name);
  RequireEdit(m_fields[index].name);
  SetValue(index, QVariant());
}

QByteArray TableHandle::ReadBlob(const QString &name) {
  const int index = FieldIndex(name);
  const FieldInfo &field = m_fields[index];
  if (field.kind != FieldKind::Blob) WrongKind(field, QStringLiteral("blob"), m_openPath);
  const QVariant value = CurrentValue(index);
  if (IsNullValue(value)) return {};
  if (value.typeId() == QMetaType::QString) return value.toString().toUtf8();
  return value.toByteArray();
}

void TableHandle::WriteBlob(const QString &name, const QByteArray &bytes) {
  const int index = FieldIndex(name);
  const FieldInfo &field = m_fields[index];
  RequireEdit(field.name);
  if (field.kind != FieldKind::Blob) WrongKind(field, QStringLiteral("blob"), m_openPath);
  SetValue(index, bytes);
}

}  // namespace q7
