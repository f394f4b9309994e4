#pragma once

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

// The export's baseline: a one-page A4 PDF at the export's resolution, in the page's two fonts,
// with a few lines of text and no study behind it.
inline bool WriteBaselinePdf(const QString &path)
{
    QPdfWriter writer(path);
    writer.setResolution(600);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    QFont label(QStringLiteral("Arial"));
    label.setBold(true);
    label.setPixelSize(83);
    QFont text(QStringLiteral("Times New Roman"));
    text.setPixelSize(83);
    painter.setFont(label);
    painter.drawText(500, 200, QStringLiteral("Ondaris v3 - Biorythme à partir d'une date donnée"));
    painter.drawText(500, 600, QStringLiteral("Identification : "));
    painter.setFont(text);
    painter.drawText(1200, 600, QStringLiteral("Claire Fontaine (Dimanche 14/07/1985)"));
    painter.drawText(1200, 700, QStringLiteral("04/01/2027"));
    return painter.end();
}
