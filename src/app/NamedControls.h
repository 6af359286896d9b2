#pragma once

#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace sibylon {

// Every control that the program names is a real widget whose objectName is that name, so that
// code and tests find it as the design names it.
QWidget* NamedPage(const char* name);
QTabWidget* NamedTabs(const char* name, QWidget* parent);
QGroupBox* NamedGroupBox(const char* name, const QString& caption, QWidget* parent);
QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent);
QPushButton* NamedButton(const char* name, const QString& caption, QWidget* parent);
QCheckBox* NamedCheckBox(const char* name, const QString& caption, bool checked, QWidget* parent);
QRadioButton* NamedRadioButton(const char* name, const QString& caption, bool checked,
                               QWidget* parent);
QLineEdit* NamedEdit(const char* name, const QString& text, QWidget* parent);
QComboBox* NamedComboBox(const char* name, QWidget* parent);
QListWidget* NamedList(const char* name, QWidget* parent);

// An edit field with its caption label; the label is named after the edit plus "Label".
QLineEdit* LabeledEdit(const char* name, const QString& caption, const QString& text,
                       QWidget* parent);
QLabel* EditLabel(QLineEdit* edit);

}  // namespace sibylon
