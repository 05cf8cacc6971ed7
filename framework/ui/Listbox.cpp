#include "framework/ui/Listbox.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QPainter>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTextLayout>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/EventDispatch.h"
#include "framework/ui/Graphics.h"

// The rows of a list. Rows changed inside an event handler are gathered and
// shown in one reset when the handler returns, and the view is laid out then,
// so that a list rebuilt by a handler is laid out and painted once.
class ListboxModel : public QAbstractTableModel {
  public:
    using Row = std::vector<std::string>;

    explicit ListboxModel(ListboxView& view) : view_(view) {}

    // The rows the view has been told of.
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : shownRows_;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(headings_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        // While rows are gathered, the view may ask for one that is gone.
        if (role != Qt::DisplayRole || index.row() >= size()) return {};
        return QString::fromStdString(rows_[index.row()][index.column()]);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        return QString::fromStdString(headings_[section]);
    }

    void setColumnCount(int count) {
        beginResetModel();
        headings_.resize(count);
        for (Row& row : rows_) row.resize(count);
        shownRows_ = size();
        endResetModel();
    }
    void setHeading(int column, std::string text) {
        headings_[column] = std::move(text);
        emit headerDataChanged(Qt::Horizontal, column, column);
    }
    const std::string& heading(int column) const { return headings_[column]; }

    // All the rows, shown or still gathered.
    int size() const { return static_cast<int>(rows_.size()); }

    void addRow(Row row) {
        row.resize(headings_.size());
        if (gather()) {
            rows_.push_back(std::move(row));
            return;
        }
        const int index = size();
        beginInsertRows({}, index, index);
        rows_.push_back(std::move(row));
        shownRows_ = size();
        endInsertRows();
    }
    void clear() {
        if (rows_.empty()) return;
        if (gather()) {
            rows_.clear();
            return;
        }
        beginResetModel();
        rows_.clear();
        shownRows_ = 0;
        endResetModel();
    }
    const std::string& cell(int row, int column) const { return rows_[row][column]; }
    void setCell(int row, int column, std::string text) {
        rows_[row][column] = std::move(text);
        if (gathering_) return;  // shown with the rest
        const QModelIndex changed = index(row, column);
        emit dataChanged(changed, changed, {Qt::DisplayRole});
    }

  private:
    // Whether a change is to be gathered: inside a handler, from the first on.
    bool gather() {
        if (gathering_) return true;
        if (!EventDispatch::HandlerRunning()) return false;
        gathering_ = true;
        EventDispatch::WhenHandlerReturns([model = QPointer<ListboxModel>(this)] {
            if (model) model->showGathered();
        });
        return true;
    }
    void showGathered();

    ListboxView& view_;
    std::vector<std::string> headings_;
    std::vector<Row> rows_;
    int shownRows_ = 0;
    bool gathering_ = false;
};

namespace {
// Draws a cell's text as drawText does, elided at the right when too wide.
// Text that fits is drawn from the layout that measured it, so that it is
// shaped once rather than once to elide it and again to draw it. Both the
// measuring and the elision use the painter's font, the one that is drawn.
void drawCellText(QPainter& painter, const QRect& rect, const QString& text) {
    QTextLayout layout(text, painter.font());
    layout.setCacheEnabled(true);  // keeps the glyphs for draw()
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    // drawText breaks lines and sets tab stops of its own, mirrors the
    // alignment of a right-to-left painter and clips a line taller than rect.
    const auto special = [](QChar c) {
        return c == u'\n' || c == u'\r' || c == u'\t' || c == QChar(0x9c) ||
               c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    };
    const qreal height = line.ascent() + line.descent();
    if (painter.layoutDirection() == Qt::LeftToRight && height <= rect.height() &&
        line.horizontalAdvance() <= rect.width() &&
        std::none_of(text.begin(), text.end(), special)) {
        line.draw(&painter, QPointF(rect.left(), rect.top() + (rect.height() - height) / 2));
        return;
    }
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(text, Qt::ElideRight, rect.width()));
}

// Raises the list's event for the cell's background, then draws its text.
class ListboxDelegate : public QStyledItemDelegate {
  public:
    explicit ListboxDelegate(Listbox& listbox) : listbox_(listbox) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        painter->translate(option.rect.topLeft());
        Graphics g(*painter, option.rect.width(), option.rect.height());
        listbox_._RaiseCellBackgroundPaint(g, index.row(), index.column());
        painter->restore();

        const bool selected = option.state & QStyle::State_Selected;
        if (selected) {
            QColor highlight = option.palette.color(QPalette::Highlight);
            highlight.setAlpha(96);
            painter->fillRect(option.rect, highlight);
        }
        painter->save();
        painter->setFont(option.font);
        painter->setPen(option.palette.color(QPalette::Text));
        drawCellText(*painter, option.rect.adjusted(3, 0, -3, 0), index.data().toString());
        painter->restore();
    }

  private:
    Listbox& listbox_;
};
}  // namespace

class ListboxView : public QTableView {
  public:
    explicit ListboxView(Listbox& listbox) : listbox_(listbox) {}

    // Lays the rows out now rather than after the next paint, which would
    // paint them again.
    void layOutNow() { executeDelayedItemsLayout(); }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QTableView::resizeEvent(event);
        listbox_.applyColumnWidths();
    }

    // The rows below the last one are offered to the list's event as well.
    void paintEvent(QPaintEvent* event) override {
        QTableView::paintEvent(event);
        const int rowHeight = verticalHeader()->defaultSectionSize();
        const int rows = model()->rowCount();
        int top = rows > 0 ? rowViewportPosition(rows - 1) + rowHeight : 0;
        if (rowHeight <= 0 || top >= viewport()->height()) return;
        QPainter painter(viewport());
        for (Integer row = rows; top < viewport()->height(); ++row, top += rowHeight) {
            for (int column = 0; column < model()->columnCount(); ++column) {
                painter.save();
                painter.translate(columnViewportPosition(column), top);
                Graphics g(painter, columnWidth(column), rowHeight);
                listbox_._RaiseCellBackgroundPaint(g, row, column);
                painter.restore();
            }
        }
    }

  private:
    Listbox& listbox_;
};

void ListboxModel::showGathered() {
    gathering_ = false;
    beginResetModel();
    shownRows_ = size();
    endResetModel();
    view_.layOutNow();
}

Listbox::Listbox() : RectControl(new ListboxView(*this), "Listbox") {
    view_ = static_cast<ListboxView*>(Handle());
    model_ = new ListboxModel(*view_);
    model_->setParent(view_);
    view_->setModel(model_);
    auto* delegate = new ListboxDelegate(*this);
    delegate->setParent(view_);  // a view does not own its delegate
    view_->setItemDelegate(delegate);
    view_->setShowGrid(false);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSortingEnabled(false);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view_->setWordWrap(false);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setMinimumSectionSize(1);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->horizontalHeader()->setSectionsClickable(false);
    view_->horizontalHeader()->setHighlightSections(false);
    view_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

Listbox::~Listbox() = default;

Integer Listbox::ColumnCount() const { return model_->columnCount(); }

void Listbox::setColumnCount(Integer count) {
    if (count < 1 || count > 256)
        throw OutOfBoundsException("column count " + std::to_string(count));
    model_->setColumnCount(static_cast<int>(count));
    sortDirections_.resize(static_cast<std::size_t>(count));
    applyColumnWidths();
}

void Listbox::setColumnWidths(const std::string& widths) {
    columnWidths_ = widths;
    applyColumnWidths();
}

void Listbox::applyColumnWidths() {
    const QStringList widths = QString::fromStdString(columnWidths_).split(',');
    const int available = view_->viewport()->width();
    // Percentages are laid out from running sums, so rounding adds up to the width.
    double left = 0;
    for (int column = 0; column < ColumnCount(); ++column) {
        const QString width = column < widths.size() ? widths[column].trimmed() : QString();
        double size = 0;
        if (width.endsWith('%')) {
            size = width.chopped(1).toDouble() * available / 100.0;
        } else if (!width.isEmpty()) {
            size = width.toDouble();
        } else {
            size = view_->horizontalHeader()->defaultSectionSize();
        }
        const int start = static_cast<int>(std::lround(left));
        left += size;
        view_->horizontalHeader()->resizeSection(column,
                                                 static_cast<int>(std::lround(left)) - start);
    }
}

Integer Listbox::DefaultRowHeight() const { return view_->verticalHeader()->defaultSectionSize(); }

void Listbox::checkColumn(Integer column) const {
    if (column < 0 || column >= ColumnCount()) {
        throw OutOfBoundsException("list column " + std::to_string(column));
    }
}

void Listbox::checkCell(Integer row, Integer column) const {
    checkColumn(column);
    if (row < 0 || row >= ListCount())
        throw OutOfBoundsException("list row " + std::to_string(row));
}

std::string Listbox::Heading(Integer column) const {
    checkColumn(column);
    return model_->heading(static_cast<int>(column));
}

void Listbox::setHeading(Integer column, const std::string& text) {
    checkColumn(column);
    model_->setHeading(static_cast<int>(column), text);
}

Integer Listbox::ColumnSortDirection(Integer column) const {
    checkColumn(column);
    return sortDirections_[static_cast<std::size_t>(column)];
}

void Listbox::setColumnSortDirection(Integer column, Integer direction) {
    checkColumn(column);
    if (direction != 0) {
        throw UnsupportedFormatException("Listbox does not sort rows by their heading");
    }
    sortDirections_[static_cast<std::size_t>(column)] = direction;
}

void Listbox::AddRow(const std::vector<std::string>& cells) {
    model_->addRow(cells);
    lastIndex_ = ListCount() - 1;
}

void Listbox::DeleteAllRows() {
    model_->clear();
    lastIndex_ = -1;
}

Integer Listbox::ListCount() const { return model_->size(); }
Integer Listbox::LastIndex() const { return lastIndex_; }

std::string Listbox::Cell(Integer row, Integer column) const {
    checkCell(row, column);
    return model_->cell(static_cast<int>(row), static_cast<int>(column));
}

void Listbox::setCell(Integer row, Integer column, const std::string& text) {
    checkCell(row, column);
    model_->setCell(static_cast<int>(row), static_cast<int>(column), text);
}

void Listbox::_RaiseOpen() {
    if (Open) EventDispatch::RaiseEvent([this] { Open(*this); });
}

void Listbox::_RaiseCellBackgroundPaint(Graphics& g, Integer row, Integer column) {
    if (CellBackgroundPaint) {
        EventDispatch::RaisePaintEvent([&] { CellBackgroundPaint(*this, g, row, column); });
    }
}

void Listbox::_SetProperty(const LayoutProperty& property) {
    const std::string& name = property.name;
    auto boolean = [&] { return PropertyValue<Boolean>(property); };
    auto integer = [&] { return PropertyValue<Integer>(property); };
    if (name == "ColumnCount") {
        setColumnCount(integer());
    } else if (name == "ColumnWidths") {
        setColumnWidths(PropertyValue<std::string>(property));
    } else if (name == "HasHeading") {
        view_->horizontalHeader()->setVisible(boolean());
    } else if (name == "DefaultRowHeight") {
        view_->verticalHeader()->setDefaultSectionSize(static_cast<int>(integer()));
    } else if (name == "InitialValue") {
        if (!PropertyValue<std::string>(property).empty()) {
            throw UnsupportedFormatException("Listbox does not take rows from its record");
        }
    } else if (name == "SelectionType") {
        view_->setSelectionMode(integer() == 0 ? QAbstractItemView::SingleSelection
                                               : QAbstractItemView::ExtendedSelection);
    } else if (name == "ColumnsResizable") {
        view_->horizontalHeader()->setSectionResizeMode(boolean() ? QHeaderView::Interactive
                                                                  : QHeaderView::Fixed);
    } else if (name == "ScrollBarVertical") {
        view_->setVerticalScrollBarPolicy(boolean() ? Qt::ScrollBarAsNeeded
                                                    : Qt::ScrollBarAlwaysOff);
    } else if (name == "ScrollbarHorizontal") {
        view_->setHorizontalScrollBarPolicy(boolean() ? Qt::ScrollBarAsNeeded
                                                      : Qt::ScrollBarAlwaysOff);
    } else if (name == "Border") {
        view_->setFrameShape(boolean() ? QFrame::StyledPanel : QFrame::NoFrame);
    } else if (name == "GridLinesHorizontal" || name == "GridLinesVertical") {
        if (integer() != 0) throw UnsupportedFormatException("Listbox draws no grid lines");
    } else if (name == "HeadingIndex" || name == "_ScrollOffset" || name == "_ScrollWidth") {
        integer();  // no sorted heading; the list scrolls itself
    } else if (name == "RequiresSelection" || name == "EnableDrag" || name == "EnableDragReorder" ||
               name == "ShowDropIndicator" || name == "Hierarchical" ||
               name == "AutoHideScrollbars") {
        // Rows are neither dragged nor nested; scroll bars show as needed.
        if (boolean() && name != "AutoHideScrollbars") {
            throw UnsupportedFormatException("Listbox does not support " + name);
        }
    } else {
        RectControl::_SetProperty(property);
    }
}
