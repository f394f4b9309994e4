#include "people/vcard_file.h"

#include <QIODevice>
#include <QRegularExpression>
#include <QStringList>
#include <QUuid>
#include <optional>

namespace vcard_file {

namespace {

constexpr qsizetype kFoldWidth = 75; // bytes of a line before it is folded

// One content line: "group.NAME;PARAM=...:value", the name in capitals without its group.
struct Property
{
    QString name;
    QString parameters;
    QString value;
};

// Logical lines. A line that starts with a blank carries on the one before it; the fold may
// fall inside a character, so lines are joined before the bytes are decoded. CR LF, LF or CR
// end a line.
QStringList Unfolded(QByteArray bytes)
{
    for (const char *fold : {"\r\n ", "\r\n\t", "\n ", "\n\t"})
        bytes.replace(fold, "");
    return DecodeContactsText(bytes).split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
}

// The value starts at the first colon outside a quoted parameter value.
std::optional<Property> ParseLine(const QString &line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'"') {
            quoted = !quoted;
        } else if (line[i] == u':' && !quoted) {
            const QString head = line.left(i);
            const qsizetype semicolon = head.indexOf(u';');
            QString name = head.left(semicolon).trimmed().toUpper();
            name = name.mid(name.lastIndexOf(u'.') + 1);
            return Property{name, semicolon < 0 ? QString() : head.mid(semicolon + 1),
                            line.mid(i + 1)};
        }
    }
    return std::nullopt;
}

// The parts of a structured value (N), split at the semicolons that are not escaped.
QStringList Components(const QString &value)
{
    QStringList parts{QString()};
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'\\' && i + 1 < value.size()) {
            parts.last() += value[i];
            parts.last() += value[++i];
        } else if (value[i] == u';') {
            parts.append(QString());
        } else {
            parts.last() += value[i];
        }
    }
    return parts;
}

QString Unescaped(const QString &value)
{
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const QChar next = value[++i];
        text += next == u'n' || next == u'N' ? QChar(u'\n') : next;
    }
    return text;
}

// N is family;given;additional;prefixes;suffixes: the name as it is said, given name first.
QString NameFromParts(const QString &value)
{
    const QStringList parts = Components(value);
    QStringList said;
    for (const int part : {3, 1, 2, 0, 4}) {
        const QString text = Unescaped(parts.value(part)).replace(u',', u' ').simplified();
        if (!text.isEmpty())
            said.append(text);
    }
    return said.join(u' ');
}

// "19850714", "1985-07-14", a date and time ("1985-07-14T00:00:00Z"), or a date without its year
// ("--0714", "--07-14").
Contact BirthFrom(Contact contact, const QString &value)
{
    const QString text = value.trimmed();
    if (text.isEmpty())
        return contact;
    static const QRegularExpression yearLess(QStringLiteral("^--(\\d\\d-?\\d\\d|-\\d\\d)$"));
    static const QRegularExpression date(QStringLiteral("^(\\d{4})-?(\\d\\d)-?(\\d\\d)(T.*)?$"));
    if (yearLess.match(text).hasMatch()) {
        contact.birth = Contact::Birth::YearLess;
        return contact;
    }
    const QRegularExpressionMatch match = date.match(text);
    contact.birthText = text;
    contact.birth = Contact::Birth::Unreadable;
    if (match.hasMatch()) {
        contact.birthDate =
            QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
        contact.birth = BirthOf(contact.birthDate);
    }
    return contact;
}

QString Escaped(const QString &text)
{
    QString value = text;
    value.replace(u'\\', QStringLiteral("\\\\"));
    value.replace(u',', QStringLiteral("\\,"));
    value.replace(u';', QStringLiteral("\\;"));
    value.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
    value.replace(u'\n', QStringLiteral("\\n"));
    value.replace(u'\r', QStringLiteral("\\n"));
    return value;
}

// Folds after at most 75 bytes, never inside a character: a folded line starts with a space.
QByteArray Folded(const QString &line)
{
    QByteArray out;
    qsizetype width = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const qsizetype units = line[i].isHighSurrogate() && i + 1 < line.size() ? 2 : 1;
        const QByteArray bytes = line.mid(i, units).toUtf8();
        i += units - 1;
        if (width + bytes.size() > kFoldWidth) {
            out += "\r\n ";
            width = 1;
        }
        out += bytes;
        width += bytes.size();
    }
    return out + "\r\n";
}

// The same person gives the same UID at every export, so that an address book updates its card
// instead of adding a second one.
QString Uid(const PersonRecord &person)
{
    static const QUuid kOndaris = QUuid::fromString(u"{5b0d2c4e-8f3a-4f61-9c1e-0a7d6b2e4f13}");
    const QString date = person.birthDate.IsConvertible()
                             ? person.birthDate.ToQDate().toString(Qt::ISODate)
                             : QString();
    return QUuid::createUuidV5(kOndaris, person.name + u'\n' + date).toString(QUuid::WithoutBraces);
}

} // namespace

ContactsRead Read(QIODevice &device)
{
    ContactsRead read;
    std::optional<Contact> card;
    QString structuredName;
    bool dated = false;
    int number = 0;
    for (const QString &line : Unfolded(device.readAll())) {
        ++number;
        if (line.trimmed().isEmpty())
            continue;
        const std::optional<Property> property = ParseLine(line);
        const bool begins = property && property->name == u"BEGIN" &&
                            property->value.trimmed().compare(u"VCARD", Qt::CaseInsensitive) == 0;
        const bool ends = property && property->name == u"END" &&
                          property->value.trimmed().compare(u"VCARD", Qt::CaseInsensitive) == 0;
        if (!card && !begins) {
            read.error = QStringLiteral("ce n'est pas un carnet d'adresses vCard (ligne %1 hors "
                                        "d'une fiche).")
                             .arg(number);
            return read;
        }
        if (begins) {
            if (card) {
                read.error = QStringLiteral("une fiche commence avant la fin de la précédente "
                                            "(ligne %1).")
                                 .arg(number);
                return read;
            }
            card = Contact{};
            structuredName.clear();
            dated = false;
        } else if (ends) {
            if (card->name.isEmpty())
                card->name = NameFromParts(structuredName);
            read.contacts.append(*card);
            card.reset();
        } else if (property && property->name == u"FN" && card->name.isEmpty()) {
            card->name = Unescaped(property->value).trimmed();
        } else if (property && property->name == u"N") {
            structuredName = property->value;
        } else if (property && property->name == u"BDAY" && !dated) {
            *card = BirthFrom(*card, property->value);
            dated = true;
        }
    }
    if (card)
        read.error = QStringLiteral("le fichier est tronqué : sa dernière fiche n'a pas de fin.");
    else if (read.contacts.isEmpty())
        read.error = QStringLiteral("le fichier ne contient aucune fiche vCard.");
    return read;
}

QByteArray Write(const NamesList &list)
{
    QByteArray out;
    for (int k = 0; k < std::clamp(list.count, 0, NamesList::kCapacity); ++k) {
        const PersonRecord &person = list.records[static_cast<size_t>(k)];
        out += "BEGIN:VCARD\r\nVERSION:3.0\r\n";
        out += "UID:" + Uid(person).toLatin1() + "\r\n";
        out += Folded(QStringLiteral("FN:") + Escaped(person.name));
        // N is required in 3.0; its parts are left empty rather than guessed from the name.
        out += "N:;;;;\r\n";
        if (person.birthDate.IsConvertible()) {
            const QDate date = person.birthDate.ToQDate();
            out += QStringLiteral("BDAY:%1-%2-%3\r\n")
                       .arg(date.year(), 4, 10, QChar(u'0'))
                       .arg(date.month(), 2, 10, QChar(u'0'))
                       .arg(date.day(), 2, 10, QChar(u'0'))
                       .toLatin1();
        }
        out += "END:VCARD\r\n";
    }
    return out;
}

} // namespace vcard_file
