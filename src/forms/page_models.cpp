#include "forms/page_models.h"

#include <QHeaderView>
#include <QPalette>
#include <QTableView>
#include <cstring>

#include "engine/number_format.h"

namespace quarrant {

void SetUpReportView(QTableView* view, QAbstractItemModel* model,
                     std::initializer_list<int> widths) {
  view->setModel(model);
  view->setShowGrid(true);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setWordWrap(false);
  view->setCornerButtonEnabled(false);
  // Tab leaves the list (arrows move within it) instead of walking its cells.
  view->setTabKeyNavigation(false);

  // A fixed row height lets the view place any row without measuring the others, which keeps
  // a list of a million rows as quick as a short one.
  QHeaderView* rows = view->verticalHeader();
  rows->hide();
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setMinimumSectionSize(1);
  rows->setDefaultSectionSize(view->fontMetrics().height() + 4);

  QHeaderView* columns = view->horizontalHeader();
  columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  columns->setHighlightSections(false);
  columns->setSectionsClickable(false);
  columns->setStretchLastSection(false);
  columns->setSectionResizeMode(QHeaderView::Interactive);
  int column = 0;
  for (const int width : widths) columns->resizeSection(column++, width);

  // The selected row stays marked when the focus moves on (to the entry fields, say).
  QPalette palette = view->palette();
  for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
    palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
  view->setPalette(palette);
}

// ---- DepreciationTableModel ----

DepreciationTableModel::DepreciationTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void DepreciationTableModel::clear() {
  beginResetModel();
  rows_.clear();
  rows_.shrink_to_fit();
  shown_ = 0;
  endResetModel();
}

void DepreciationTableModel::start(Extended cost, Format format) {
  clear();
  cost_ = cost;
  format_ = std::move(format);
}

void DepreciationTableModel::append(Extended depreciation, Extended total) {
  rows_.push_back(Row{depreciation, total});
}

void DepreciationTableModel::publish() {
  const int count = static_cast<int>(rows_.size());
  if (count == shown_) return;
  beginInsertRows(QModelIndex(), shown_, count - 1);
  shown_ = count;
  endInsertRows();
}

QString DepreciationTableModel::text(int row, int column) const {
  if (row < 0 || row >= shown_) return {};
  const Row& r = rows_[static_cast<std::size_t>(row)];
  switch (column) {
    case 0:
      return QString::number(row + 1);
    case 1:
      return format_(r.depreciation);
    case 2:
      return format_(r.total);
    case 3:
      return format_(cost_ - r.total);
    default:
      return {};
  }
}

int DepreciationTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shown_;
}

int DepreciationTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 4;
}

QVariant DepreciationTableModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return text(index.row(), index.column());
}

QVariant DepreciationTableModel::headerData(int section, Qt::Orientation orientation,
                                            int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  static const char* const captions[] = {QT_TR_NOOP("Year"), QT_TR_NOOP("Depreciation"),
                                         QT_TR_NOOP("Total Depreciation"),
                                         QT_TR_NOOP("Book Value")};
  if (section < 0 || section > 3) return {};
  return tr(captions[section]);
}

// ---- ScheduleListModel ----

namespace {

std::string CellText(int32_t period, const unsigned char (&amounts)[5][10], int column,
                     char separator) {
  if (column == 0) return std::to_string(period);
  Extended amount = 0;
  std::memcpy(&amount, amounts[column - 1], 10);
  return FormatScheduleAmount(amount, separator);
}

}  // namespace

ScheduleListModel::ScheduleListModel(QObject* parent)
    : QAbstractTableModel(parent), rows_(std::make_shared<std::vector<PackedRow>>()) {}

std::vector<ScheduleListModel::PackedRow>& ScheduleListModel::ownRows() {
  if (rows_.use_count() > 1) rows_ = std::make_shared<std::vector<PackedRow>>(*rows_);
  return *rows_;
}

void ScheduleListModel::clear() {
  beginResetModel();
  rows_ = std::make_shared<std::vector<PackedRow>>();
  shown_ = 0;
  endResetModel();
}

void ScheduleListModel::start(char decimalSeparator) {
  clear();
  separator_ = decimalSeparator;
}

void ScheduleListModel::reserve(int rows) {
  if (rows > 0) ownRows().reserve(static_cast<size_t>(rows));
}

void ScheduleListModel::append(const ScheduleRow& row) {
  static_assert(sizeof(Extended) >= kAmountBytes);
  PackedRow packed{};
  packed.period = row.Period;
  const Extended amounts[5] = {row.Principal, row.Interest, row.TotalPrincipal, row.TotalInterest,
                               row.Balance};
  for (int i = 0; i < 5; ++i) std::memcpy(packed.amounts[i], &amounts[i], kAmountBytes);
  ownRows().push_back(packed);
}

void ScheduleListModel::publish() {
  const int count = static_cast<int>(rows_->size());
  if (count == shown_) return;
  // A whole new table reaches the views as a reset, which costs them nothing per row.
  if (shown_ == 0) {
    beginResetModel();
    shown_ = count;
    endResetModel();
    return;
  }
  beginInsertRows(QModelIndex(), shown_, count - 1);
  shown_ = count;
  endInsertRows();
}

std::string ScheduleListModel::cellText(int row, int column) const {
  if (row < 0 || row >= shown_ || column < 0 || column >= kColumns) return std::string();
  const PackedRow& packed = (*rows_)[static_cast<size_t>(row)];
  return CellText(packed.period, packed.amounts, column, separator_);
}

std::string ScheduleListModel::Snapshot::text(int row, int column) const {
  if (row < 0 || row >= count_ || column < 0 || column >= kColumns) return std::string();
  const PackedRow& packed = (*rows_)[static_cast<size_t>(row)];
  return CellText(packed.period, packed.amounts, column, separator_);
}

ScheduleRow ScheduleListModel::row(int index) const {
  ScheduleRow row;
  if (index < 0 || index >= shown_) return row;
  const PackedRow& packed = (*rows_)[static_cast<size_t>(index)];
  Extended* const amounts[5] = {&row.Principal, &row.Interest, &row.TotalPrincipal,
                                &row.TotalInterest, &row.Balance};
  row.Period = packed.period;
  for (int i = 0; i < 5; ++i) std::memcpy(amounts[i], packed.amounts[i], kAmountBytes);
  return row;
}

QString ScheduleListModel::text(int row, int column) const {
  return QString::fromStdString(cellText(row, column));
}

void ScheduleListModel::appendRowTexts(int row, QString& out) const {
  if (row < 0 || row >= shown_) return;
  for (int column = 0; column < kColumns; ++column) {
    if (column > 0) out += QLatin1Char('\t');
    // The cell texts are digits, a sign and the separator: Latin-1 throughout.
    const std::string text = cellText(row, column);
    out += QLatin1StringView(text.data(), static_cast<qsizetype>(text.size()));
  }
}

ScheduleListModel::Snapshot ScheduleListModel::snapshot() const {
  Snapshot snapshot;
  snapshot.rows_ = rows_;
  snapshot.count_ = shown_;
  snapshot.separator_ = separator_;
  return snapshot;
}

int ScheduleListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shown_;
}

int ScheduleListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant ScheduleListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return QVariant();
  return text(index.row(), index.column());
}

QVariant ScheduleListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  static const char* const kHeaders[kColumns] = {
      QT_TR_NOOP("Period"),          QT_TR_NOOP("Principal"),      QT_TR_NOOP("Interest"),
      QT_TR_NOOP("Total Principal"), QT_TR_NOOP("Total Interest"), QT_TR_NOOP("Balance")};
  if (orientation != Qt::Horizontal || section < 0 || section >= kColumns)
    return QAbstractTableModel::headerData(section, orientation, role);
  if (role == Qt::DisplayRole) return tr(kHeaders[section]);
  if (role == Qt::TextAlignmentRole)
    return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
  return QVariant();
}

// ---- CashFlowListModel ----

CashFlowListModel::CashFlowListModel(QObject* parent) : QAbstractTableModel(parent) {}

int CashFlowListModel::append(const QString& amount, const QString& count) {
  const int row = static_cast<int>(groups_.size());
  beginInsertRows(QModelIndex(), row, row);
  groups_.push_back(Group{QString::number(row + 1), amount, count});
  endInsertRows();
  return row;
}

void CashFlowListModel::replace(int row, const QString& amount, const QString& count) {
  if (row < 0 || row >= rowCount()) return;
  groups_[static_cast<std::size_t>(row)] = Group{QString::number(row + 1), amount, count};
  emit dataChanged(index(row, 0), index(row, 2));
}

void CashFlowListModel::remove(int row) {
  if (row < 0 || row >= rowCount()) return;
  beginRemoveRows(QModelIndex(), row, row);
  groups_.erase(groups_.begin() + row);
  endRemoveRows();
}

void CashFlowListModel::renumber(int row) {
  if (row < 0 || row >= rowCount()) return;
  groups_[static_cast<std::size_t>(row)].caption = QString::number(row + 1);
  emit dataChanged(index(row, 0), index(row, 0));
}

void CashFlowListModel::renumberAll() {
  for (std::size_t i = 0; i < groups_.size(); ++i)
    groups_[i].caption = QString::number(static_cast<qulonglong>(i + 1));
  if (!groups_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, 0));
}

void CashFlowListModel::clear() {
  beginResetModel();
  groups_.clear();
  endResetModel();
}

int CashFlowListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(groups_.size());
}

int CashFlowListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 3;
}

QVariant CashFlowListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
  const Group& group = groups_[static_cast<std::size_t>(index.row())];
  switch (index.column()) {
    case 0:
      return group.caption;
    case 1:
      return group.amount;
    case 2:
      return group.count;
    default:
      return {};
  }
}

QVariant CashFlowListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  static const char* const captions[] = {QT_TR_NOOP("Group"), QT_TR_NOOP("Amount"),
                                         QT_TR_NOOP("Number of Times")};
  if (section < 0 || section > 2) return {};
  return tr(captions[section]);
}

}  // namespace quarrant
