#pragma once
// A table handle: a folder and a table name, opened onto the SQLite file
// NAME.dat holding the table NAME. It stands on one record at a time, in
// the order of the declared primary key (rowid when there is none), and edits
// that record in memory until Post stores it. Between calls it keeps no
// statement running, so it holds no lock on the file.
#include "store/Sqlite.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <memory>
#include <vector>

namespace q7 {

// The value kind a column's declared type gives.
enum class FieldKind { Text, Integer, Boolean, Currency, Date, Blob };

struct FieldInfo {
  QString name;      // as declared
  FieldKind kind;
  int primaryKeyPosition;  // 1-based position in the primary key, 0 if none
};

// True while some table handle of this process holds the file open. The path
// is compared after resolving it to its canonical form.
bool IsTableFileOpen(const QString &absolutePath);

class TableHandle {
 public:
  enum class State { Closed, Browse, Edit, Insert };

  TableHandle();
  ~TableHandle();
  TableHandle(const TableHandle &) = delete;
  TableHandle &operator=(const TableHandle &) = delete;

  // Folder ("" = working folder; "\" and "/" both separate; relative folders
  // are resolved against the working folder when the table is opened) and
  // table name ("NAME" or "NAME.dat"). Both take effect at the next Open.
  void SetFolder(const QString &folder);
  void SetTableName(const QString &name);
  const QString &Folder() const { return m_folder; }
  const QString &TableName() const { return m_tableName; }
  // The file the folder and name address now (matched without regard to
  // letter case when such a file exists).
  QString FilePath() const;

  // Opens the table and stands on its first record. A missing folder or
  // file, a file that is not an SQLite database or lacks the table: StoreError;
  // nothing is created. Opening an open handle closes it first.
  void Open();
  // Closes the table; an edit that was not stored is discarded.
  void Close() noexcept;
  bool IsOpen() const { return m_state != State::Closed; }
  State GetState() const { return m_state; }
  bool InEditState() const { return m_state == State::Edit || m_state == State::Insert; }

  // Navigation. In edit state these first store a changed record (or cancel
  // an unchanged one), as a table does when it leaves edit mode by moving.
  // Next past the last record sets Eof and stays on the last record; Prior
  // before the first sets Bof and stays on the first.
  void First();
  void Next();
  void Prior();
  void Last();
  bool Eof() const { return m_eof; }
  bool Bof() const { return m_bof; }
  bool IsEmpty();
  int RecordCount();

  // Looks up the record whose first primary-key column equals key (converted
  // to the column's kind). True and standing on it when found; false and the
  // position unchanged otherwise. A table without a primary key: StoreError.
  bool FindKey(const QString &key);

  // Starts changing the current record; on an empty table starts a new one.
  void Edit();
  // Starts a new record (columns not set take the table's defaults).
  void Insert();
  // Stores the changed or new record (only the columns set are written) in
  // one transaction and returns to browse state, standing on that record. A
  // failed Post writes nothing and leaves the edit pending.
  void Post();
  // Discards the pending edit.
  void Cancel() noexcept;

  // Columns, matched without regard to letter case. FindField yields nullptr
  // for an unknown name; the accessors below throw StoreError for it.
  bool HasField(const QString &name) const;
  const FieldInfo *FindField(const QString &name) const;
  const std::vector<FieldInfo> &Fields() const { return m_fields; }

  // Field access on the current record (in edit state: the edited values).
  // Setters need edit state. AsText reads any field but a blob; a NULL reads
  // as "", 0, false, 0.0 or day 0. SetText refuses text that Windows-1252
  // cannot hold. SetDate(0) stores NULL.
  QString AsText(const QString &name);
  void SetText(const QString &name, const QString &value);
  std::int32_t AsInteger(const QString &name);
  void SetInteger(const QString &name, std::int32_t value);
  bool AsBoolean(const QString &name);
  void SetBoolean(const QString &name, bool value);
  double AsCurrency(const QString &name);
  void SetCurrency(const QString &name, double value);
  int AsDate(const QString &name);  // day serial, 0 when NULL
  void SetDate(const QString &name, int serial);
  bool IsNull(const QString &name);
  void SetNull(const QString &name);
  QByteArray ReadBlob(const QString &name);
  void WriteBlob(const QString &name, const QByteArray &bytes);

 private:
  const FieldInfo &Field(const QString &name) const;
  int FieldIndex(const QString &name) const;
  QVariant CurrentValue(int index);
  QVariant ReadColumn(int index);
  std::vector<QVariant> ReadRecord();
  void SetValue(int index, const QVariant &value);
  void RequireOpen() const;
  void RequireEdit(const QString &what) const;
  void LeaveEditForMove();
  bool MoveTo(const QString &where, const std::vector<QVariant> &binds, bool descending);
  QString SeekCondition(bool forward, std::vector<QVariant> &binds) const;
  QString Quoted() const;
  QString OrderBy(bool descending) const;
  void StandOn(std::int64_t rowid);
  [[noreturn]] void Throw(const QString &message) const;

  QString m_folder;
  QString m_tableName;
  std::unique_ptr<Connection> m_connection;
  QString m_openPath;    // canonical path of the open file
  QString m_sqlTable;    // table name as stored in the file
  std::vector<FieldInfo> m_fields;
  std::vector<int> m_keyColumns;  // field indexes of the primary key, in key order
  State m_state = State::Closed;
  bool m_hasRecord = false;
  std::int64_t m_rowid = 0;
  std::vector<QVariant> m_positionKey;  // key values + rowid of the current record
  bool m_eof = true;
  bool m_bof = true;
  std::vector<QVariant> m_editValues;   // values of the current record while editing
  std::vector<bool> m_changed;          // columns set since Edit/Insert
  QHash<QString, int> m_fieldIndex;     // upper-case name -> index
};

}  // namespace q7
