#pragma once

#include "core/ole_date_time.h"
#include "framework/archive.h"
#include "framework/document.h"
#include "people/names_list.h"
#include "studies/study_types.h"

#include <QBuffer>
#include <QtEndian>
#include <memory>

// Study files built byte by byte, as other programs may have written them.
namespace study_bytes {

// A text of Windows-1252 bytes with the shortest length prefix.
inline QByteArray Text(const QByteArray &bytes)
{
    QByteArray out;
    const auto n = static_cast<quint32>(bytes.size());
    if (n < 0xFF) {
        out.append(char(n));
    } else {
        out.append(char(0xFF));
        out.append(char(n & 0xFF));
        out.append(char(n >> 8));
    }
    return out + bytes;
}

inline QByteArray Int32(qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

inline QByteArray Date(double value, qint32 status = 0)
{
    char bytes[8];
    qToLittleEndian(value, bytes);
    return Int32(status) + QByteArray(bytes, 8);
}

inline QByteArray Date(const COleDateTime &date)
{
    return Date(date.m_dt, date.m_status);
}

// The study types in the order of registration: 0 Biorythme, 1 Compatibilité, 2 Affinité.
inline std::unique_ptr<CDocument> Make(int kind, NamesList &names)
{
    return StudyTypes().at(kind).make(names);
}

// A file of the kind from dates {birth 1, birth 2, start}: the comment, name1 and birth 1; for
// the two-person kinds name2 and birth 2; for the kinds with a start date the last date.
inline QByteArray File(int kind, const QByteArray &comment, const QByteArray &name1,
                       const QByteArray &name2, const QList<QByteArray> &dates)
{
    QByteArray out = Text(comment) + Text(name1) + dates.at(0);
    if (kind != 0)
        out += Text(name2) + dates.at(1);
    if (kind != 2)
        out += dates.back();
    return out;
}

inline QString Read(CDocument &document, const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return document.ReadFrom(buffer);
}

inline QByteArray Write(CDocument &document)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    document.Serialize(ar);
    return buffer.data();
}

// A Biorythme study of one birth date, or a Compatibilité study of two, from the start date;
// null when it could not be read.
inline std::unique_ptr<CDocument> DayStudy(NamesList &names, const QList<QDate> &births,
                                           const QDate &start)
{
    const int kind = births.size() == 1 ? 0 : 1;
    std::unique_ptr<CDocument> study = Make(kind, names);
    QList<QByteArray> dates;
    for (const QDate &birth : births)
        dates << Date(COleDateTime::FromQDate(birth));
    dates << Date(COleDateTime::FromQDate(start));
    if (!Read(*study, File(kind, "", "A", "B", dates)).isEmpty())
        return nullptr;
    return study;
}

} // namespace study_bytes
