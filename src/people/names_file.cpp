#include "people/names_file.h"

#include "framework/container_size.h"
#include "framework/cp1252.h"

#include <QDir>
#include <QIODevice>
#include <QStringDecoder>
#include <algorithm>
#include <optional>

namespace names_file {

namespace {

const QByteArray kMagic = QByteArrayLiteral("BSBDBDCP");

// Field lengths in characters, the line end counted as one.
constexpr qsizetype kMagicLimit = 9;
constexpr qsizetype kCountLimit = 4;
constexpr qsizetype kDayLimit = 3;
constexpr qsizetype kMonthLimit = 3;
constexpr qsizetype kYearLimit = 5;
// A name is read whole, as long as it is, short of what a container holds once decoded: on a
// 32-bit build a longer line is split like the other fields.
constexpr qsizetype kNameLimit = static_cast<qsizetype>(kLargestBlock / sizeof(QChar));

// Reads the file as text: CR LF is one line end, like a lone LF. Qt's text mode cannot stop
// after a given number of characters, so the bounded reads are ours.
class FieldReader
{
public:
    explicit FieldReader(QIODevice &device) : m_device(device) {}

    // Up to `limit` characters, stopping after a line end, which stays in the result as '\n'.
    // Nothing at the end of the file.
    std::optional<QByteArray> Read(qsizetype limit)
    {
        QByteArray field;
        char c = 0;
        while (field.size() < limit && m_device.getChar(&c)) {
            if (c == '\r') {
                char next = 0;
                if (m_device.peek(&next, 1) == 1 && next == '\n') {
                    m_device.getChar(&next);
                    c = '\n';
                }
            }
            field.append(c);
            if (c == '\n')
                break;
        }
        if (field.isEmpty())
            return std::nullopt;
        return field;
    }

private:
    QIODevice &m_device;
};

// The C library's atoi on a short field: blanks, an optional sign, digits; no digits is 0.
int LeadingInteger(const QByteArray &field)
{
    qsizetype i = 0;
    while (i < field.size() && (field[i] == ' ' || (field[i] >= '\t' && field[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-'))
        negative = field[i++] == '-';
    qint64 value = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9' && value < 1'000'000'000; ++i)
        value = value * 10 + (field[i] - '0');
    return static_cast<int>(negative ? -value : value);
}

// A line that is valid UTF-8 and uses it (some byte above 0x7F) is UTF-8; anything else is
// Windows-1252, as the program has always written it.
QString DecodeName(const QByteArray &bytes)
{
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char c) { return static_cast<uchar>(c) < 0x80; });
    if (!ascii) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8(bytes);
        if (!utf8.hasError())
            return text;
    }
    return cp1252::Decode(bytes);
}

bool IsMultiByteUtf8(const QByteArray &bytes)
{
    return DecodeName(bytes) != cp1252::Decode(bytes);
}

// Windows-1252 whenever the code page carries the name and reads back the same; else UTF-8,
// which the reader recognises.
QByteArray EncodeName(const QString &name)
{
    if (cp1252::Fits(name)) {
        const QByteArray bytes = cp1252::Encode(name);
        if (!IsMultiByteUtf8(bytes))
            return bytes;
    }
    return name.toUtf8();
}

QByteArray DateLine(int part)
{
    return QByteArray::number(part) + "\r\n";
}

} // namespace

ReadResult Read(QIODevice &device, NamesList &list)
{
    list.count = 0;
    list.records = {};
    FieldReader in(device);
    const std::optional<QByteArray> magic = in.Read(kMagicLimit);
    if (!magic || !magic->startsWith(kMagic))
        return ReadResult::Corrupt;
    const std::optional<QByteArray> countLine = in.Read(kCountLimit);
    if (!countLine)
        return ReadResult::Truncated;
    // A count above the capacity was never written by the program: the first records are
    // read and the rest is left alone.
    const int announcedInFile = LeadingInteger(*countLine);
    const int announced = std::min(announcedInFile, NamesList::kCapacity);
    for (int k = 0; k < announced; ++k) {
        std::optional<QByteArray> name = in.Read(kNameLimit);
        const std::optional<QByteArray> day = name ? in.Read(kDayLimit) : std::nullopt;
        const std::optional<QByteArray> month = day ? in.Read(kMonthLimit) : std::nullopt;
        const std::optional<QByteArray> year = month ? in.Read(kYearLimit) : std::nullopt;
        if (!year)
            return ReadResult::Truncated;
        if (name->endsWith('\n'))
            name->chop(1);
        PersonRecord &record = list.records[static_cast<size_t>(k)];
        // A lone CR is no line end here, yet the list keeps every name on one line.
        record.name = PersonName(DecodeName(*name));
        record.birthDate =
            COleDateTime(LeadingInteger(*year), LeadingInteger(*month), LeadingInteger(*day));
        list.count = k + 1;
    }
    return announcedInFile > announced ? ReadResult::Overfull : ReadResult::Ok;
}

QByteArray Write(const NamesList &list)
{
    const int count = std::clamp(list.count, 0, NamesList::kCapacity);
    QByteArray out = kMagic + "\r\n" + QByteArray::number(count) + "\r\n";
    for (int k = 0; k < count; ++k) {
        const PersonRecord &record = list.records[static_cast<size_t>(k)];
        out += EncodeName(PersonName(record.name)) + "\r\n";
        const bool dated = record.birthDate.IsConvertible();
        out += DateLine(dated ? record.birthDate.GetDay() : -1);
        out += DateLine(dated ? record.birthDate.GetMonth() : -1);
        out += DateLine(dated ? record.birthDate.GetYear() : -1);
    }
    return out;
}

QString FilePath(const QString &dataDirectory)
{
    return QDir(dataDirectory).filePath(QStringLiteral("Ondaris.dat"));
}

} // namespace names_file
