// Every window's texts read in full at the scale the suite runs at (registered at 100 % and
// again at 150 %) and in every language (English and each translation): each page of the main
// window, the amortization window listing the longest schedule it allows, its print preview and
// its loan options.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "controls/page_control.h"
#include "controls/skin.h"
#include "forms/Utfrm_Amortization.h"
#include "forms/Utfrm_LoanOptions.h"
#include "forms/Utfrm_ZavuzirEza.h"
#include "forms/Utfrm_report.h"
#include "report/report_preview.h"
#include "support/find_child.h"
#include "support/language.h"
#include "support/text_fit.h"

namespace quarrant {
namespace {

using test::textFitProblems;

void ExpectTextsFit(const QWidget& window, const QString& where) {
  QApplication::processEvents();
  for (const auto& problem : textFitProblems(window))
    ADD_FAILURE() << where.toStdString() << ": " << ::testing::PrintToString(problem);
}

// The modal window of type T that the button opens fits its texts; it is closed again.
template <class T>
void ExpectModalFits(QAbstractButton* button, const char* where) {
  bool shown = false;
  QTimer::singleShot(0, [&] {
    if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget())) {
      ExpectTextsFit(*modal, QString::fromLatin1(where));
      shown = true;
      modal->reject();
    }
  });
  button->click();
  EXPECT_TRUE(shown) << where;
}

// The program's look while it lives: the skin's paddings decide the room a text has.
struct Skinned {
  Skinned() { applySkin(*qApp); }
  ~Skinned() {
    qApp->setStyleSheet(QString());
    QApplication::setStyle(style);
  }
  const QString style = QApplication::style()->name();
};

void ExpectEveryWindowFits() {
  const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
  Skinned skin;
  Tfrm_ZavuzirEza main;
  main.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
  ASSERT_DOUBLE_EQ(main.devicePixelRatioF(), scale) << "the run is not at the scale it names";
  auto* pages = Child<PageControl>(main, "pc_main");
  for (int i = 0; i < pages->count(); ++i) {
    pages->setCurrentIndex(i);
    ExpectTextsFit(main, pages->widget(i)->objectName());
    for (PageControl* inner : pages->widget(i)->findChildren<PageControl*>())
      for (int j = 0; j < inner->count(); ++j) {
        inner->setCurrentIndex(j);
        ExpectTextsFit(main, inner->widget(j)->objectName());
      }
  }

  // The longest schedule the list holds puts a 7-digit period in its last row.
  Tfrm_report report;
  Tfrm_Amortization schedule;
  schedule.setReportForm(&report);
  schedule.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&schedule));
  Child<QLineEdit>(schedule, "se_NPer")
      ->setText(QString::number(Tfrm_Amortization::kMaxListedPeriods));
  Child<QLineEdit>(schedule, "se_i")->setText(QStringLiteral("6"));
  Child<QLineEdit>(schedule, "se_pv")->setText(QStringLiteral("100000"));
  Child<QPushButton>(schedule, "sb_Calc")->click();
  ExpectTextsFit(schedule, QStringLiteral("amortization"));

  ExpectModalFits<ReportPreviewWindow>(Child<QToolButton>(schedule, "sb_preview"), "preview");
  ExpectModalFits<Tfrm_LoanOptions>(Child<QToolButton>(schedule, "sb_options"), "loan options");
}

TEST(TextFit, EveryWindowShowsItsTextsInFullInEveryLanguage) {
  const QStringList languages = QStringList{QString()} + TranslatedLanguages();
  for (const QString& language : languages) {
    SCOPED_TRACE(language.isEmpty() ? std::string("English") : language.toStdString());
    ASSERT_TRUE(InstallLanguage(language));
    ExpectEveryWindowFits();
  }
  InstallLanguage(QString());
}

}  // namespace
}  // namespace quarrant
