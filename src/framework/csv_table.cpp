#include "framework/csv_table.h"

namespace csv_table {

namespace {

constexpr QChar kSeparator = u';';
constexpr QChar kQuote = u'"';

QString Field(const QString &text)
{
    if (!text.contains(kSeparator) && !text.contains(kQuote) && !text.contains(u'\r') &&
        !text.contains(u'\n'))
        return text;
    return kQuote + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + kQuote;
}

bool IsBlank(const QStringList &row)
{
    return row.size() == 1 && row.constFirst().isEmpty();
}

} // namespace

QByteArray Write(const QList<QStringList> &rows)
{
    QByteArray csv("\xEF\xBB\xBF");
    for (const QStringList &row : rows) {
        QStringList fields;
        for (const QString &field : row)
            fields.append(Field(field));
        csv += fields.join(kSeparator).toUtf8() + "\r\n";
    }
    return csv;
}

std::optional<QList<QStringList>> Read(QStringView text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    const auto endRow = [&] {
        row.append(field);
        field.clear();
        if (!IsBlank(row))
            rows.append(row);
        row.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != kQuote)
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == kQuote)
                field += text[++i];
            else
                quoted = false;
        } else if (c == kQuote) {
            quoted = true;
        } else if (c == kSeparator) {
            row.append(field);
            field.clear();
        } else if (c == u'\n') {
            endRow();
        } else if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            endRow();
        } else {
            field += c;
        }
    }
    if (quoted)
        return std::nullopt;
    endRow();
    return rows;
}

} // namespace csv_table
