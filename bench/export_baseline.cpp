// The export bench's baseline: a bare program, Qt Gui alone, that writes the one-page PDF of
// baseline_pdf.h. Usage: export_baseline OUT.pdf
#include "baseline_pdf.h"

#include <QGuiApplication>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    return WriteBaselinePdf(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
