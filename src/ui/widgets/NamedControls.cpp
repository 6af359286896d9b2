#include "ui/widgets/NamedControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

namespace sibylon {
namespace {

// The controls whose captions make up a control's accessible name (NameAfter).
constexpr char kNameSources[] = "sibylonAccessibleNameFrom";

QString NameFromSources(const QWidget* control) {
  QStringList parts;
  for (const QVariant& source : control->property(kNameSources).toList()) {
    const QString caption = CaptionOf(qobject_cast<const QWidget*>(source.value<QObject*>()));
    if (!caption.isEmpty()) parts << caption;
  }
  return parts.join(QLatin1Char(' '));
}

void ApplyName(QWidget* control) {
  const QString name = NameFromSources(control);
  control->setAccessibleName(name);
  // The text field of an editable combo box is reached on its own; it is read by the same name.
  if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit()) {
    combo->lineEdit()->setAccessibleName(name);
  }
}

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

void NameAfter(QWidget* control, std::initializer_list<const QWidget*> captions) {
  QVariantList sources;
  for (const QWidget* caption : captions) {
    sources << QVariant::fromValue(const_cast<QObject*>(static_cast<const QObject*>(caption)));
  }
  control->setProperty(kNameSources, sources);
  ApplyName(control);
}

QString CaptionOf(const QWidget* control) {
  if (control == nullptr) return QString();
  QString text;
  const QWidget* parent = control->parentWidget();
  const auto* tabs = parent ? qobject_cast<const QTabWidget*>(parent->parentWidget()) : nullptr;
  if (tabs && tabs->indexOf(const_cast<QWidget*>(control)) >= 0) {
    text = tabs->tabText(tabs->indexOf(const_cast<QWidget*>(control)));
  } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
    text = label->text();
  } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
    text = button->text();
  } else if (const auto* group = qobject_cast<const QGroupBox*>(control)) {
    text = group->title();
  } else if (const auto* grid = qobject_cast<const QTableWidget*>(control)) {
    // A grid is read by the heading of its text column, its last one.
    const QTableWidgetItem* heading = grid->horizontalHeaderItem(grid->columnCount() - 1);
    if (heading) text = heading->text();
  }
  // "&&" is a shown ampersand, a single "&" marks the mnemonic.
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
  text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
  text = text.trimmed();
  // The option captions of the Cards Options page start with " - ".
  if (text.startsWith(QLatin1String("- "))) text = text.mid(2).trimmed();
  return text;
}

void UpdateAccessibleNames(QWidget* window) {
  for (QWidget* control : window->findChildren<QWidget*>()) {
    if (control->property(kNameSources).isValid()) ApplyName(control);
  }
}

}  // namespace sibylon
