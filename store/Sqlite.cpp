#include "store/Sqlite.h"

#include <QFileInfo>
#include <QUrl>

#include <sqlite3.h>
#include <sys/stat.h>

#include <utility>

namespace q7 {

namespace {

constexpr int kBusyTimeoutMs = 5000;

QString EngineMessage(sqlite3 *db, int rc) {
  if (db) return QString::fromUtf8(sqlite3_errmsg(db));
  return QString::fromUtf8(sqlite3_errstr(rc));
}

// The read-only attribute: the owner write bit is clear. stat() rather than
// access(), which says yes to root.
bool OwnerWriteBitClear(const QString &path) {
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0) return false;
  return (st.st_mode & S_IWUSR) == 0;
}

// A URI that opens an existing file only, whatever characters its path holds.
QString ExistingFileUri(const QString &absolutePath, bool readOnly) {
  const QByteArray encoded = QUrl::toPercentEncoding(absolutePath, "/");
  return QStringLiteral("file:") + QString::fromLatin1(encoded) +
         (readOnly ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=rw"));
}

QString QuoteIdentifier(const QString &name) {
  QString quoted = name;
  quoted.replace(u'"', QStringLiteral("\"\""));
  return u'"' + quoted + u'"';
}

}  // namespace

StoreError::StoreError(const QString &message, const QString &file)
    : std::runtime_error((file.isEmpty() ? message : message + QStringLiteral(" (") + file + u')').toStdString()),
      m_message(message),
      m_file(file) {}

// ---------------------------------------------------------------- Connection

Connection::Connection(const QString &path) {
  const QFileInfo info(path);
  m_path = info.absoluteFilePath();
  if (!info.exists() || !info.isFile())
    throw StoreError(QStringLiteral("No existe el archivo"), m_path);
  m_readOnly = OwnerWriteBitClear(m_path);

  const int flags = (m_readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_URI |
                    SQLITE_OPEN_NOMUTEX;  // never SQLITE_OPEN_CREATE
  const QByteArray uri = ExistingFileUri(m_path, m_readOnly).toUtf8();
  const int rc = sqlite3_open_v2(uri.constData(), &m_db, flags, nullptr);
  if (rc != SQLITE_OK) {
    const QString message = EngineMessage(m_db, rc);
    CloseHandle();
    throw StoreError(message, m_path);
  }
  sqlite3_extended_result_codes(m_db, 1);
  sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
  try {
    // Reading the schema makes a file that is not a database fail here, at
    // open, rather than at the first access.
    Exec(QStringLiteral("PRAGMA synchronous=FULL; SELECT count(*) FROM sqlite_master;"));
  } catch (...) {
    CloseHandle();
    throw;
  }
}

Connection::~Connection() { CloseHandle(); }

Connection::Connection(Connection &&other) noexcept
    : m_db(std::exchange(other.m_db, nullptr)), m_path(std::move(other.m_path)), m_readOnly(other.m_readOnly) {}

Connection &Connection::operator=(Connection &&other) noexcept {
  if (this != &other) {
    CloseHandle();
    m_db = std::exchange(other.m_db, nullptr);
    m_path = std::move(other.m_path);
    m_readOnly = other.m_readOnly;
  }
  return *this;
}

void Connection::CloseHandle() noexcept {
  if (m_db) {
    // An open transaction is rolled back by the engine when it closes.
    sqlite3_close_v2(m_db);
    m_db = nullptr;
  }
}

void Connection::Exec(const QString &sql) {
  if (!m_db) throw StoreError(QStringLiteral("Conexión cerrada"), m_path);
  char *error = nullptr;
  const int rc = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &error);
  if (rc != SQLITE_OK) {
    const QString message = error ? QString::fromUtf8(error) : EngineMessage(m_db, rc);
    sqlite3_free(error);
    throw StoreError(message, m_path);
  }
}

void Connection::Attach(const QString &path, const QString &alias) {
  const QFileInfo info(path);
  const QString absolute = info.absoluteFilePath();
  if (!info.exists() || !info.isFile()) throw StoreError(QStringLiteral("No existe el archivo"), absolute);
  const bool readOnly = OwnerWriteBitClear(absolute);
  Statement attach(*this, QStringLiteral("ATTACH DATABASE ? AS ") + QuoteIdentifier(alias));
  attach.BindText(1, ExistingFileUri(absolute, readOnly));
  try {
    attach.Run();
  } catch (const StoreError &e) {
    throw StoreError(e.Message(), absolute);
  }
  try {
    Exec(QStringLiteral("PRAGMA %1.synchronous=FULL; SELECT count(*) FROM %1.sqlite_master;")
             .arg(QuoteIdentifier(alias)));
  } catch (const StoreError &e) {
    try {
      Detach(alias);
    } catch (...) {
    }
    throw StoreError(e.Message(), absolute);
  }
}

void Connection::Detach(const QString &alias) { Exec(QStringLiteral("DETACH DATABASE ") + QuoteIdentifier(alias)); }

void Connection::CheckAtomicAcrossFiles() {
  QStringList schemas;
  {
    Statement list(*this, QStringLiteral("PRAGMA database_list"));
    while (list.Step()) {
      const QString name = list.ColumnText(1);
      if (name != QLatin1String("temp")) schemas << name;
    }
  }
  for (const QString &schema : schemas) {
    const QString quoted = QuoteIdentifier(schema);
    QString fileName;
    {
      Statement file(*this, QStringLiteral("SELECT file FROM pragma_database_list WHERE name = ?"));
      file.BindText(1, schema);
      if (file.Step()) fileName = file.ColumnText(0);
    }
    QString mode;
    {
      Statement journal(*this, QStringLiteral("PRAGMA %1.journal_mode").arg(quoted));
      if (journal.Step()) mode = journal.ColumnText(0).toLower();
    }
    if (mode != QLatin1String("delete") && mode != QLatin1String("truncate") && mode != QLatin1String("persist"))
      throw StoreError(QStringLiteral("El archivo no está en modo de diario de reversión (journal_mode=%1); "
                                      "la grabación no sería atómica")
                           .arg(mode),
                       fileName);
    int sync = -1;
    {
      Statement synchronous(*this, QStringLiteral("PRAGMA %1.synchronous").arg(quoted));
      if (synchronous.Step()) sync = static_cast<int>(synchronous.ColumnInt64(0));
    }
    if (sync < 2)  // 2 = FULL, 3 = EXTRA
      throw StoreError(QStringLiteral("El archivo no tiene synchronous=FULL (%1); la grabación no sería atómica")
                           .arg(sync),
                       fileName);
  }
}

bool Connection::InAutocommit() const { return m_db && sqlite3_get_autocommit(m_db) != 0; }

std::int64_t Connection::LastInsertRowId() const { return m_db ? sqlite3_last_insert_rowid(m_db) : 0; }

int Connection::Changes() const { return m_db ? sqlite3_changes(m_db) : 0; }

QString Connection::LastErrorMessage() const { return m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString(); }

// ----------------------------------------------------------------- Statement

Statement::Statement(Connection &connection, const QString &sql) : m_connection(&connection) {
  if (!connection.Handle()) throw StoreError(QStringLiteral("Conexión cerrada"), connection.Path());
  const QByteArray text = sql.toUtf8();
  const int rc = sqlite3_prepare_v2(connection.Handle(), text.constData(), static_cast<int>(text.size()), &m_stmt,
                                    nullptr);
  if (rc != SQLITE_OK) {
    sqlite3_finalize(m_stmt);
    m_stmt = nullptr;
    Fail(rc);
  }
  if (!m_stmt) throw StoreError(QStringLiteral("Sentencia vacía: ") + sql, connection.Path());
}

Statement::~Statement() {
  if (m_stmt) sqlite3_finalize(m_stmt);
}

Statement::Statement(Statement &&other) noexcept
    : m_connection(other.m_connection), m_stmt(std::exchange(other.m_stmt, nullptr)) {}

Statement &Statement::operator=(Statement &&other) noexcept {
  if (this != &other) {
    if (m_stmt) sqlite3_finalize(m_stmt);
    m_connection = other.m_connection;
    m_stmt = std::exchange(other.m_stmt, nullptr);
  }
  return *this;
}

void Statement::Fail(int rc) const {
  throw StoreError(EngineMessage(m_connection ? m_connection->Handle() : nullptr, rc),
                   m_connection ? m_connection->Path() : QString());
}

void Statement::BindNull(int index) {
  if (const int rc = sqlite3_bind_null(m_stmt, index); rc != SQLITE_OK) Fail(rc);
}

void Statement::BindInt64(int index, std::int64_t value) {
  if (const int rc = sqlite3_bind_int64(m_stmt, index, value); rc != SQLITE_OK) Fail(rc);
}

void Statement::BindDouble(int index, double value) {
  if (const int rc = sqlite3_bind_double(m_stmt, index, value); rc != SQLITE_OK) Fail(rc);
}

void Statement::BindText(int index, const QString &value) {
  const QByteArray utf8 = value.toUtf8();
  if (const int rc = sqlite3_bind_text64(m_stmt, index, utf8.constData(), static_cast<sqlite3_uint64>(utf8.size()),
                                         SQLITE_TRANSIENT, SQLITE_UTF8);
      rc != SQLITE_OK)
    Fail(rc);
}

void Statement::BindBlob(int index, const QByteArray &value) {
  // A zero-length blob must stay a blob, not become NULL: bind a non-null pointer.
  static const char empty = 0;
  const char *data = value.isEmpty() ? &empty : value.constData();
  if (const int rc =
          sqlite3_bind_blob64(m_stmt, index, data, static_cast<sqlite3_uint64>(value.size()), SQLITE_TRANSIENT);
      rc != SQLITE_OK)
    Fail(rc);
}

bool Statement::Step() {
  const int rc = sqlite3_step(m_stmt);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  // Fetch the message before the reset that releases the statement's locks.
  const QString message = EngineMessage(m_connection->Handle(), rc);
  sqlite3_reset(m_stmt);
  throw StoreError(message, m_connection->Path());
}

void Statement::Run() {
  while (Step()) {
  }
  sqlite3_reset(m_stmt);
}

void Statement::Reset() noexcept {
  if (!m_stmt) return;
  sqlite3_reset(m_stmt);
  sqlite3_clear_bindings(m_stmt);
}

int Statement::ColumnCount() const { return sqlite3_column_count(m_stmt); }

QString Statement::ColumnName(int column) const { return QString::fromUtf8(sqlite3_column_name(m_stmt, column)); }

bool Statement::IsNull(int column) const { return sqlite3_column_type(m_stmt, column) == SQLITE_NULL; }

int Statement::ColumnType(int column) const { return sqlite3_column_type(m_stmt, column); }

std::int64_t Statement::ColumnInt64(int column) const { return sqlite3_column_int64(m_stmt, column); }

double Statement::ColumnDouble(int column) const { return sqlite3_column_double(m_stmt, column); }

QString Statement::ColumnText(int column) const {
  const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
  const int bytes = sqlite3_column_bytes(m_stmt, column);
  return text ? QString::fromUtf8(text, bytes) : QString();
}

QByteArray Statement::ColumnBlob(int column) const {
  const void *data = sqlite3_column_blob(m_stmt, column);
  const int bytes = sqlite3_column_bytes(m_stmt, column);
  return data ? QByteArray(static_cast<const char *>(data), bytes) : QByteArray();
}

// --------------------------------------------------------------- Transaction

Transaction::Transaction(Connection &connection) : m_connection(connection) {
  m_connection.Exec(QStringLiteral("BEGIN IMMEDIATE"));
  m_open = true;
}

Transaction::~Transaction() { Rollback(); }

void Transaction::Commit() {
  if (!m_open) throw StoreError(QStringLiteral("No hay transacción abierta"), m_connection.Path());
  try {
    m_connection.Exec(QStringLiteral("COMMIT"));
  } catch (...) {
    // A failed COMMIT can leave the transaction open: end it here.
    Rollback();
    throw;
  }
  m_open = false;
}

void Transaction::Rollback() noexcept {
  if (!m_open) return;
  m_open = false;
  // Never throw from here: it runs in the destructor.
  if (m_connection.Handle() && !m_connection.InAutocommit())
    sqlite3_exec(m_connection.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

}  // namespace q7
