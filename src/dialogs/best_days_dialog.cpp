#include "dialogs/best_days_dialog.h"

#include "charts/best_day_line.h"
#include "charts/day_reading.h"
#include "framework/document.h"
#include "framework/message_box.h"
#include "framework/whole_file.h"
#include "people/date_picker.h"
#include "studies/study_csv.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const Cycle kCycleOrder[3] = {Cycle::Intellectuel, Cycle::Sentimental, Cycle::Physique};

QStringList Headings()
{
    return {QStringLiteral("Rang"),         QStringLiteral("Date"),
            QStringLiteral("Intellectuel"), QStringLiteral("Sentimental"),
            QStringLiteral("Physique"),     QStringLiteral("Moyenne comptée")};
}

} // namespace

BestDaysDialog::BestDaysDialog(const CDocument &study, const QDate &today, const QString &folder,
                               QWidget *parent)
    : QDialog(parent), m_studyDays(*StudyDays::Of(study)), m_folder(folder),
      m_from(new DatePicker(this)), m_span(new QSpinBox(this)),
      m_average(new QCheckBox(QStringLiteral("M&oyenne des trois"), this)),
      m_threshold(new QDoubleSpinBox(this)),
      m_skipCritical(new QCheckBox(QStringLiteral("É&carter les jours critiques"), this)),
      m_summary(new QLabel(this)), m_list(new QTreeWidget(this)),
      m_open(new QPushButton(QStringLiteral("&Voir dans l'année"), this))
{
    setWindowTitle(QStringLiteral("Meilleurs jours - ") + study.GetTitle());
    m_from->SetDate(COleDateTime::FromQDate(today));
    m_span->setRange(BestDaysQuery::kMinSpan, BestDaysQuery::kMaxSpan);
    m_span->setValue(BestDaysQuery::kDefaultSpan);
    m_span->setSuffix(QStringLiteral(" jours"));
    auto *cycles = new QHBoxLayout;
    const QString labels[3] = {QStringLiteral("&Intellectuel"), QStringLiteral("&Sentimental"),
                               QStringLiteral("&Physique")};
    for (int i = 0; i < 3; ++i) {
        m_cycles[i] = new QCheckBox(labels[i], this);
        m_cycles[i]->setChecked(true);
        cycles->addWidget(m_cycles[i]);
    }
    cycles->addWidget(m_average);
    cycles->addStretch();
    m_threshold->setRange(-5, 5);
    m_threshold->setDecimals(1);
    m_threshold->setSingleStep(0.5);
    m_threshold->setValue(0);
    m_threshold->setLocale(QLocale(QLocale::French));
    m_threshold->setToolTip(QStringLiteral("Hauteur sur la page, de -5 (en bas) à 5 (en haut) : "
                                           "chaque valeur comptée doit être au-dessus."));
    m_skipCritical->setChecked(true);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("À &partir du :"), m_from);
    form->addRow(QStringLiteral("&Durée :"), m_span);
    form->addRow(QStringLiteral("Cycles comptés :"), cycles);
    form->addRow(QStringLiteral("Au-dessus du &seuil :"), m_threshold);
    form->addRow(QString(), m_skipCritical);

    m_list->setColumnCount(int(Headings().size()));
    m_list->setHeaderLabels(Headings());
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setAccessibleName(QStringLiteral("Meilleurs jours"));
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->setMinimumSize(560, 260);

    auto *copy = new QPushButton(QStringLiteral("Co&pier"), this);
    auto *exportCsv = new QPushButton(QStringLiteral("&Exporter en CSV..."), this);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_open, QDialogButtonBox::ActionRole);
    buttons->addButton(copy, QDialogButtonBox::ActionRole);
    buttons->addButton(exportCsv, QDialogButtonBox::ActionRole);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Fermer"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_summary);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);

    connect(m_from, &QDateEdit::dateChanged, this, &BestDaysDialog::Search);
    connect(m_span, &QSpinBox::valueChanged, this, &BestDaysDialog::Search);
    for (QCheckBox *box : m_cycles)
        connect(box, &QCheckBox::toggled, this, &BestDaysDialog::Search);
    connect(m_average, &QCheckBox::toggled, this, [this](bool average) {
        for (QCheckBox *box : m_cycles)
            box->setEnabled(!average);
        Search();
    });
    connect(m_threshold, &QDoubleSpinBox::valueChanged, this, &BestDaysDialog::Search);
    connect(m_skipCritical, &QCheckBox::toggled, this, &BestDaysDialog::Search);
    connect(m_list, &QTreeWidget::itemActivated, this, &BestDaysDialog::OpenSelected);
    connect(m_list, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *item) { m_open->setEnabled(item != nullptr); });
    connect(m_open, &QPushButton::clicked, this, &BestDaysDialog::OpenSelected);
    connect(copy, &QPushButton::clicked, this, &BestDaysDialog::Copy);
    connect(exportCsv, &QPushButton::clicked, this, &BestDaysDialog::ExportCsv);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Search();
}

BestDaysQuery BestDaysDialog::Query() const
{
    BestDaysQuery query;
    query.from = m_from->Date().ToQDate();
    query.span = m_span->value();
    Cycles cycles;
    for (int i = 0; i < 3; ++i) {
        if (m_cycles[i]->isChecked())
            cycles |= kCycleOrder[i];
    }
    query.cycles = cycles;
    query.average = m_average->isChecked();
    query.threshold = m_threshold->value();
    query.skipCritical = m_skipCritical->isChecked();
    return query;
}

void BestDaysDialog::Search()
{
    const BestDaysQuery query = Query();
    m_list->clear();
    m_days.clear();
    const QString past = SpanPastLastDate(query.from, query.span, StudyDays::LastDate());
    if (!past.isEmpty()) {
        m_summary->setText(past);
    } else if (!query.average && !query.cycles) {
        m_summary->setText(QStringLiteral("Choisissez au moins un cycle, ou la moyenne."));
    } else {
        m_days = BestDays(m_studyDays, query);
        const QString span =
            QStringLiteral("du %1 au %2")
                .arg(MessageDate(query.from), MessageDate(query.from.addDays(query.span - 1)));
        m_summary->setText(m_days.isEmpty() ? QStringLiteral("Aucun jour ne convient %1.").arg(span)
                                            : QStringLiteral("%1 jours conviennent %2 : %3.")
                                                  .arg(m_days.size())
                                                  .arg(span, BestDaysRule(query)));
    }
    for (int rank = 0; rank < m_days.size(); ++rank) {
        const BestDay &day = m_days.at(rank);
        const DayReading reading = DayReading::Of(m_studyDays, day.day, false);
        auto *item =
            new QTreeWidgetItem(m_list, QStringList{QString::number(rank + 1), reading.date}
                                            << reading.values << OneDecimal(day.mean));
        item->setData(0, Qt::UserRole, day.date);
    }
    if (QTreeWidgetItem *first = m_list->topLevelItem(0))
        m_list->setCurrentItem(first);
    m_open->setEnabled(m_list->currentItem() != nullptr);
}

QString BestDaysDialog::ListText() const
{
    QStringList lines{Headings().join(u'\t')};
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = m_list->topLevelItem(i);
        QStringList fields;
        for (int column = 0; column < m_list->columnCount(); ++column)
            fields << item->text(column);
        lines << fields.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

void BestDaysDialog::Copy()
{
    QApplication::clipboard()->setText(ListText());
}

void BestDaysDialog::ExportCsv()
{
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Exporter les meilleurs jours"),
        m_folder + QStringLiteral("/meilleurs-jours.csv"), QStringLiteral("Tableur CSV (*.csv)"));
    if (path.isEmpty())
        return;
    if (const std::optional<WriteFailure> failure = WriteWholeFile(path, BestDaysCsv(m_days)))
        messages::Show(
            this, QMessageBox::Warning,
            QStringLiteral("Impossible d'écrire « %1 » : %2").arg(path, failure->reason));
}

void BestDaysDialog::OpenSelected()
{
    const QTreeWidgetItem *item = m_list->currentItem();
    if (!item)
        return;
    m_opened = item->data(0, Qt::UserRole).toDate();
    accept();
}
