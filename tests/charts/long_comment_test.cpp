#include "charts/affinite_page.h"
#include "charts/biorythme_page.h"
#include "charts/page_frame.h"
#include "people/names_list.h"
#include "recorder.h"
#include "studies/affinite_doc.h"
#include "studies/biorythme_doc.h"

#include <QTest>

namespace {

// A recorder that counts the characters it measures.
class CountingDevice : public RecordingDevice
{
public:
    using RecordingDevice::RecordingDevice;

    int TextWidth(const QString &text) const override
    {
        measured += text.size();
        return RecordingDevice::TextWidth(text);
    }

    mutable qsizetype measured = 0;
};

constexpr qsizetype kLength = 100'000;

// One line of pasted text: words of 1 to 12 letters, one space apart.
QString Words()
{
    QString text;
    for (int i = 0; text.size() < kLength; ++i)
        text += QString(1 + i * 7 % 12, QLatin1Char(char('a' + i % 26))) + QLatin1Char(' ');
    text.truncate(kLength);
    return text.trimmed();
}

// The comment's pieces: the texts drawn after "Commentaires :".
QStringList Pieces(const RecordingDevice &dc)
{
    const QStringList texts = dc.texts();
    return texts.mid(texts.indexOf(QStringLiteral("Commentaires :")) + 1);
}

} // namespace

// A comment of one line of 100,000 characters on the Biorythme page (cw = 7: text from 98 to the
// frame's right edge at 722) and on the Affinité page, whose frame is wider (cw = 8: from 112 to
// 848).
class LongCommentTest : public QObject
{
    Q_OBJECT

private:
    NamesList m_names;

    // Draws the page of the kind with the comment on the device; returns the page's extent.
    QSize Draw(const QString &page, RecordingDevice &dc, const QString &comment)
    {
        if (page == QLatin1String("Biorythme")) {
            COndarisDoc doc(m_names);
            doc.comment = comment;
            return DrawBiorythmePage(dc, doc, 17, false);
        }
        COndarisDoc3 doc(m_names);
        doc.comment = comment;
        return DrawAffinitePage(dc, doc, 17, kScreenBarCorrection);
    }

private Q_SLOTS:
    void wrappedAtTheRightEdge_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("cw");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("comment");
        const QString word = QString(kLength, QLatin1Char('x'));
        QTest::newRow("Biorythme, words")
            << QStringLiteral("Biorythme") << 7 << 98 << 722 << Words();
        QTest::newRow("Biorythme, one word")
            << QStringLiteral("Biorythme") << 7 << 98 << 722 << word;
        QTest::newRow("Affinité, words")
            << QStringLiteral("Affinité") << 8 << 112 << 848 << Words();
        QTest::newRow("Affinité, one word")
            << QStringLiteral("Affinité") << 8 << 112 << 848 << word;
    }

    // Every piece fits, and the next word (or, within a word, the next character) would not:
    // the lines end at the frame's right edge. The pieces give the comment back, one line apart,
    // and the page ends one line below the last. The work grows with the comment's length.
    void wrappedAtTheRightEdge()
    {
        QFETCH(QString, page);
        QFETCH(int, cw);
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(QString, comment);
        CountingDevice dc(UnitsChoice(20, cw));
        const QSize extent = Draw(page, dc, comment);

        const QStringList pieces = Pieces(dc);
        const bool words = comment.contains(QLatin1Char(' '));
        QCOMPARE(pieces.join(words ? QStringLiteral(" ") : QString()), comment);
        const int top = dc.findText(QStringLiteral("Commentaires :"))->points[0].y();
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            const RecordingDevice::Call &call =
                dc.calls().at(dc.calls().size() - pieces.size() + i);
            QCOMPARE(call.points[0], QPoint(left, top + 20 * int(i + 1)));
            QVERIFY(left + cw * pieces[i].size() <= right);
            if (i + 1 == pieces.size())
                break;
            const QString next = pieces[i + 1];
            const QString longer =
                words ? pieces[i] + QLatin1Char(' ') + next.section(QLatin1Char(' '), 0, 0)
                      : pieces[i] + next.front();
            QVERIFY2(left + cw * longer.size() > right, qPrintable(pieces[i]));
        }
        QCOMPARE(extent.height(), top + 20 * int(pieces.size() + 2));
        QVERIFY2(dc.measured < 6 * kLength, qPrintable(QString::number(dc.measured)));
    }

    // The same comment on a device whose text font measures otherwise, in a frame of the same
    // width, is wrapped for that device.
    void wrappedForEachDevice()
    {
        RecordingDevice narrow(UnitsChoice(20, 7));
        RecordingDevice wide(UnitsChoice(20, 7));
        wide.SetFaceMetrics(TextFont(17).face, UnitsChoice(20, 8));
        Draw(QStringLiteral("Biorythme"), narrow, Words());
        Draw(QStringLiteral("Biorythme"), wide, Words());
        const qsizetype widest = std::ranges::max(Pieces(wide), {}, &QString::size).size();
        QVERIFY(widest <= (722 - 98) / 8);
        QVERIFY(Pieces(narrow).size() < Pieces(wide).size());
    }
};

QTEST_MAIN(LongCommentTest)
#include "long_comment_test.moc"
