#include "store/BlobFields.h"

#include "store/Messages.h"
#include "store/TableHandle.h"

#include <cstring>
#include <exception>

namespace q7 {

bool ReadBlobField(const QString &field, std::size_t size, const QString &suffix, TableHandle &table,
                   std::uint8_t *buffer) {
  if (buffer && size > 0) std::memset(buffer, 0, size);
  try {
    if (!table.FindField(field))
      throw StoreError(QStringLiteral("No existe el campo ") + field, table.FilePath());
    const QByteArray bytes = table.ReadBlob(field);
    const std::size_t n = std::min(size, static_cast<std::size_t>(bytes.size()));
    if (n > 0) std::memcpy(buffer, bytes.constData(), n);
    return true;
  } catch (const std::exception &) {
    ShowMessage(MsgType::Error, MbOK, QStringLiteral("Problemas durante la lectura de los períodos ") + suffix);
    return false;
  }
}

bool WriteBlobField(const QString &field, std::size_t size, const QString &suffix, TableHandle &table,
                    const std::uint8_t *buffer) {
  try {
    if (!table.FindField(field))
      throw StoreError(QStringLiteral("No existe el campo ") + field, table.FilePath());
    table.WriteBlob(field, QByteArray(reinterpret_cast<const char *>(buffer), static_cast<qsizetype>(size)));
    return true;
  } catch (const std::exception &) {
    ShowMessage(MsgType::Error, MbOK, QStringLiteral("No se pudo actualizar el archivo de ") + suffix);
    return false;
  }
}

}  // namespace q7
