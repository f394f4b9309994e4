#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Tables for a French spreadsheet: ";" between fields, UTF-8 with a byte-order mark, CR LF line
// ends; a field holding a separator, a quote or a line end is quoted, its quotes doubled.
namespace csv_table {

QByteArray Write(const QList<QStringList> &rows);

// The rows of such a text once decoded (its byte-order mark gone), empty lines left out; LF alone
// ends a line too. Nothing when a quoted field is never closed.
std::optional<QList<QStringList>> Read(QStringView text);

} // namespace csv_table
