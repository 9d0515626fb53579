#pragma once
// Copying the rows of a list as tab-separated text, the form a spreadsheet pastes one cell per
// value: the column headers first, then one line per row with the texts the list shows.
#include <QString>
#include <vector>

class QAbstractItemModel;
class QTableView;

namespace quarrant {

// A model that can write a row's cell texts straight into text, which long lists use to copy
// without handing out every cell as a separate value.
class RowTextSource {
 public:
  virtual ~RowTextSource() = default;
  // Appends the display texts of one row, cells separated by tabs, without a line end. The
  // texts hold no tabs or line breaks.
  virtual void appendRowTexts(int row, QString& out) const = 0;
};

// The header line and the given rows of the model (display texts, every column), each line
// ended by a line feed. Tabs and line breaks inside a text become spaces so that every value
// stays one cell. Rows outside the model are skipped.
QString tabSeparatedRows(const QAbstractItemModel& model, const std::vector<int>& rows);

// The rows of the view's selection in ascending order, or every row when none is selected.
std::vector<int> rowsToCopy(const QTableView& view);

// Gives the view a "Copy" action, on Ctrl+C and in its context menu, that puts
// tabSeparatedRows of rowsToCopy on the clipboard.
void enableRowCopy(QTableView* view);

}  // namespace quarrant
