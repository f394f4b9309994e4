#include "lifecycle/lost_display.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <utility>

namespace {

std::function<void()> g_lastWords;
QtMessageHandler g_before = nullptr;

bool SaysDisplayLost(const QString &text)
{
    return text.startsWith(QLatin1String("The X11 connection broke")) ||
           text.startsWith(QLatin1String("The Wayland connection"));
}

void OnQtMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (g_lastWords && SaysDisplayLost(text))
        std::exchange(g_lastWords, nullptr)();
    if (g_before) {
        g_before(type, context, text);
        return;
    }
    std::fputs((qFormatLogMessage(type, context, text) + u'\n').toLocal8Bit().constData(), stderr);
}

} // namespace

LostDisplay::LostDisplay(std::function<void()> lastWords)
{
    g_lastWords = std::move(lastWords);
    g_before = qInstallMessageHandler(OnQtMessage);
}

LostDisplay::~LostDisplay()
{
    qInstallMessageHandler(g_before);
    g_lastWords = nullptr;
    g_before = nullptr;
}
