#pragma once

#include <QString>
#include <initializer_list>

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
// code and tests find it by the name the program gives it.
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

// Accessible names. Qt names a button after its caption and a field after its buddy label; a
// list, a slider or a field whose label is a check box, a group or a row of a grid gets its name
// here, made of the captions of `captions` (labels, buttons, group boxes, tab pages, a grid's text
// column) joined by a blank, so that one place builds every such name.
void NameAfter(QWidget* control, std::initializer_list<const QWidget*> captions);
// A control's caption as the user reads it, without mnemonic marks and a leading " - ".
QString CaptionOf(const QWidget* control);
// Builds the names of NameAfter again from the captions as they are now: once the pages are in
// their tabs, and after the interface language has replaced the captions.
void UpdateAccessibleNames(QWidget* window);

}  // namespace sibylon
