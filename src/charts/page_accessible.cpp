#include "charts/page_accessible.h"

#include "charts/chart_view.h"
#include "framework/document.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <algorithm>

// Qt reads a widget's children for its tree; the page's texts and cells are no widgets, so they
// are interfaces of our own, registered with Qt's cache and deleted with their parent.

namespace {

class PageTable;
class PageInterface;

// The pages that the bus has asked for: only they have listeners to tell of a change. Keyed by
// the object, not the view: an interface goes while its widget is being destroyed, when the
// object is no longer a view.
QHash<const QObject *, PageInterface *> &AskedPages()
{
    static QHash<const QObject *, PageInterface *> pages;
    return pages;
}

// The view: the texts before the table, the table, the texts after it.
class PageInterface : public QAccessibleWidget
{
public:
    explicit PageInterface(ChartView *view) : QAccessibleWidget(view, QAccessible::Document)
    {
        AskedPages().insert(view, this);
    }
    ~PageInterface() override;

    ChartView *view() const { return static_cast<ChartView *>(widget()); }
    const PageReading &reading() const { return view()->Reading(); }

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override;
    QString text(QAccessible::Text t) const override;

    PageTable *table() const;
    // The interface of a text by its index among the page's texts, made when first asked for.
    QAccessibleInterface *textItem(int textIndex) const;
    void Changed(const PageReading &before);

private:
    mutable QList<QAccessible::Id> m_texts;
    mutable QAccessible::Id m_table = 0;
};

// Interfaces without an object of their own: valid while their page's view lives.
class PagePart : public QAccessibleInterface
{
public:
    explicit PagePart(const PageInterface *page) : m_view(page->view()) {}

    bool isValid() const override { return !m_view.isNull(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return isValid() ? page()->window() : nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override { return isValid() ? page()->rect() : QRect(); }
    // A text or a cell has no children; the table says otherwise.
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

protected:
    PageInterface *page() const
    {
        return static_cast<PageInterface *>(QAccessible::queryAccessibleInterface(m_view));
    }

private:
    QPointer<ChartView> m_view;
};

class PageText : public PagePart
{
public:
    PageText(const PageInterface *page, int index) : PagePart(page), m_index(index) {}

    QAccessibleInterface *parent() const override { return page(); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return {};
        const PageReading &reading = page()->reading();
        const int before = int(reading.textsBefore.size());
        return m_index < before ? reading.textsBefore.value(m_index)
                                : reading.textsAfter.value(m_index - before);
    }

private:
    int m_index;
};

class PageCell : public PagePart, public QAccessibleTableCellInterface
{
public:
    PageCell(const PageInterface *page, int row, int column)
        : PagePart(page), m_row(row), m_column(column)
    {
    }

    QAccessibleInterface *parent() const override { return table(); }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        state.focusable = true;
        state.selectable = true;
        if (isSelected()) {
            state.selected = true;
            state.focused = page()->view()->hasFocus();
        }
        return state;
    }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        const PageReading &reading = page()->reading();
        if (t == QAccessible::Name)
            return reading.rows.value(m_row).value(m_column);
        if (t == QAccessible::Description)
            return reading.columns.value(m_column);
        return {};
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface *>(this)
                   : nullptr;
    }

    bool isSelected() const override
    {
        if (!isValid() || page()->view()->CursorRow() != m_row)
            return false;
        const int column = page()->view()->CursorColumn();
        return column < 0 || column == m_column;
    }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override;

private:
    int m_row;
    int m_column;
};

class PageTable : public PagePart, public QAccessibleTableInterface
{
public:
    explicit PageTable(const PageInterface *page) : PagePart(page) {}
    ~PageTable() override { DropCells(); }

    QAccessibleInterface *parent() const override { return page(); }
    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface *child(int index) const override
    {
        const int columns = columnCount();
        return columns > 0 ? cellAt(index / columns, index % columns) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const QAccessibleTableCellInterface *cell =
            const_cast<QAccessibleInterface *>(child)->tableCellInterface();
        if (!cell || cell->table() != this)
            return -1;
        return cell->rowIndex() * columnCount() + cell->columnIndex();
    }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? page()->reading().tableName : QString();
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface *>(this)
                                                   : nullptr;
    }

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        if (!isValid() || row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        const int key = (row << 8) | column;
        if (const QAccessible::Id id = m_cells.value(key))
            return QAccessible::accessibleInterface(id);
        auto *cell = new PageCell(page(), row, column);
        m_cells.insert(key, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        QList<QAccessibleInterface *> cells;
        for (int row : selectedRows())
            for (int column = 0; column < columnCount(); ++column)
                cells << cellAt(row, column);
        return cells;
    }
    QString columnDescription(int column) const override
    {
        return isValid() ? page()->reading().columns.value(column) : QString();
    }
    QString rowDescription(int row) const override
    {
        return isValid() ? page()->reading().rows.value(row).value(0) : QString();
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    int columnCount() const override
    {
        return isValid() ? int(page()->reading().columns.size()) : 0;
    }
    int rowCount() const override { return isValid() ? int(page()->reading().rows.size()) : 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override
    {
        const int row = isValid() ? page()->view()->CursorRow() : -1;
        return row >= 0 && row < rowCount() ? QList<int>{row} : QList<int>{};
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override { return selectedRows().contains(row); }
    // The keyboard's day cursor is the selection; the bus does not move it.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }

    void modelChange(QAccessibleTableModelChangeEvent *) override { DropCells(); }

    // The cells made so far, so that their words can be compared.
    QList<QAccessibleInterface *> madeCells() const
    {
        QList<QAccessibleInterface *> cells;
        for (QAccessible::Id id : std::as_const(m_cells))
            cells << QAccessible::accessibleInterface(id);
        return cells;
    }

private:
    void DropCells()
    {
        for (QAccessible::Id id : std::as_const(m_cells))
            QAccessible::deleteAccessibleInterface(id);
        m_cells.clear();
    }

    mutable QHash<int, QAccessible::Id> m_cells;
};

QAccessibleInterface *PageCell::table() const
{
    return isValid() ? page()->table() : nullptr;
}

PageInterface::~PageInterface()
{
    AskedPages().remove(object());
    for (QAccessible::Id id : std::as_const(m_texts))
        QAccessible::deleteAccessibleInterface(id);
    if (m_table)
        QAccessible::deleteAccessibleInterface(m_table);
}

int PageInterface::childCount() const
{
    const PageReading &page = reading();
    return int(page.textsBefore.size() + page.textsAfter.size()) + (page.columns.isEmpty() ? 0 : 1);
}

QAccessibleInterface *PageInterface::child(int index) const
{
    const PageReading &page = reading();
    const int before = int(page.textsBefore.size());
    const bool hasTable = !page.columns.isEmpty();
    if (index < 0 || index >= childCount())
        return nullptr;
    if (index < before)
        return textItem(index);
    if (hasTable && index == before)
        return table();
    return textItem(index - (hasTable ? 1 : 0));
}

int PageInterface::indexOfChild(const QAccessibleInterface *child) const
{
    for (int i = 0; i < childCount(); ++i)
        if (this->child(i) == child)
            return i;
    return -1;
}

QAccessibleInterface *PageInterface::focusChild() const
{
    const int row = view()->CursorRow();
    if (view()->hasFocus() && row >= 0)
        return table()->cellAt(row, std::max(view()->CursorColumn(), 0));
    return QAccessibleWidget::focusChild();
}

QString PageInterface::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && view()->accessibleName().isEmpty()) {
        const CDocument *document = view()->GetDocument();
        return document ? QStringLiteral("Page ") + document->GetTitle() : QStringLiteral("Page");
    }
    return QAccessibleWidget::text(t);
}

PageTable *PageInterface::table() const
{
    if (!m_table)
        m_table = QAccessible::registerAccessibleInterface(new PageTable(this));
    return static_cast<PageTable *>(QAccessible::accessibleInterface(m_table));
}

QAccessibleInterface *PageInterface::textItem(int textIndex) const
{
    while (m_texts.size() <= textIndex)
        m_texts << QAccessible::registerAccessibleInterface(
            new PageText(this, int(m_texts.size())));
    return QAccessible::accessibleInterface(m_texts.at(textIndex));
}

void SendEvent(QAccessibleInterface *iface, QAccessible::Event type)
{
    QAccessibleEvent event(iface, type);
    QAccessible::updateAccessibility(&event);
}

void PageInterface::Changed(const PageReading &before)
{
    const PageReading &after = reading();
    const QStringList textsBefore = before.textsBefore + before.textsAfter;
    const QStringList textsAfter = after.textsBefore + after.textsAfter;
    if (textsBefore.size() != textsAfter.size())
        SendEvent(const_cast<PageInterface *>(this), QAccessible::ObjectReorder);
    for (int i = 0; i < m_texts.size(); ++i)
        if (textsBefore.value(i) != textsAfter.value(i))
            SendEvent(QAccessible::accessibleInterface(m_texts.at(i)), QAccessible::NameChanged);
    if (!m_table)
        return;
    if (before.columns != after.columns || before.rows.size() != after.rows.size()) {
        // Cells out of the new shape go; the others are made again when asked for.
        QAccessibleTableModelChangeEvent reset(table(),
                                               QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
        return;
    }
    if (before.tableName != after.tableName)
        SendEvent(table(), QAccessible::NameChanged);
    for (QAccessibleInterface *cell : table()->madeCells()) {
        const QAccessibleTableCellInterface *at = cell->tableCellInterface();
        if (before.rows.value(at->rowIndex()).value(at->columnIndex()) !=
            cell->text(QAccessible::Name))
            SendEvent(cell, QAccessible::NameChanged);
    }
}

QAccessibleInterface *PageFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("ChartView") && object && object->isWidgetType())
        return new PageInterface(static_cast<ChartView *>(object));
    return nullptr;
}

PageInterface *PageOf(const ChartView *view)
{
    return AskedPages().value(view);
}

} // namespace

void InstallPageAccessibility()
{
    // Qt keeps one entry per factory, however many times it is installed.
    QAccessible::installFactory(PageFactory);
}

void NotifyPageChanged(ChartView *view, const PageReading &before)
{
    if (PageInterface *page = PageOf(view))
        page->Changed(before);
}

void NotifyRowFocus(ChartView *view, int row)
{
    PageInterface *page = PageOf(view);
    if (!page || !view->hasFocus())
        return;
    if (QAccessibleInterface *cell =
            page->table()->cellAt(row, std::max(view->CursorColumn(), 0))) {
        SendEvent(cell, QAccessible::Selection);
        SendEvent(cell, QAccessible::Focus);
    }
}
