#include "controls/table_copy.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QTableView>
#include <QVariant>
#include <algorithm>
#include <numeric>

namespace quarrant {
namespace {

constexpr size_t kRowsWithoutWaitCursor = 50'000;

// Appends a text with tabs and line breaks replaced, so that it fills exactly one cell.
void AppendCell(QString& out, const QString& text) {
  const qsizetype start = out.size();
  out += text;
  QChar* cell = out.data() + start;
  QChar* const end = out.data() + out.size();
  for (; cell != end; ++cell) {
    const char16_t c = cell->unicode();
    if (c == u'\t' || c == u'\n' || c == u'\r') *cell = QLatin1Char(' ');
  }
}

// A display value as text; a text value is read in place rather than converted to a copy.
void AppendValue(QString& out, const QVariant& value) {
  if (value.metaType().id() == QMetaType::QString)
    AppendCell(out, *static_cast<const QString*>(value.constData()));
  else if (value.isValid())
    AppendCell(out, value.toString());
}

void AppendLine(QString& out, const QAbstractItemModel& model, int row, int columns) {
  for (int column = 0; column < columns; ++column) {
    if (column > 0) out += QLatin1Char('\t');
    AppendValue(out, model.data(model.index(row, column), Qt::DisplayRole));
  }
  out += QLatin1Char('\n');
}

}  // namespace

QString tabSeparatedRows(const QAbstractItemModel& model, const std::vector<int>& rows) {
  const int columns = model.columnCount();
  const int rowCount = model.rowCount();
  QString out;
  for (int column = 0; column < columns; ++column) {
    if (column > 0) out += QLatin1Char('\t');
    AppendValue(out, model.headerData(column, Qt::Horizontal, Qt::DisplayRole));
  }
  out += QLatin1Char('\n');

  const auto* source = dynamic_cast<const RowTextSource*>(&model);
  bool reserved = false;
  for (const int row : rows) {
    if (row < 0 || row >= rowCount) continue;
    const qsizetype before = out.size();
    if (source != nullptr) {
      source->appendRowTexts(row, out);
      out += QLatin1Char('\n');
    } else {
      AppendLine(out, model, row, columns);
    }
    if (!reserved) {
      // One allocation for the whole text, sized from the first row with some room to spare
      // for wider numbers further down.
      reserved = true;
      const qsizetype perRow = out.size() - before;
      out.reserve(out.size() + perRow * static_cast<qsizetype>(rows.size()) * 5 / 4);
    }
  }
  return out;
}

std::vector<int> rowsToCopy(const QTableView& view) {
  std::vector<int> rows;
  if (const QItemSelectionModel* selection = view.selectionModel()) {
    for (const QModelIndex& index : selection->selectedRows()) rows.push_back(index.row());
  }
  if (rows.empty() && view.model() != nullptr) {
    rows.resize(static_cast<size_t>(view.model()->rowCount()));
    std::iota(rows.begin(), rows.end(), 0);
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

void enableRowCopy(QTableView* view) {
  auto* copy = new QAction(QCoreApplication::translate("TableCopy", "Copy"), view);
  copy->setObjectName(QStringLiteral("act_copy"));
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  QObject::connect(copy, &QAction::triggered, view, [view] {
    if (view->model() == nullptr) return;
    const std::vector<int> rows = rowsToCopy(*view);
    // A long list takes a moment: show that the program is busy meanwhile.
    const bool busy = rows.size() > kRowsWithoutWaitCursor;
    if (busy) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QGuiApplication::clipboard()->setText(tabSeparatedRows(*view->model(), rows));
    if (busy) QGuiApplication::restoreOverrideCursor();
  });
  view->addAction(copy);
  view->setContextMenuPolicy(Qt::ActionsContextMenu);
}

}  // namespace quarrant
