#include "app/NamedControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace sibylon {
namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

QWidget* NamedPage(const char* name) { return Named(new QWidget, name); }

QTabWidget* NamedTabs(const char* name, QWidget* parent) {
  auto* tabs = Named(new QTabWidget(parent), name);
  tabs->setIconSize(QSize(16, 16));
  return tabs;
}

QGroupBox* NamedGroupBox(const char* name, const QString& caption, QWidget* parent) {
  return Named(new QGroupBox(caption, parent), name);
}

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent) {
  return Named(new QLabel(text, parent), name);
}

QPushButton* NamedButton(const char* name, const QString& caption, QWidget* parent) {
  return Named(new QPushButton(caption, parent), name);
}

QCheckBox* NamedCheckBox(const char* name, const QString& caption, bool checked, QWidget* parent) {
  auto* box = Named(new QCheckBox(caption, parent), name);
  box->setChecked(checked);
  return box;
}

QRadioButton* NamedRadioButton(const char* name, const QString& caption, bool checked,
                               QWidget* parent) {
  auto* button = Named(new QRadioButton(caption, parent), name);
  button->setChecked(checked);
  return button;
}

QLineEdit* NamedEdit(const char* name, const QString& text, QWidget* parent) {
  return Named(new QLineEdit(text, parent), name);
}

QComboBox* NamedComboBox(const char* name, QWidget* parent) {
  return Named(new QComboBox(parent), name);
}

QListWidget* NamedList(const char* name, QWidget* parent) {
  return Named(new QListWidget(parent), name);
}

QLineEdit* LabeledEdit(const char* name, const QString& caption, const QString& text,
                       QWidget* parent) {
  QLineEdit* edit = NamedEdit(name, text, parent);
  auto* label = new QLabel(caption, parent);
  label->setObjectName(edit->objectName() + QStringLiteral("Label"));
  label->setBuddy(edit);
  return edit;
}

QLabel* EditLabel(QLineEdit* edit) {
  return edit->parentWidget()->findChild<QLabel*>(edit->objectName() + QStringLiteral("Label"),
                                                  Qt::FindDirectChildrenOnly);
}

}  // namespace sibylon
