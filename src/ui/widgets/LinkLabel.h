#pragma once

#include <QLabel>
#include <QUrl>

namespace sibylon {

// A label that acts as a link: green and underlined, maroon while the pointer is over it, and a
// click opens its address with the desktop's default handler (local files and web and mail
// addresses only). It takes the focus with Tab and opens with Enter or Space.
class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  LinkLabel(const QString& text, const QUrl& address, QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void SetColor(const QColor& color);
};

}  // namespace sibylon
