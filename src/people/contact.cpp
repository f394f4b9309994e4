#include "people/contact.h"

#include "framework/cp1252.h"

#include <QByteArray>
#include <QStringDecoder>

QString DecodeContactsText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = cp1252::Decode(bytes);
    if (text.startsWith(QChar::ByteOrderMark))
        text.remove(0, 1);
    return text;
}

Contact::Birth BirthOf(const QDate &date)
{
    return date.isValid() && date.year() >= 100 && date.year() <= 9999 ? Contact::Birth::Dated
                                                                       : Contact::Birth::Unreadable;
}
