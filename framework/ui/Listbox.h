#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/ui/RectControl.h"

class Graphics;
class ListboxModel;
class ListboxView;

// A list of rows of text cells under a heading. Before the text of a cell is
// drawn, CellBackgroundPaint gets a Graphics covering exactly that cell; it is
// raised for the empty area below the last row too, with row indexes past it.
class Listbox : public RectControl {
  public:
    Listbox();
    ~Listbox() override;

    Integer ColumnCount() const;
    void setColumnCount(Integer count);
    // One width per column, separated by commas: "10%" of the list's width,
    // or "40" pixels.
    const std::string& ColumnWidths() const { return columnWidths_; }
    void setColumnWidths(const std::string& widths);
    Integer DefaultRowHeight() const;

    std::string Heading(Integer column) const;
    void setHeading(Integer column, const std::string& text);
    // 0: a click on the heading leaves the rows in their order.
    Integer ColumnSortDirection(Integer column) const;
    void setColumnSortDirection(Integer column, Integer direction);

    // Adds a row at the end: the texts fill the columns from column 0.
    void AddRow(const std::vector<std::string>& cells);
    void DeleteAllRows();
    Integer ListCount() const;
    // The row added last; -1 when there is none.
    Integer LastIndex() const;
    // Both raise OutOfBoundsException for a row or column that does not exist.
    std::string Cell(Integer row, Integer column) const;
    void setCell(Integer row, Integer column, const std::string& text);

    void _SetProperty(const LayoutProperty& property) override;
    void _RaiseOpen() override;
    void _RaiseCellBackgroundPaint(Graphics& g, Integer row, Integer column);

    std::function<Boolean(Listbox&, Graphics&, Integer row, Integer column)> CellBackgroundPaint;
    std::function<void(Listbox&)> Open;

  private:
    void checkColumn(Integer column) const;
    void checkCell(Integer row, Integer column) const;
    void applyColumnWidths();

    ListboxView* view_;
    ListboxModel* model_;
    std::string columnWidths_;
    std::vector<Integer> sortDirections_;
    Integer lastIndex_ = -1;
    friend class ListboxView;
};
