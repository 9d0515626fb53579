#include "forms/window_parts.h"

#include <QCoreApplication>
#include <QFrame>
#include <QMessageBox>
#include <QTableView>
#include <QVBoxLayout>

#include "controls/accessible_names.h"
#include "controls/table_copy.h"
#include "controls/value_field.h"
#include "forms/page_models.h"

namespace quarrant {

Extended evaluateField(TExpressionEvaluator& evaluator, const QString& text) {
  evaluator.Expression = ValueField::expressionOf(text).toStdString();
  return evaluator.Evaluate();
}

void showErrorBox(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("quarrant::Tfrm_ZavuzirEza", "Error"),
                  text, QMessageBox::Ok, parent);
  box.exec();
}

ListPanel makeListPanel(QWidget* parent, const char* frameName, const char* listName,
                        QAbstractItemModel* model, std::initializer_list<int> widths,
                        const QString& caption, int margin, const std::optional<QFont>& font) {
  auto* frame = new QFrame(parent);
  frame->setObjectName(QString::fromLatin1(frameName));
  frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  auto* list = new QTableView(frame);
  list->setObjectName(QString::fromLatin1(listName));
  if (font) list->setFont(*font);
  SetUpReportView(list, model, widths);
  enableRowCopy(list);
  nameAfterCaption(list, caption);
  auto* layout = new QVBoxLayout(frame);
  layout->setContentsMargins(margin, margin, margin, margin);
  layout->addWidget(list);
  return {frame, list};
}

}  // namespace quarrant
