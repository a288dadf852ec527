#include "store/Sqlite.h"

#include <sqlite3.h>

namespace q7 {

StoreError::StoreError(const QString &message, const QString &file)
    : std::runtime_error((file.isEmpty() ? message : message + QStringLiteral(" (") + file + u')').toStdString()),
      m_message(message), m_file(file) {}

Connection::Connection(const QString &path) : m_path(path) { throw StoreError(QStringLiteral("not implemented"), path); }
Connection::~Connection() { CloseHandle(); }
Connection::Connection(Connection &&other) noexcept : m_db(other.m_db), m_path(other.m_path), m_readOnly(other.m_readOnly) { other.m_db = nullptr; }
Connection &Connection::operator=(Connection &&other) noexcept { std::swap(m_db, other.m_db); m_path = other.m_path; m_readOnly = other.m_readOnly; return *this; }
void Connection::CloseHandle() noexcept { if (m_db) sqlite3_close_v2(m_db); m_db = nullptr; }
void Connection::Exec(const QString &) {}
void Connection::Attach(const QString &, const QString &) {}
void Connection::Detach(const QString &) {}
void Connection::CheckAtomicAcrossFiles() {}
bool Connection::InAutocommit() const { return true; }
std::int64_t Connection::LastInsertRowId() const { return 0; }
int Connection::Changes() const { return 0; }
QString Connection::LastErrorMessage() const { return {}; }

Statement::Statement(Connection &connection, const QString &) : m_connection(&connection) {}
Statement::~Statement() { if (m_stmt) sqlite3_finalize(m_stmt); }
Statement::Statement(Statement &&other) noexcept : m_connection(other.m_connection), m_stmt(other.m_stmt) { other.m_stmt = nullptr; }
Statement &Statement::operator=(Statement &&other) noexcept { std::swap(m_stmt, other.m_stmt); m_connection = other.m_connection; return *this; }
void Statement::BindNull(int) {}
void Statement::BindInt64(int, std::int64_t) {}
void Statement::BindDouble(int, double) {}
void Statement::BindText(int, const QString &) {}
void Statement::BindBlob(int, const QByteArray &) {}
bool Statement::Step() { return false; }
void Statement::Run() {}
void Statement::Reset() noexcept {}
int Statement::ColumnCount() const { return 0; }
QString Statement::ColumnName(int) const { return {}; }
bool Statement::IsNull(int) const { return true; }
int Statement::ColumnType(int) const { return SQLITE_NULL; }
std::int64_t Statement::ColumnInt64(int) const { return 0; }
double Statement::ColumnDouble(int) const { return 0; }
QString Statement::ColumnText(int) const { return {}; }
QByteArray Statement::ColumnBlob(int) const { return {}; }
void Statement::Fail(int) const { throw StoreError(QStringLiteral("not implemented")); }

Transaction::Transaction(Connection &connection) : m_connection(connection) {}
Transaction::~Transaction() { Rollback(); }
void Transaction::Commit() { m_open = false; }
void Transaction::Rollback() noexcept { m_open = false; }

}  // namespace q7
