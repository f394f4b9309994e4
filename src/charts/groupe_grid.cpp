#include "charts/groupe_grid.h"

#include "charts/groupe_page.h"
#include "studies/groupe_doc.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kScoreRole = Qt::UserRole + 1;

double ScoreOf(const AffinityScores &scores, GroupeGrid::Cycle cycle)
{
    switch (cycle) {
    case GroupeGrid::Intellectual:
        return scores.intellectual;
    case GroupeGrid::Sentimental:
        return scores.sentimental;
    case GroupeGrid::Physical:
        return scores.physical;
    case GroupeGrid::Average:
        break;
    }
    return scores.average;
}

const QString &TextOf(const AffinityScores &scores, GroupeGrid::Cycle cycle)
{
    switch (cycle) {
    case GroupeGrid::Intellectual:
        return scores.textIntellectual;
    case GroupeGrid::Sentimental:
        return scores.textSentimental;
    case GroupeGrid::Physical:
        return scores.textPhysical;
    case GroupeGrid::Average:
        break;
    }
    return scores.textAverage;
}

} // namespace

// The members by the members; a cell holds the chosen cycle's score of the pair, the diagonal
// nothing.
class GroupeGridModel : public QAbstractTableModel
{
public:
    explicit GroupeGridModel(const CGroupeDoc &doc, QObject *parent)
        : QAbstractTableModel(parent), m_doc(doc)
    {
    }

    void SetCycle(GroupeGrid::Cycle cycle)
    {
        beginResetModel();
        m_cycle = cycle;
        endResetModel();
    }
    void Reset()
    {
        beginResetModel();
        endResetModel();
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_doc.members.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override { return rowCount(parent); }

    QVariant data(const QModelIndex &index, int role) const override
    {
        const int row = index.row();
        const int column = index.column();
        if (row == column) {
            if (role == kScoreRole)
                return -1.0;
            if (role == Qt::AccessibleTextRole || role == Qt::ToolTipRole)
                return MemberName(m_doc, row);
            return {};
        }
        const AffinityScores &scores = m_doc.Pair(row, column).scores;
        const double score = ScoreOf(scores, m_cycle);
        switch (role) {
        case Qt::DisplayRole:
            return TextOf(scores, m_cycle);
        case kScoreRole:
            return score;
        case Qt::TextAlignmentRole:
            return int(Qt::AlignCenter);
        case Qt::BackgroundRole:
            return Shade(score);
        case Qt::ForegroundRole:
            return score >= 60 ? QColor(Qt::white) : QColor(Qt::black);
        case Qt::ToolTipRole:
        case Qt::AccessibleTextRole:
            return QStringLiteral("%1 et %2 : Intellectuel %3 %, Sentimental %4 %, Physique "
                                  "%5 %, Moyenne %6 %")
                .arg(MemberName(m_doc, row), MemberName(m_doc, column), scores.textIntellectual,
                     scores.textSentimental, scores.textPhysical, scores.textAverage);
        default:
            return {};
        }
    }

    // The rows name their member, the columns number it, so that a hundred columns stay narrow.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role == Qt::DisplayRole)
            return orientation == Qt::Vertical ? NumberedMember(m_doc, section)
                                               : QString::number(section + 1);
        if (role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)
            return NumberedMember(m_doc, section);
        return {};
    }

private:
    // From white to the average's deep violet, only its lightness growing with the score, so
    // that a grey print and any eye read the same order.
    static QColor Shade(double score)
    {
        const double clamped = std::clamp(std::isfinite(score) ? score : 0.0, 0.0, 100.0);
        return QColor::fromHsl(300, 100, int(245 - clamped * 1.8));
    }

    const CGroupeDoc &m_doc;
    GroupeGrid::Cycle m_cycle = GroupeGrid::Average;
};

GroupeGrid::GroupeGrid(const CGroupeDoc &doc, QWidget *parent)
    : QWidget(parent), m_model(new GroupeGridModel(doc, this)),
      m_sorted(new QSortFilterProxyModel(this)), m_cycle(new QComboBox(this)),
      m_table(new QTableView(this))
{
    auto *layout = new QVBoxLayout(this);
    auto *choice = new QHBoxLayout;
    auto *label = new QLabel(QStringLiteral("&Cycle :"), this);
    label->setBuddy(m_cycle);
    m_cycle->addItems({QStringLiteral("Intellectuel"), QStringLiteral("Sentimental"),
                       QStringLiteral("Physique"), QStringLiteral("Moyenne")});
    m_cycle->setCurrentIndex(Average);
    m_cycle->setObjectName(QStringLiteral("cycle"));
    choice->addWidget(label);
    choice->addWidget(m_cycle);
    choice->addStretch();
    layout->addLayout(choice);

    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(kScoreRole);
    m_table->setModel(m_sorted);
    m_table->setObjectName(QStringLiteral("grid"));
    m_table->setAccessibleName(QStringLiteral("Grille des affinités"));
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(-1, Qt::AscendingOrder);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Sizes measured once from the widest score, not cell by cell: a hundred members make ten
    // thousand cells.
    const int cell = m_table->fontMetrics().horizontalAdvance(QStringLiteral("1000")) + 8;
    m_table->horizontalHeader()->setDefaultSectionSize(cell);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->installEventFilter(this);
    layout->addWidget(m_table);

    connect(m_cycle, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_model->SetCycle(Cycle(index)); });
    connect(m_table, &QTableView::clicked, this, &GroupeGrid::Choose);
}

GroupeGrid::~GroupeGrid() = default;

void GroupeGrid::ShowCycle(Cycle cycle)
{
    m_cycle->setCurrentIndex(cycle);
}

void GroupeGrid::Refresh()
{
    m_model->Reset();
}

void GroupeGrid::Choose(const QModelIndex &index)
{
    const QModelIndex source = m_sorted->mapToSource(index);
    if (source.isValid() && source.row() != source.column())
        Q_EMIT pairChosen(source.row(), source.column());
}

bool GroupeGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Choose(m_table->currentIndex());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
