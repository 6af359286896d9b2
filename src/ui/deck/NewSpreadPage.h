#pragma once

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace sibylon {

class HtmlView;

// The "New Spread" page: the person's name and question, the spread list with the preview of the
// selected spread, and the buttons that shuffle and deal.
class NewSpreadPage : public QWidget {
  Q_OBJECT

 public:
  explicit NewSpreadPage(QWidget* parent = nullptr);

  // The selected spread's name; nothing when the list has no selection.
  std::optional<std::string> SelectedSpread() const;
  // The question's hard lines (not the wrapped display lines); an empty question has none.
  std::vector<std::string> QuestionLines() const;

  QLineEdit* name = nullptr;                // LabeledEdit1
  QCheckBox* remember_name = nullptr;       // CheckBox2
  QPlainTextEdit* question = nullptr;       // Memo3
  QPushButton* shuffle = nullptr;           // ButtonShuffle
  QPushButton* deal = nullptr;              // ButtonDeal
  QPushButton* shuffle_and_deal = nullptr;  // Button2
  QListWidget* spreads = nullptr;           // ListBox3
  HtmlView* preview = nullptr;              // CppWebBrowser2

 signals:
  void Shown();

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace sibylon
