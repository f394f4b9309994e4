#pragma once

#include "framework/archive.h"
#include "framework/message_box.h"
#include "people/names_list.h"
#include "studies/study_info.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

namespace study_fuzz {

inline QByteArray Written(CDocument &document)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    document.Serialize(ar);
    if (!ar.ok())
        std::abort();
    return bytes;
}

// Reads the data as a study of the type. A refused file must register nobody; an accepted one
// registers at most its persons (up to maxPersons), can be summarised, and what Ondaris writes
// of it reads back to the same members and writes the same bytes again.
template <class Document>
int ReadStudy(const std::uint8_t *data, std::size_t size, int maxPersons = 2)
{
    static const bool hooked = [] {
        messages::SetHook([](const messages::Shown &) { return QMessageBox::Ok; });
        return true;
    }();
    Q_UNUSED(hooked);

    NamesList names;
    Document document(names);
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    buffer.open(QIODevice::ReadOnly);
    if (!document.ReadFrom(buffer).isEmpty()) {
        if (names.count != 0)
            std::abort();
        return 0;
    }
    if (names.count < 1 || names.count > maxPersons)
        std::abort();
    StudyInfoText(document);

    const QByteArray written = Written(document);
    NamesList scratch;
    Document reread(scratch);
    QBuffer again;
    again.setData(written);
    again.open(QIODevice::ReadOnly);
    if (!reread.ReadFrom(again).isEmpty() || !again.atEnd() ||
        StudyInfoJson(reread) != StudyInfoJson(document) || Written(reread) != written)
        std::abort();
    return 0;
}

} // namespace study_fuzz
