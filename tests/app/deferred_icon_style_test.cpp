#include "app_harness.h"
#include "mainwindow/deferred_icon_style.h"

#include <QApplication>
#include <QImage>
#include <QStyleFactory>
#include <cstring>
#include <link.h>

using namespace harness;

// The style's images that the windows ask for as they are built are read only when drawn: the
// start-up with a study loads no image format plugin (nor the network and print libraries, which
// only the hand-over and print modules bring), and the images, once drawn, are the style's own.
class DeferredIconStyleTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startWithAStudyLoadsNoPluginNorModule();
    void imagesAreTheStylesOwn_data();
    void imagesAreTheStylesOwn();
    void chevronsAreDrawn_data();
    void chevronsAreDrawn();
};

namespace {

struct Search
{
    const char *part;
    int count = 0;
};

int CountMatches(dl_phdr_info *info, size_t, void *search)
{
    auto *wanted = static_cast<Search *>(search);
    if (info->dlpi_name != nullptr && std::strstr(info->dlpi_name, wanted->part) != nullptr)
        ++wanted->count;
    return 0;
}

// The loaded libraries whose path holds `part`.
int Loaded(const char *part)
{
    Search search{part};
    dl_iterate_phdr(CountMatches, &search);
    return search.count;
}

} // namespace

// First: once an image plugin is loaded, it stays for the rest of the test program.
void DeferredIconStyleTest::startWithAStudyLoadsNoPluginNorModule()
{
    ResetStore();
    const QString path =
        WriteBiorythme(QStringLiteral("claire.bio"), QStringLiteral("Claire"), QDate(1985, 7, 14));
    const std::unique_ptr<COndarisApp> app = Start({path});
    QVERIFY(app);
    QVERIFY(QTest::qWaitForWindowExposed(app->MainFrame()));
    QCOMPARE(app->Studies().Documents().size(), 1);
    QCOMPARE(Loaded("/imageformats/"), 0);
    QCOMPARE(Loaded("libQt6Network"), 0);
    QCOMPARE(Loaded("libQt6PrintSupport"), 0);
}

void DeferredIconStyleTest::imagesAreTheStylesOwn_data()
{
    QTest::addColumn<int>("standardIcon");
    QTest::newRow("restore") << int(QStyle::SP_TitleBarNormalButton);
    QTest::newRow("minimize") << int(QStyle::SP_TitleBarMinButton);
    QTest::newRow("maximize") << int(QStyle::SP_TitleBarMaxButton);
    QTest::newRow("close") << int(QStyle::SP_TitleBarCloseButton);
    QTest::newRow("not deferred") << int(QStyle::SP_MessageBoxWarning);
}

void DeferredIconStyleTest::imagesAreTheStylesOwn()
{
    QFETCH(int, standardIcon);
    const auto which = QStyle::StandardPixmap(standardIcon);
    // The application's style is already ours after the start-up above.
    const QStyle *style = QApplication::style();
    const auto *proxy = qobject_cast<const QProxyStyle *>(style);
    const QString name = (proxy ? proxy->baseStyle() : style)->name();
    QVERIFY(!name.isEmpty());
    const std::unique_ptr<QStyle> plain(QStyleFactory::create(name));
    DeferredIconStyle deferred(name);

    const QIcon expected = plain->standardIcon(which);
    const QIcon icon = deferred.standardIcon(which);
    QVERIFY(!expected.isNull());
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.availableSizes(), expected.availableSizes());
    for (const int side : {16, 24, 32}) {
        QCOMPARE(icon.actualSize(QSize(side, side)), expected.actualSize(QSize(side, side)));
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active}) {
            QCOMPARE(icon.pixmap(side, mode).toImage(), expected.pixmap(side, mode).toImage());
        }
    }
    // A copy shares what was read and draws the same.
    const QIcon copy = icon;
    QCOMPARE(copy.pixmap(16).toImage(), expected.pixmap(16).toImage());
}

void DeferredIconStyleTest::chevronsAreDrawn_data()
{
    QTest::addColumn<int>("standardIcon");
    QTest::newRow("horizontal") << int(QStyle::SP_ToolBarHorizontalExtensionButton);
    QTest::newRow("vertical") << int(QStyle::SP_ToolBarVerticalExtensionButton);
}

// The chevron of a bar too long for its window is drawn at every size, in the text's colour.
void DeferredIconStyleTest::chevronsAreDrawn()
{
    QFETCH(int, standardIcon);
    const QIcon icon = QApplication::style()->standardIcon(QStyle::StandardPixmap(standardIcon));
    QVERIFY(!icon.isNull());
    for (const int side : {12, 16, 24}) {
        const QImage image = icon.pixmap(side).toImage();
        QCOMPARE(image.size(), QSize(side, side));
        int inked = 0;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x)
                inked += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
        QVERIFY2(inked > side && inked < side * side / 2, qPrintable(QString::number(inked)));
    }
}

QTEST_MAIN(DeferredIconStyleTest)
#include "deferred_icon_style_test.moc"
