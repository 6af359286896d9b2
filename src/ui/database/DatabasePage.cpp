#include "ui/database/DatabasePage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>

#include "ui/widgets/NamedControls.h"

namespace sibylon {

DatabasePage::DatabasePage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheet4"));
  QWidget* panel = NamedPage("PTabSheet4");
  panel->setParent(this);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(6, 6, 6, 6);
  outer->addWidget(panel);

  auto* grid = new QGridLayout(panel);
  readings = NamedList("FileListBox1", panel);
  readings->setSelectionMode(QAbstractItemView::SingleSelection);
  NameAfter(readings, {this});
  grid->addWidget(readings, 0, 0, 6, 1);
  load = NamedButton("Button8", QStringLiteral("Load"), panel);
  remove = NamedButton("Button9", QStringLiteral("Delete"), panel);
  unlock =
      NamedCheckBox("CheckBoxRemoveAllUnlocked", QStringLiteral("Unlock Button"), false, panel);
  remove_all = NamedButton("Button11", QStringLiteral("Remove All"), panel);
  for (QPushButton* button : {load, remove, remove_all}) {
    button->setEnabled(false);
    button->setFixedWidth(120);
  }
  grid->addWidget(load, 0, 1);
  grid->addWidget(remove, 1, 1);
  grid->addWidget(unlock, 3, 1);
  grid->addWidget(remove_all, 4, 1);
  grid->setRowStretch(5, 1);
  grid->setColumnStretch(0, 1);
}

void DatabasePage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  emit Shown();
}

}  // namespace sibylon
