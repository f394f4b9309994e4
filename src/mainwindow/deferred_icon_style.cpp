#include "mainwindow/deferred_icon_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPointer>
#include <QPolygonF>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

namespace {

// Stands for the style's icon and asks the style for it the first time it is needed. Copies
// of the icon share what was read.
class DeferredIconEngine final : public QIconEngine
{
public:
    struct Source
    {
        QPointer<QStyle> style;
        QStyle::StandardPixmap standardIcon;
        std::optional<QStyleOption> option;
        QPointer<const QWidget> widget;
        std::optional<QIcon> icon;
    };

    explicit DeferredIconEngine(std::shared_ptr<Source> source) : m_source(std::move(source)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return Icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().availableSizes(mode, state);
    }
    // Asked as buttons measure themselves: answering must not read the files.
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    QIconEngine *clone() const override { return new DeferredIconEngine(m_source); }

private:
    const QIcon &Icon()
    {
        if (!m_source->icon) {
            m_source->icon =
                m_source->style
                    ? m_source->style->standardIcon(m_source->standardIcon,
                                                    m_source->option ? &*m_source->option : nullptr,
                                                    m_source->widget)
                    : QIcon();
        }
        return *m_source->icon;
    }

    std::shared_ptr<Source> m_source;
};

// The chevron of a bar too long for its window, drawn rather than read: a bar overflows at start
// on a small screen, and reading the style's image file there would load every image plugin to
// find which one reads it.
class ChevronEngine final : public QIconEngine
{
public:
    explicit ChevronEngine(Qt::Orientation orientation) : m_orientation(orientation) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        const QPalette palette = QApplication::palette();
        QPen pen(palette.color(mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active,
                               QPalette::WindowText));
        pen.setWidthF(std::max(1.0, rect.width() / 10.0));
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(pen);
        painter->translate(rect.center());
        if (m_orientation == Qt::Vertical)
            painter->rotate(90);
        const qreal s = std::min(rect.width(), rect.height()) / 4.0;
        for (const qreal x : {-s, 0.0}) {
            painter->drawPolyline(QPolygonF{{x - s / 2, -s}, {x + s / 2, 0}, {x - s / 2, s}});
        }
        painter->restore();
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }
    QString key() const override { return QStringLiteral("ChevronEngine"); }
    QIconEngine *clone() const override { return new ChevronEngine(m_orientation); }

private:
    Qt::Orientation m_orientation;
};

// Those that each study window asks for as it is built, and that are drawn only later if ever
// (its system menu, the buttons of its title when maximized). Each comes from an image file in
// every style, so that none of them is ever null.
bool IsDeferred(QStyle::StandardPixmap standardIcon)
{
    switch (standardIcon) {
    case QStyle::SP_TitleBarNormalButton:
    case QStyle::SP_TitleBarMinButton:
    case QStyle::SP_TitleBarMaxButton:
    case QStyle::SP_TitleBarCloseButton:
        return true;
    default:
        return false;
    }
}

} // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                      const QWidget *widget) const
{
    if (standardIcon == SP_ToolBarHorizontalExtensionButton)
        return QIcon(new ChevronEngine(Qt::Horizontal));
    if (standardIcon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new ChevronEngine(Qt::Vertical));
    if (IsDeferred(standardIcon)) {
        auto source = std::make_shared<DeferredIconEngine::Source>();
        source->style = baseStyle();
        source->standardIcon = standardIcon;
        if (option != nullptr) {
            // Only the base part outlives the call: a derived option (a title bar's) keeps
            // what its type promises only in its own class, so the copy says it is a base one
            // and a style that casts it gets nothing rather than reading past it.
            source->option = *option;
            source->option->type = QStyleOption::SO_Default;
            source->option->version = QStyleOption::Version;
        }
        source->widget = widget;
        return QIcon(new DeferredIconEngine(std::move(source)));
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

void InstallDeferredIconStyle()
{
    QStyle *current = QApplication::style();
    if (dynamic_cast<DeferredIconStyle *>(current) == nullptr)
        QApplication::setStyle(new DeferredIconStyle(current->name()));
}
