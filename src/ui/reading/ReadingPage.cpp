#include "ui/reading/ReadingPage.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/htmlview/HtmlView.h"
#include "ui/widgets/NamedControls.h"

namespace sibylon {

ReadingPage::ReadingPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheet3"));
  panel_ = NamedPage("Panel2");
  auto* page_layout = new QVBoxLayout(this);
  page_layout->setContentsMargins(0, 0, 0, 0);
  page_layout->addWidget(panel_);

  bar_ = NamedPage("Panel1");
  bar_->setFixedHeight(35);
  QLabel* label = NamedLabel("Label49", QStringLiteral("Name of the Spread:"), bar_);
  label->setGeometry(6, 10, 116, 16);
  file_name = NamedEdit("Edit2", QString(), bar_);
  file_name->setGeometry(124, 6, 240, 23);
  label->setBuddy(file_name);
  save_html = NamedButton("Button6", QStringLiteral("Save HTML"), bar_);
  save_html->setGeometry(370, 5, 80, 25);
  save_html->hide();
  save_to_database = NamedButton("Button4", QStringLiteral("Save to Database"), bar_);
  save_to_database->setGeometry(370, 5, 110, 25);
  return_new_spread = NamedButton("ButtonReturnNS", QStringLiteral("New Spread"), bar_);
  return_new_spread->setGeometry(560, 5, 90, 25);
  return_new_spread->hide();
  print = NamedButton("Button5", QStringLiteral("Print"), bar_);
  print->setGeometry(486, 5, 75, 25);
  full_screen = NamedButton("ButtonFSV", QStringLiteral("Full Screen"), bar_);
  full_screen->setGeometry(690, 5, 83, 25);
  restore_window = NamedButton("ButtonNSV", QStringLiteral("Restore Window"), bar_);
  QFont bold = restore_window->font();
  bold.setBold(true);
  restore_window->setFont(bold);
  restore_window->setGeometry(659, 5, 115, 25);
  restore_window->hide();
  bar_->installEventFilter(this);

  view = new HtmlView(panel_);
  view->setObjectName(QStringLiteral("CppWebBrowser1"));
  NameAfter(view, {this});
  auto* panel_layout = new QVBoxLayout(panel_);
  panel_layout->setContentsMargins(0, 0, 0, 0);
  panel_layout->setSpacing(0);
  panel_layout->addWidget(bar_);
  panel_layout->addWidget(view, 1);
}

void ReadingPage::TakeBackPanel() {
  layout()->addWidget(panel_);
  panel_->show();
}

void ReadingPage::PlaceFullScreenButtons() {
  const int width = bar_->width();
  restore_window->move(width - restore_window->width() - 2, restore_window->y());
  return_new_spread->move(width - return_new_spread->width() - restore_window->width() - 10,
                          return_new_spread->y());
}

bool ReadingPage::eventFilter(QObject* watched, QEvent* event) {
  // The bar widens when the window goes full screen; the buttons keep to its right edge.
  if (watched == bar_ && event->type() == QEvent::Resize && !restore_window->isHidden()) {
    PlaceFullScreenButtons();
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace sibylon
