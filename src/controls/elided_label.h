#pragma once
// ElidedLabel: a one-line label that shows as much of its text as its width allows, ending in
// "…" where it cuts; the whole text stays its tooltip and its accessible description, so the
// mouse and a screen reader still reach all of it.
#include <QLabel>
#include <QString>

namespace quarrant {

class ElidedLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ElidedLabel(QWidget* parent = nullptr);

  void setFullText(const QString& text);
  const QString& fullText() const { return fullText_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void elide();

  QString fullText_;
};

}  // namespace quarrant
