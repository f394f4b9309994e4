#include "framework/archive.h"

#include "framework/cp1252.h"

#include <QIODevice>
#include <QtEndian>
#include <bit>
#include <cstring>

namespace {

constexpr quint8 kLongerLength8 = 0xFF;
constexpr quint16 kWideMark = 0xFFFE;
constexpr quint16 kLongerLength16 = 0xFFFF;
constexpr quint32 kLongerLength32 = 0xFFFFFFFF;
constexpr quint64 kLengthLimit64 = quint64(1) << 31;

} // namespace

CArchive::CArchive(QIODevice *device, Mode mode, quint64 largestBlock)
    : m_device(device), m_mode(mode), m_largestBlock(largestBlock)
{
}

void CArchive::SetError(Error error)
{
    if (m_error == Error::None)
        m_error = error;
}

template <typename T> T CArchive::readLittleEndian()
{
    char bytes[sizeof(T)];
    if (!readRaw(bytes, sizeof(T)))
        return T(0);
    return qFromLittleEndian<T>(bytes);
}

template <typename T> void CArchive::writeLittleEndian(T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian<T>(value, bytes);
    writeRaw(bytes, sizeof(T));
}

bool CArchive::ensureLeft(qint64 size)
{
    if (!ok())
        return false;
    if (size > m_device->bytesAvailable()) {
        SetError(Error::EndOfFile);
        return false;
    }
    return true;
}

bool CArchive::readRaw(char *data, qint64 size)
{
    if (!ensureLeft(size))
        return false;
    const qint64 got = m_device->read(data, size);
    if (got != size) {
        SetError(got < 0 ? Error::Device : Error::EndOfFile);
        return false;
    }
    return true;
}

bool CArchive::writeRaw(const char *data, qint64 size)
{
    if (!ok())
        return false;
    if (m_device->write(data, size) != size) {
        SetError(Error::Device);
        return false;
    }
    return true;
}

qint32 CArchive::ReadInt32()
{
    return readLittleEndian<qint32>();
}

double CArchive::ReadDouble()
{
    return std::bit_cast<double>(readLittleEndian<quint64>());
}

COleDateTime CArchive::ReadDate()
{
    const qint32 status = ReadInt32();
    const double value = ReadDouble();
    return COleDateTime(value, status);
}

// Where markAllowed, the 16-bit value 0xFFFE marks a text of 16-bit characters: markSeen is
// set and the length prefix that follows the mark is read.
quint64 CArchive::readLength(bool markAllowed, bool &markSeen)
{
    const auto length8 = readLittleEndian<quint8>();
    if (length8 < kLongerLength8)
        return length8;
    const auto length16 = readLittleEndian<quint16>();
    if (length16 == kWideMark && markAllowed) {
        markSeen = true;
        return readLength(false, markSeen);
    }
    if (length16 < kLongerLength16)
        return length16;
    const auto length32 = readLittleEndian<quint32>();
    if (length32 < kLongerLength32)
        return length32;
    const auto length64 = readLittleEndian<quint64>();
    if (length64 >= kLengthLimit64) {
        SetError(Error::BadLength);
        return 0;
    }
    return length64;
}

QString CArchive::ReadString()
{
    bool wide = false;
    const quint64 length = readLength(true, wide);
    // At most 2^32 characters of two bytes: the byte count cannot overflow.
    const auto size = static_cast<qint64>(wide ? 2 * length : length);
    if (!ensureLeft(size))
        return {};
    // Whatever its form in the file, the text takes two bytes a character once read; a 32-bit
    // build cannot hold every length that the file can announce.
    if (!FitsContainer(length, sizeof(QChar), m_largestBlock)) {
        SetError(Error::BadLength);
        return {};
    }
    QByteArray bytes(size, Qt::Uninitialized);
    if (!readRaw(bytes.data(), size))
        return {};
    if (!wide)
        return cp1252::Decode(bytes);
    QString text(static_cast<qsizetype>(length), Qt::Uninitialized);
    qFromLittleEndian<quint16>(bytes.constData(), text.size(), text.data());
    return text;
}

void CArchive::WriteInt32(qint32 value)
{
    writeLittleEndian(value);
}

void CArchive::WriteDouble(double value)
{
    writeLittleEndian(std::bit_cast<quint64>(value));
}

void CArchive::WriteDate(const COleDateTime &date)
{
    WriteInt32(date.m_status);
    WriteDouble(date.m_dt);
}

void CArchive::writeLength(quint64 length)
{
    if (length < kLongerLength8) {
        writeLittleEndian(static_cast<quint8>(length));
        return;
    }
    writeLittleEndian(kLongerLength8);
    // 0xFFFE is left out of the 16-bit form: it is the mark of 16-bit characters.
    if (length < kWideMark) {
        writeLittleEndian(static_cast<quint16>(length));
        return;
    }
    writeLittleEndian(kLongerLength16);
    if (length < kLongerLength32) {
        writeLittleEndian(static_cast<quint32>(length));
        return;
    }
    writeLittleEndian(kLongerLength32);
    writeLittleEndian(length);
}

void CArchive::WriteString(const QString &text)
{
    if (cp1252::Fits(text)) {
        const QByteArray bytes = cp1252::Encode(text);
        writeLength(static_cast<quint64>(bytes.size()));
        writeRaw(bytes.constData(), bytes.size());
        return;
    }
    writeLittleEndian(kLongerLength8);
    writeLittleEndian(kWideMark);
    writeLength(static_cast<quint64>(text.size()));
    QByteArray bytes(2 * text.size(), Qt::Uninitialized);
    qToLittleEndian<quint16>(text.utf16(), text.size(), bytes.data());
    writeRaw(bytes.constData(), bytes.size());
}
