#include "ui/widgets/LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QUrl>

#include "ui/widgets/LinkTarget.h"

namespace sibylon {

LinkLabel::LinkLabel(const QString& text, const QUrl& address, QWidget* parent)
    : QLabel(text, parent) {
  QFont underlined = font();
  underlined.setUnderline(true);
  setFont(underlined);
  setCursor(Qt::PointingHandCursor);
  setToolTip(QStringLiteral("Click to Visit WebSite"));
  SetColor(Qt::darkGreen);
  // A local file (the user guide) or a web or mail address; no other scheme leaves the program.
  connect(this, &LinkLabel::clicked, this, [this, address] {
    if (LinkTargetOf(address) != LinkTarget::kRefused) OpenOnDesktop(window(), address);
  });
  // Reached with Tab, opened with Enter or Space, as a button would be.
  setFocusPolicy(Qt::StrongFocus);
}

void LinkLabel::SetColor(const QColor& color) {
  QPalette colors = palette();
  colors.setColor(QPalette::WindowText, color);
  setPalette(colors);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
  SetColor(QColor(0x80, 0x00, 0x00));
  QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
  SetColor(Qt::darkGreen);
  QLabel::leaveEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      emit clicked();
      return;
    default:
      QLabel::keyPressEvent(event);
  }
}

void LinkLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QStylePainter painter(this);
  QStyleOptionFocusRect focus;
  focus.initFrom(this);
  focus.rect = contentsRect();
  painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
  QLabel::mouseReleaseEvent(event);
}

}  // namespace sibylon
