#pragma once
// Moving a blob field as a fixed-size byte image. Both routines report their
// own failures in an error box and never pass them on: the caller goes on.
#include <QString>

#include <cstddef>
#include <cstdint>

namespace q7 {

class TableHandle;

// Fills buffer[0..size) from the blob field of the record the open handle
// stands on: zeros first, then up to size bytes of the field (shorter content
// leaves zeros, longer content is cut). On failure (no such field, engine
// error) shows "Problemas durante la lectura de los períodos " + suffix.
// Returns whether the read succeeded.
bool ReadBlobField(const QString &field, std::size_t size, const QString &suffix,
                   TableHandle &table, std::uint8_t *buffer);

// Replaces the blob field of the record being edited by exactly size bytes of
// buffer. On failure (no such field, handle not in edit, engine error) shows
// "No se pudo actualizar el archivo de " + suffix and leaves the field as it
// was. Returns whether the write succeeded.
bool WriteBlobField(const QString &field, std::size_t size, const QString &suffix,
                    TableHandle &table, const std::uint8_t *buffer);

// Blob fields, image sizes and message suffixes used by the wizard.
inline constexpr std::size_t kPeriodosSize = 528;
inline constexpr std::size_t kDescripcionPeriodosSize = 1476;
inline constexpr std::size_t kFechaPeriodosSize = 5840;
inline constexpr std::size_t kValoresSize = 192;

}  // namespace q7
