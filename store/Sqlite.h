#pragma once
// A thin RAII layer over SQLite: connections that only ever open existing
// files, prepared statements, and an IMMEDIATE transaction guard. Every engine
// failure becomes a q7::StoreError carrying SQLite's message and the file.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <stdexcept>

struct sqlite3;
struct sqlite3_stmt;

namespace q7 {

// Failure of the table layer: the engine's (or the layer's) message and the
// file it concerns (may be empty).
class StoreError : public std::runtime_error {
 public:
  explicit StoreError(const QString &message, const QString &file = {});
  const QString &Message() const { return m_message; }
  const QString &File() const { return m_file; }

 private:
  QString m_message;
  QString m_file;
};

// One open SQLite database file. The constructor opens an existing file only
// (a missing file is a StoreError, nothing is created), sets a busy timeout of
// 5 seconds and synchronous=FULL, and checks that the file really is an
// SQLite database. A file whose owner write bit is clear (read-only
// attribute) is opened read-only, so no write can reach it.
class Connection {
 public:
  explicit Connection(const QString &path);
  ~Connection();
  Connection(Connection &&other) noexcept;
  Connection &operator=(Connection &&other) noexcept;
  Connection(const Connection &) = delete;
  Connection &operator=(const Connection &) = delete;

  sqlite3 *Handle() const { return m_db; }
  // Absolute path of the main database file.
  const QString &Path() const { return m_path; }
  bool IsReadOnly() const { return m_readOnly; }

  // Runs one or more statements without results; throws StoreError.
  void Exec(const QString &sql);
  // Attaches another existing file under an alias (never creates it) and sets
  // synchronous=FULL on it.
  void Attach(const QString &path, const QString &alias);
  void Detach(const QString &alias);
  // Refuses (StoreError) unless every database of this connection, main and
  // attached, is in a rollback-journal mode (DELETE, TRUNCATE or PERSIST) with
  // synchronous FULL or EXTRA: only then is a transaction across several files
  // all-or-nothing.
  void CheckAtomicAcrossFiles();

  // False while a transaction is open.
  bool InAutocommit() const;
  std::int64_t LastInsertRowId() const;
  int Changes() const;
  // The engine's latest error message.
  QString LastErrorMessage() const;

 private:
  void CloseHandle() noexcept;

  sqlite3 *m_db = nullptr;
  QString m_path;
  bool m_readOnly = false;
};

// A prepared statement: prepared in the constructor, finalized in the
// destructor. Parameter indexes start at 1, column indexes at 0.
class Statement {
 public:
  Statement(Connection &connection, const QString &sql);
  ~Statement();
  Statement(Statement &&other) noexcept;
  Statement &operator=(Statement &&other) noexcept;
  Statement(const Statement &) = delete;
  Statement &operator=(const Statement &) = delete;

  void BindNull(int index);
  void BindInt64(int index, std::int64_t value);
  void BindDouble(int index, double value);
  void BindText(int index, const QString &value);
  void BindBlob(int index, const QByteArray &value);

  // Advances to the next row: true when a row is available, false when done.
  bool Step();
  // Runs a statement that returns no row (or ignores them) to its end.
  void Run();
  // Resets the statement (releasing its read lock) and clears the bindings.
  void Reset() noexcept;

  int ColumnCount() const;
  QString ColumnName(int column) const;
  bool IsNull(int column) const;
  // SQLITE_INTEGER, SQLITE_FLOAT, SQLITE_TEXT, SQLITE_BLOB or SQLITE_NULL.
  int ColumnType(int column) const;
  std::int64_t ColumnInt64(int column) const;
  double ColumnDouble(int column) const;
  QString ColumnText(int column) const;
  QByteArray ColumnBlob(int column) const;

  sqlite3_stmt *Handle() const { return m_stmt; }

 private:
  [[noreturn]] void Fail(int rc) const;

  Connection *m_connection = nullptr;
  sqlite3_stmt *m_stmt = nullptr;
};

// BEGIN IMMEDIATE in the constructor (waits for the busy timeout, then fails).
// The destructor rolls back unless Commit succeeded, and never throws.
class Transaction {
 public:
  explicit Transaction(Connection &connection);
  ~Transaction();
  Transaction(const Transaction &) = delete;
  Transaction &operator=(const Transaction &) = delete;

  // COMMIT; when it fails the transaction is rolled back explicitly (a failed
  // COMMIT leaves it open) and a StoreError is thrown.
  void Commit();
  // Explicit rollback; no effect once committed or rolled back.
  void Rollback() noexcept;

 private:
  Connection &m_connection;
  bool m_open = false;
};

}  // namespace q7
