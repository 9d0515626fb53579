#pragma once
// Item models behind the program's three list views: the year-by-year depreciation table and
// the amortization schedule (each may run to a million rows) and the cash-flow group list.
// The two long tables share one vocabulary: start a new table, reserve, append rows, and
// publish them to the views in one step; clear empties a table.
#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "controls/table_copy.h"
#include "engine/amortization.h"
#include "engine/extended.h"

class QTableView;

namespace quarrant {

// The depreciation table lists lives of up to this many years; a longer life is refused with a
// message, as a list that long is no use to read and would only tie up the window.
inline constexpr int kMaxDepreciationYears = 1'000'000;

// A list in report style: grid lines, whole-row selection of one row at a time that stays
// visible when the list has no focus, rows of one fixed height, columns of the given widths.
void SetUpReportView(QTableView* view, QAbstractItemModel* model,
                     std::initializer_list<int> widths);

// Year, depreciation, accumulated depreciation and book value per row. Rows keep the numbers
// at full precision together with the number format chosen when the table was made, so the
// texts never change afterwards and a table of a million years costs no formatting up front.
class DepreciationTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using Format = std::function<QString(Extended)>;

  explicit DepreciationTableModel(QObject* parent = nullptr);

  // Empties the table.
  void clear();
  // Empties the table and starts a new one for an asset of this cost, written with format.
  void start(Extended cost, Format format);
  // Adds the next year's row. Rows added are shown at the next publish(), so that a long
  // table reaches the view in one step.
  void append(Extended depreciation, Extended total);
  void publish();
  void reserve(std::size_t rows) { rows_.reserve(rows); }

  // The text shown in a cell (column 0 "Year" to 3 "Book Value").
  QString text(int row, int column) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  struct Row {
    Extended depreciation;
    Extended total;
  };
  std::vector<Row> rows_;
  int shown_ = 0;  // rows the view knows of
  Extended cost_ = 0;
  Format format_;
};

// The rows of the amortization schedule. Each row is kept as the schedule handed it over (the
// period and the five amounts, packed to their 80-bit significant bytes) and its six texts are
// the ones the window writes: the period as a decimal integer and each amount through
// FormatScheduleAmount with the separator of the calculation. Writing a text when it is asked
// for, not up front, keeps a million-row schedule quick to list and small.
// The rows are shared with snapshots: a snapshot keeps the rows as they stood when it was
// taken (a new calculation starts a new set of rows), so the report reads a snapshot from any
// thread without locks.
class ScheduleListModel : public QAbstractTableModel, public RowTextSource {
  Q_OBJECT

  static constexpr size_t kAmountBytes = 10;  // significant bytes of an 80-bit number
  struct PackedRow {
    int32_t period;
    unsigned char amounts[5][kAmountBytes];
  };

 public:
  static constexpr int kColumns = 6;

  // The published rows as they stood when it was taken, with the texts the list shows.
  class Snapshot {
   public:
    int rowCount() const { return count_; }
    // The UTF-8 text of a cell; empty outside the rows.
    std::string text(int row, int column) const;

   private:
    friend class ScheduleListModel;
    std::shared_ptr<const std::vector<PackedRow>> rows_;
    int count_ = 0;
    char separator_ = '.';
  };

  explicit ScheduleListModel(QObject* parent = nullptr);

  // Empties the list.
  void clear();
  // Empties the list and starts a new schedule whose texts use this decimal separator.
  void start(char decimalSeparator);
  void reserve(int rows);
  // Adds the next row; rows added are shown at the next publish().
  void append(const ScheduleRow& row);
  void publish();

  QString text(int row, int column) const;
  void appendRowTexts(int row, QString& out) const override;
  Snapshot snapshot() const;
  // A published row as the schedule handed it over.
  ScheduleRow row(int index) const;
  char decimalSeparator() const { return separator_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  // The rows this model may change: its own, not shared with a snapshot.
  std::vector<PackedRow>& ownRows();
  std::string cellText(int row, int column) const;

  std::shared_ptr<std::vector<PackedRow>> rows_;
  int shown_ = 0;  // rows the views know of
  char separator_ = '.';
};

// The cash-flow groups: caption (position from 1), amount text and count text per row.
class CashFlowListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  struct Group {
    QString caption;
    QString amount;
    QString count;
  };

  explicit CashFlowListModel(QObject* parent = nullptr);

  const std::vector<Group>& groups() const { return groups_; }
  // Appends a group captioned with its position; returns its row.
  int append(const QString& amount, const QString& count);
  // Rewrites a group in place, its caption with its position.
  void replace(int row, const QString& amount, const QString& count);
  void remove(int row);
  // Rewrites one caption, or every caption, with the position counted from 1.
  void renumber(int row);
  void renumberAll();
  void clear();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  std::vector<Group> groups_;
};

}  // namespace quarrant
