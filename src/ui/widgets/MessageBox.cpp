#include "ui/widgets/MessageBox.h"

#include <QApplication>

#include "base/AppError.h"
#include "ui/widgets/TextCodec.h"

namespace sibylon {
namespace {

bool test_mode = false;
QMessageBox::StandardButton next_answer = QMessageBox::Cancel;
QStringList shown_errors;
QStringList asked_questions;

// A window that stays on top of the others (the splash while the program starts) would cover the
// box and keep the user waiting for nothing: it steps aside. Modal windows are left alone.
void UncoverBox() {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->isVisible() && !top->isModal() &&
        top->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
      top->hide();
    }
  }
}

}  // namespace

void MessageBox::ShowError(QWidget* parent, const std::string& message) {
  const QString text = ToQString(ErrorBoxText(message));
  if (test_mode) {
    shown_errors << text;
    return;
  }
  UncoverBox();
  QMessageBox box(QMessageBox::Critical, QStringLiteral("SIBYLON"), text, QMessageBox::Ok, parent);
  box.exec();
}

QMessageBox::StandardButton MessageBox::Ask(QWidget* parent, const QString& text) {
  if (test_mode) {
    asked_questions << text;
    const auto answer = next_answer;
    next_answer = QMessageBox::Cancel;
    return answer;
  }
  QMessageBox box(QMessageBox::Question, QStringLiteral("What to do?"), text,
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
  box.setDefaultButton(QMessageBox::Yes);
  UncoverBox();
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MessageBox::SetTestMode(bool on) { test_mode = on; }

void MessageBox::SetNextAnswer(QMessageBox::StandardButton answer) { next_answer = answer; }

QStringList MessageBox::TakeShownErrors() { return std::exchange(shown_errors, {}); }

QStringList MessageBox::TakeAskedQuestions() { return std::exchange(asked_questions, {}); }

}  // namespace sibylon
