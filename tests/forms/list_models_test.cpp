// The three list models keep Qt's model contract through every change they make:
// QAbstractItemModelTester checks each signal against the model's answers before and after.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QStringList>
#include <functional>

#include "forms/page_models.h"

namespace quarrant {
namespace {

QStringList g_complaints;

void Collect(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type != QtDebugMsg && type != QtInfoMsg) g_complaints.append(message);
}

// Runs the changes with a tester watching the model; the tester's complaints are returned.
QStringList Complaints(QAbstractItemModel& model, const std::function<void()>& changes) {
  g_complaints.clear();
  const QtMessageHandler previous = qInstallMessageHandler(Collect);
  {
    QAbstractItemModelTester tester(&model,
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    changes();
  }
  qInstallMessageHandler(previous);
  return g_complaints;
}

ScheduleRow Row(int32_t period) {
  return ScheduleRow{period, -1.0L * period, -0.5L, -2.0L * period, -1.0L, 100.0L - period};
}

TEST(ListModels, KeepTheModelContract) {
  DepreciationTableModel depreciation;
  EXPECT_EQ(Complaints(depreciation,
                       [&] {
                         depreciation.start(1000, [](Extended v) {
                           return QString::number(static_cast<double>(v));
                         });
                         depreciation.append(100, 100);
                         depreciation.append(100, 200);
                         depreciation.publish();
                         depreciation.append(100, 300);
                         depreciation.publish();
                         EXPECT_EQ(depreciation.text(2, 3), QStringLiteral("700"));
                         depreciation.clear();
                       }),
            QStringList());

  ScheduleListModel schedule;
  EXPECT_EQ(Complaints(schedule,
                       [&] {
                         schedule.start(',');
                         schedule.reserve(3);
                         schedule.append(Row(1));
                         schedule.append(Row(2));
                         EXPECT_EQ(schedule.rowCount(), 0) << "rows wait for publish";
                         schedule.publish();
                         const ScheduleListModel::Snapshot before = schedule.snapshot();
                         schedule.append(Row(3));
                         schedule.publish();
                         EXPECT_EQ(schedule.text(2, 5), QStringLiteral("97,00"));
                         EXPECT_EQ(before.rowCount(), 2) << "a snapshot keeps its rows";
                         EXPECT_EQ(before.text(1, 1), "-2,00");
                         schedule.clear();
                         EXPECT_EQ(before.text(1, 0), "2");
                       }),
            QStringList());

  CashFlowListModel flows;
  EXPECT_EQ(Complaints(flows,
                       [&] {
                         flows.append(QStringLiteral("-100"), QStringLiteral("1"));
                         flows.append(QStringLiteral("60"), QStringLiteral("2"));
                         flows.replace(0, QStringLiteral("-90"), QStringLiteral("1"));
                         flows.remove(0);
                         flows.renumberAll();
                         EXPECT_EQ(flows.groups().front().caption, QStringLiteral("1"));
                         flows.clear();
                       }),
            QStringList());
}

}  // namespace
}  // namespace quarrant
