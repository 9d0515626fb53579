#pragma once
// RadioGroup: a framed group of mutually exclusive radio buttons addressed by item index,
// laid out top to bottom and spread evenly over the group's height.
#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace quarrant {

class RadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  explicit RadioGroup(QWidget* parent = nullptr);
  RadioGroup(const QString& title, const QStringList& items, QWidget* parent = nullptr);

  void setItems(const QStringList& items);
  QStringList items() const;
  int count() const { return static_cast<int>(buttons_.size()); }
  QRadioButton* button(int index) const;

  // Index of the selected item, -1 when none is selected.
  int itemIndex() const;
  // Selects the item; any index outside 0..count()-1 leaves no item selected.
  void setItemIndex(int index);

 signals:
  void itemIndexChanged(int index);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void arrangeButtons();
  void updateTabStop();

  QButtonGroup* group_;
  QList<QRadioButton*> buttons_;
  int lastIndex_ = -1;
};

}  // namespace quarrant
