#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <string>

namespace sibylon {

// The program's two kinds of message box: the standard error box and the "What to do?" question.
// Tests switch on the test mode, in which no box is shown: error texts are recorded, and a
// question takes the answer set beforehand.
class MessageBox {
 public:
  // Caption "SIBYLON", error icon, one OK button; the full-stop rule is applied to `message`.
  static void ShowError(QWidget* parent, const std::string& message);

  // Caption "What to do?", question icon, Yes, No and Cancel.
  static QMessageBox::StandardButton Ask(QWidget* parent, const QString& text);

  static void SetTestMode(bool on);
  static void SetNextAnswer(QMessageBox::StandardButton answer);
  // The error texts shown since the last call, as the user would have read them.
  static QStringList TakeShownErrors();
  // The question texts asked since the last call.
  static QStringList TakeAskedQuestions();
};

}  // namespace sibylon
