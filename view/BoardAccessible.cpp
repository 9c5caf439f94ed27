#include "view/BoardAccessible.h"

#include <algorithm>
#include <unordered_map>

#include <QAccessibleWidget>

#include "engine/PixelMap.h"
#include "flow/Announcements.h"
#include "flow/BoardCtrl.h"
#include "flow/FlowTexts.h"
#include "platform/Announce.h"
#include "view/ViewTexts.h"

namespace {

int Side(const CBoardCtrl& board) { return board.HasCells() ? board.m_nBoardSize : 0; }

QString CellName(const CBoardCtrl& board, int x, int y)
{
    const int value = board.m_nGrid[x][y];
    QString content;
    if (value > kEmpty)
        content = ColourName(value);
    else if (!board.AcceptsClick(x, y))
        content = ViewTr(kEmptyCell);
    else
        content = ViewTr(kLegalCellFormat, board.DiscsTurnedBy(x, y));
    return ViewTr(kCellNameFormat).arg(x + 1).arg(y + 1).arg(content);
}

// One cell of the board. It names a fixed (x, y); while the board is smaller than that, the
// cell is not valid.
class CCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CCellAccessible(CBoardCtrl* board, int x, int y)
        : m_pBoard(board)
        , m_nX(x)
        , m_nY(y)
    {
    }

    bool isValid() const override { return m_pBoard->OnBoard(m_nX, m_nY); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table()->window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return QString();
        if (t == QAccessible::Name)
            return CellName(*m_pBoard, m_nX, m_nY);
        // Once the game is over, the focused cell says so, for Where Am I, which reads a
        // cell's description last. Orca speaks it after the cell at every move of the focus
        // too, which is why it holds no turn while the game goes on: the turn comes in its
        // own announcement, and an arrow key says the cell alone.
        if (t == QAccessible::Description && state().focused && m_pBoard->m_bGameOver)
            return ViewTr(kGameOverDescriptionFormat).arg(ResultText(*m_pBoard));
        return QString();
    }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override
    {
        const int n = std::max(1, Side(*m_pBoard));
        const int x0 = CellToPixel(m_nX, m_pBoard->width(), n);
        const int y0 = CellToPixel(m_nY, m_pBoard->height(), n);
        const int x1 = CellToPixel(m_nX + 1, m_pBoard->width(), n);
        const int y1 = CellToPixel(m_nY + 1, m_pBoard->height(), n);
        return QRect(m_pBoard->mapToGlobal(QPoint(x0, y0)), QSize(x1 - x0, y1 - y0));
    }
    // A list item, not a table cell: Orca reads the whole row of a table cell whenever the row
    // changes, which is 40 cells on the big board, and builds that row for braille at every
    // move; an item that is no table cell it reads alone. The board stays a table of N x N
    // items, with their rows and columns through the table interface.
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.focused
            = m_pBoard->hasFocus() && m_pBoard->m_nCellX == m_nX && m_pBoard->m_nCellY == m_nY;
        state.invisible = !m_pBoard->isVisible();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface
            ? static_cast<QAccessibleTableCellInterface*>(this)
            : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_nX; }
    int rowIndex() const override { return m_nY; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override
    {
        return QAccessible::queryAccessibleInterface(m_pBoard);
    }

private:
    CBoardCtrl* m_pBoard;
    int m_nX;
    int m_nY;
};

// The board as a table; its cells are made when first asked for and live as long as it.
class CBoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit CBoardAccessible(CBoardCtrl* board)
        : QAccessibleWidget(board, QAccessible::Table)
    {
    }
    ~CBoardAccessible() override
    {
        for (const auto& [key, id] : m_cells)
            QAccessible::deleteAccessibleInterface(id);
    }

    CBoardCtrl* Board() const { return static_cast<CBoardCtrl*>(widget()); }

    QAccessibleInterface* Cell(int x, int y) const
    {
        if (!Board()->OnBoard(x, y))
            return nullptr;
        const int key = CBoardState::CellIndex(x, y, kMaxBoardSize);
        if (const auto found = m_cells.find(key); found != m_cells.end())
            return QAccessible::accessibleInterface(found->second);
        auto* cell = new CCellAccessible(Board(), x, y);
        m_cells.emplace(key, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        if (Board()->m_bGameOver)
            return ViewTr(kBoardOverFormat).arg(Board()->m_nBoardSize).arg(ResultText(*Board()));
        return ViewTr(kBoardNameFormat)
            .arg(Board()->m_nBoardSize)
            .arg(ColourName(Board()->m_nCurrentPlayer));
    }
    int childCount() const override { return Side(*Board()) * Side(*Board()); }
    QAccessibleInterface* child(int index) const override
    {
        // The table's children run row by row, as the cell key does.
        const int n = Side(*Board());
        if (index < 0 || index >= n * n)
            return nullptr;
        const CellPos cell = CBoardState::CellAt(index, n);
        return Cell(cell.x, cell.y);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* cell = dynamic_cast<const CCellAccessible*>(child);
        if (!cell || !cell->isValid() || cell->parent() != this)
            return -1;
        return CBoardState::CellIndex(cell->columnIndex(), cell->rowIndex(), Side(*Board()));
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint point = Board()->mapFromGlobal(QPoint(x, y));
        // Pixel-to-cell truncates toward zero: points up to a cell's width left of the board
        // or above it would otherwise fall into its first column or row.
        if (!Board()->rect().contains(point))
            return nullptr;
        const int n = Side(*Board());
        return Cell(PixelToCell(point.x(), Board()->width(), n),
            PixelToCell(point.y(), Board()->height(), n));
    }
    QAccessibleInterface* focusChild() const override
    {
        return Board()->hasFocus() ? Cell(Board()->m_nCellX, Board()->m_nCellY) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override { return Cell(column, row); }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Side(*Board()); }
    int rowCount() const override { return Side(*Board()); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // Qt calls this as the board reports a new side: the table forgets the cells the board no
    // longer has. A reader that still holds one then learns that no such object exists,
    // instead of being answered by an invalid one, which Qt reports with a warning on stderr
    // at every call.
    void modelChange(QAccessibleTableModelChangeEvent*) override
    {
        for (auto it = m_cells.begin(); it != m_cells.end();) {
            if (const CellPos cell = CBoardState::CellAt(it->first, kMaxBoardSize);
                Board()->OnBoard(cell.x, cell.y)) {
                ++it;
                continue;
            }
            QAccessible::deleteAccessibleInterface(it->second);
            it = m_cells.erase(it);
        }
    }

private:
    // Keyed on the largest side, so that a cell keeps its id across board sides.
    mutable std::unordered_map<int, QAccessible::Id> m_cells;
};

QAccessibleInterface* BoardFactory(const QString&, QObject* object)
{
    if (auto* board = dynamic_cast<CBoardCtrl*>(object))
        return new CBoardAccessible(board);
    return nullptr;
}

} // namespace

void InstallBoardAccessible()
{
    // A second install of the same factory is ignored.
    QAccessible::installFactory(BoardFactory);
}

void CBoardCtrl::NotifyPointerCellFocus()
{
    if (!AccessibilityListens())
        return;
    // The event names the cell by the table's own numbering of its children.
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this);
    QAccessibleInterface* cell = table ? table->focusChild() : nullptr;
    if (!cell)
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(table->indexOfChild(cell));
    NotifyAccessibility(event);
}

void CBoardCtrl::NotifyNewSide()
{
    // The table forgets its vanished cells as it is told (modelChange), which Qt does only
    // while accessibility is active; otherwise it is told here. Qt's AT-SPI bridge passes the
    // event on to no reader yet; other bridges tell readers to let go of what they hold.
    QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::ModelReset);
    if (QAccessible::isActive())
        QAccessible::updateAccessibility(&event);
    else if (QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this))
        table->tableInterface()->modelChange(&event);
}
