#include "support/text_fit.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTableView>
#include <QTextDocument>
#include <QToolButton>
#include <algorithm>

namespace quarrant::test_support {
namespace {

// A text as shown: where it is drawn (in the window's coordinates) and the room it has.
struct ShownText {
  const QWidget* owner;
  QString text;
  int width;
  int room;
  QRect rect;
};

// The caption without its mnemonic marks ("&Help" reads "Help", "&&" reads "&").
QString Caption(const QString& text) {
  QString shown;
  for (int i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

QString PathOf(const QWidget* widget, const QWidget& window) {
  QString path;
  for (const QWidget* w = widget; w && w != &window; w = w->parentWidget()) {
    if (w->objectName().isEmpty() && w != widget) continue;
    const QString name = w->objectName().isEmpty()
                             ? QString::fromLatin1(w->metaObject()->className())
                             : w->objectName();
    path = path.isEmpty() ? name : name + QLatin1Char('/') + path;
  }
  return path;
}

QRect InWindow(const QWidget* widget, const QRect& rect, const QWidget& window) {
  return QRect(widget->mapTo(&window, rect.topLeft()), rect.size());
}

// Controls the user reads or works: the parts inside one of them (a combo box's list, a
// table's header) are the control's own business.
bool IsControl(const QWidget* w) {
  return qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
         qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
         qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QAbstractItemView*>(w);
}

bool InsideControl(const QWidget* w, const QWidget& window) {
  for (const QWidget* p = w->parentWidget(); p && p != &window; p = p->parentWidget())
    if (IsControl(p)) return true;
  return false;
}

void AddLabel(const QLabel* label, const QWidget& window, std::vector<ShownText>& out) {
  if (label->text().isEmpty() || label->wordWrap() || !label->pixmap().isNull()) return;
  if (label->textFormat() == Qt::RichText ||
      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())))
    return;
  const QString text = label->buddy() ? Caption(label->text()) : label->text();
  const QFontMetrics metrics = label->fontMetrics();
  const int width = metrics.horizontalAdvance(text);
  const int margin = label->margin();
  const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
  const QRect drawn = QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                          QSize(width, metrics.height()), room);
  out.push_back({label, text, width, room.width(), InWindow(label, drawn, window)});
}

void AddButton(const QAbstractButton* button, const QWidget& window, std::vector<ShownText>& out) {
  if (button->text().isEmpty()) return;
  const QString text = Caption(button->text());
  const QFontMetrics metrics = button->fontMetrics();
  int width = metrics.horizontalAdvance(text);
  if (!button->icon().isNull()) width += button->iconSize().width() + 4;
  QRect room = button->rect();
  Qt::Alignment align = Qt::AlignCenter;
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  option.icon = button->icon();
  option.iconSize = button->iconSize();
  if (qobject_cast<const QPushButton*>(button)) {
    room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
  } else if (qobject_cast<const QRadioButton*>(button)) {
    room = button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
    align = Qt::AlignLeft | Qt::AlignVCenter;
  } else if (qobject_cast<const QCheckBox*>(button)) {
    room = button->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, button);
    align = Qt::AlignLeft | Qt::AlignVCenter;
  } else if (const auto* tool = qobject_cast<const QToolButton*>(button)) {
    const Qt::ToolButtonStyle style = tool->toolButtonStyle();
    if (style == Qt::ToolButtonIconOnly) return;
    if (style != Qt::ToolButtonTextBesideIcon) width = metrics.horizontalAdvance(text);
    room = button->rect().adjusted(3, 0, -3, 0);
  }
  const QRect drawn =
      QStyle::alignedRect(button->layoutDirection(), align, QSize(width, metrics.height()), room);
  out.push_back({button, text, width, room.width(), InWindow(button, drawn, window)});
}

// Every item of a closed combo box must read in full, as any may be the selected one.
void AddComboBox(const QComboBox* combo, const QWidget& window, std::vector<ShownText>& out) {
  if (combo->isEditable() || combo->count() == 0) return;
  const QFontMetrics metrics = combo->fontMetrics();
  QString widest;
  int width = -1;
  for (int i = 0; i < combo->count(); ++i) {
    const int w = metrics.horizontalAdvance(combo->itemText(i));
    if (w > width) {
      width = w;
      widest = combo->itemText(i);
    }
  }
  QStyleOptionComboBox option;
  option.initFrom(combo);
  option.editable = false;
  option.frame = combo->hasFrame();
  option.currentText = widest;
  option.subControls = QStyle::SC_All;
  const QRect room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, combo);
  const QRect drawn =
      QStyle::alignedRect(combo->layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter,
                          QSize(width, metrics.height()), room);
  out.push_back({combo, widest, width, room.width(), InWindow(combo, drawn, window)});
}

void AddGroupBox(const QGroupBox* box, const QWidget& window, std::vector<ShownText>& out) {
  if (box->title().isEmpty()) return;
  QStyleOptionGroupBox option;
  option.initFrom(box);
  option.text = box->title();
  option.lineWidth = 1;
  option.textAlignment = box->alignment();
  option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  const QRect label =
      box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
  const int width = box->fontMetrics().horizontalAdvance(Caption(box->title()));
  out.push_back({box, Caption(box->title()), width, box->width() - label.left(),
                 InWindow(box, QRect(label.topLeft(), QSize(width, label.height())), window)});
}

// Column captions and the cells of the first rows and the last one (where the largest
// numbers of a schedule are): a cell's text keeps the margins the style draws it with.
void AddTable(const QTableView* view, std::vector<TextFitProblem>& problems,
              const QWidget& window) {
  const QAbstractItemModel* model = view->model();
  if (!model) return;
  const QFontMetrics metrics = view->fontMetrics();
  const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
  const QHeaderView* header = view->horizontalHeader();
  const int headerMargin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
  std::vector<int> rows;
  for (int row = 0; row < std::min(model->rowCount(), 20); ++row) rows.push_back(row);
  if (model->rowCount() > 20) rows.push_back(model->rowCount() - 1);
  for (int column = 0; column < model->columnCount(); ++column) {
    if (view->isColumnHidden(column)) continue;
    const int size = view->columnWidth(column);
    auto check = [&](const QString& text, int width, int room) {
      if (width > room)
        problems.push_back({PathOf(view, window) + QStringLiteral("[%1]").arg(column), text, width,
                            room, QStringLiteral("wider than its column")});
    };
    if (header->isVisible()) {
      const QString caption = model->headerData(column, Qt::Horizontal).toString();
      check(caption, header->fontMetrics().horizontalAdvance(caption), size - 2 * headerMargin);
    }
    for (int row : rows) {
      const QString text = model->index(row, column).data().toString();
      check(text, metrics.horizontalAdvance(text), size - 2 * margin);
    }
  }
}

}  // namespace

std::vector<TextFitProblem> textFitProblems(const QWidget& window) {
  std::vector<ShownText> texts;
  std::vector<TextFitProblem> problems;
  std::vector<std::pair<const QWidget*, QRect>> controls;  // what a text must keep clear of
  for (const QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&window) || w->isWindow() || InsideControl(w, window)) continue;
    const size_t before = texts.size();
    if (const auto* label = qobject_cast<const QLabel*>(w)) AddLabel(label, window, texts);
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
      AddButton(button, window, texts);
    if (const auto* combo = qobject_cast<const QComboBox*>(w)) AddComboBox(combo, window, texts);
    if (const auto* box = qobject_cast<const QGroupBox*>(w)) AddGroupBox(box, window, texts);
    if (const auto* view = qobject_cast<const QTableView*>(w)) AddTable(view, problems, window);
    if (!IsControl(w)) continue;
    // A label is where its text is; any other control is its whole box.
    if (qobject_cast<const QLabel*>(w))
      for (size_t i = before; i < texts.size(); ++i) controls.emplace_back(w, texts[i].rect);
    else
      controls.emplace_back(w, InWindow(w, w->rect(), window));
  }
  for (const ShownText& shown : texts) {
    const QString path = PathOf(shown.owner, window);
    if (shown.width > shown.room)
      problems.push_back(
          {path, shown.text, shown.width, shown.room, QStringLiteral("wider than its control")});
    for (const auto& [control, rect] : controls) {
      if (control == shown.owner || control->isAncestorOf(shown.owner) ||
          shown.owner->isAncestorOf(control) || !rect.intersects(shown.rect))
        continue;
      problems.push_back({path, shown.text, shown.width, shown.room,
                          QStringLiteral("overlaps ") + PathOf(control, window)});
    }
    for (const QWidget* holder = shown.owner->parentWidget(); holder;
         holder = holder->isWindow() ? nullptr : holder->parentWidget()) {
      if (InWindow(holder, holder->rect(), window).contains(shown.rect)) continue;
      problems.push_back(
          {path, shown.text, shown.width, shown.room,
           QStringLiteral("cut off by ") +
               (holder == &window ? QStringLiteral("the window") : PathOf(holder, window))});
      break;
    }
  }
  return problems;
}

void PrintTo(const TextFitProblem& problem, std::ostream* out) {
  *out << problem.control.toStdString() << " \"" << problem.text.toStdString() << "\" ("
       << problem.textWidth << " px in " << problem.room << " px): " << problem.fault.toStdString();
}

}  // namespace quarrant::test_support
