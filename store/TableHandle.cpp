#include "store/TableHandle.h"

namespace q7 {

bool IsTableFileOpen(const QString &) { return false; }

TableHandle::TableHandle() = default;
TableHandle::~TableHandle() { Close(); }
void TableHandle::SetFolder(const QString &folder) { m_folder = folder; }
void TableHandle::SetTableName(const QString &name) { m_tableName = name; }
QString TableHandle::FilePath() const { return {}; }
void TableHandle::Open() { Throw(QStringLiteral("not implemented")); }
void TableHandle::Close() noexcept { m_state = State::Closed; }
void TableHandle::First() {}
void TableHandle::Next() {}
void TableHandle::Prior() {}
void TableHandle::Last() {}
bool TableHandle::IsEmpty() { return true; }
int TableHandle::RecordCount() { return 0; }
bool TableHandle::FindKey(const QString &) { return false; }
void TableHandle::Edit() {}
void TableHandle::Insert() {}
void TableHandle::Post() {}
void TableHandle::Cancel() noexcept {}
bool TableHandle::HasField(const QString &) const { return false; }
const FieldInfo *TableHandle::FindField(const QString &) const { return nullptr; }
QString TableHandle::AsText(const QString &) { return {}; }
void TableHandle::SetText(const QString &, const QString &) {}
std::int32_t TableHandle::AsInteger(const QString &) { return 0; }
void TableHandle::SetInteger(const QString &, std::int32_t) {}
bool TableHandle::AsBoolean(const QString &) { return false; }
void TableHandle::SetBoolean(const QString &, bool) {}
double TableHandle::AsCurrency(const QString &) { return 0; }
void TableHandle::SetCurrency(const QString &, double) {}
int TableHandle::AsDate(const QString &) { return 0; }
void TableHandle::SetDate(const QString &, int) {}
bool TableHandle::IsNull(const QString &) { return true; }
void TableHandle::SetNull(const QString &) {}
QByteArray TableHandle::ReadBlob(const QString &) { return {}; }
void TableHandle::WriteBlob(const QString &, const QByteArray &) {}
void TableHandle::Throw(const QString &message) const { throw StoreError(message, m_openPath); }

}  // namespace q7
