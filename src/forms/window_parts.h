#pragma once
// Steps the program's windows share: reading a field through the expression evaluator, the
// "Error" message box, the framed list panel, and publishing a table's rows when its
// computation ends.
#include <QFont>
#include <QString>
#include <initializer_list>
#include <optional>

#include "engine/cmpEvaluator.h"
#include "engine/extended.h"

class QAbstractItemModel;
class QFrame;
class QTableView;
class QWidget;

namespace quarrant {

// The value of a field's text: its expression as the value field reads it (the placeholder
// stands for nothing typed), evaluated by the window's evaluator. Errors of the evaluator
// reach the caller.
Extended evaluateField(TExpressionEvaluator& evaluator, const QString& text);

// A modal message box captioned "Error" with the stop icon and an OK button.
void showErrorBox(QWidget* parent, const QString& text);

// A sunken framed panel holding one list, which fills it up to the margin. The list is in
// report style (SetUpReportView) with the model and column widths given, copies its selected
// row, and is named after the caption for a screen reader; a font, when given, is the list's
// own, set before its row height is taken from it.
struct ListPanel {
  QFrame* frame;
  QTableView* list;
};
ListPanel makeListPanel(QWidget* parent, const char* frameName, const char* listName,
                        QAbstractItemModel* model, std::initializer_list<int> widths,
                        const QString& caption, int margin = 0,
                        const std::optional<QFont>& font = std::nullopt);

// Publishes the rows appended to a table model when it goes, also when the computation that
// appends them ends with an error, so the rows made before the error stay in view.
template <class Model>
class PublishWhenDone {
 public:
  explicit PublishWhenDone(Model* model) : model_(model) {}
  ~PublishWhenDone() { model_->publish(); }
  PublishWhenDone(const PublishWhenDone&) = delete;
  PublishWhenDone& operator=(const PublishWhenDone&) = delete;

 private:
  Model* model_;
};

}  // namespace quarrant
