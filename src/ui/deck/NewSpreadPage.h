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

  // The person's name as typed (LabeledEdit1), and whether it is remembered (CheckBox2).
  std::string Person() const;
  void SetPerson(const std::string& name);
  bool RememberName() const;
  void SetRememberName(bool on);

  // The spread list, filled without a click; the selected row (-1 for none) and its choice by
  // the settings file, also without a click.
  void SetSpreads(const std::vector<std::string>& names);
  int SelectedRow() const;
  void SelectRow(int row);

  // Shuffle, the two deal buttons and "Enter Cards" can be used only with a spread selected.
  void UpdateDealButtons();
  // After a shuffle: "Deal" is enabled and "Shuffle" counts the shuffles since the last deal.
  void ShowShuffled(int count);
  // At a deal: "Deal" waits for the next shuffle and "Shuffle" counts no more.
  void ShowDealt();
  // Shows the spread preview page `path`.
  void ShowPreview(const std::string& path);

 signals:
  void ShuffleClicked();         // ButtonShuffle
  void DealClicked();            // ButtonDeal
  void ShuffleAndDealClicked();  // Button2
  void SpreadClicked();          // ListBox3Click: a spread chosen in the list
  void EnterCardsClicked();      // ButtonEnterCards: cards laid with a deck of the user's own

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLineEdit* name_ = nullptr;                // LabeledEdit1
  QCheckBox* remember_name_ = nullptr;       // CheckBox2
  QPlainTextEdit* question_ = nullptr;       // Memo3
  QPushButton* shuffle_ = nullptr;           // ButtonShuffle
  QPushButton* deal_ = nullptr;              // ButtonDeal
  QPushButton* shuffle_and_deal_ = nullptr;  // Button2
  QPushButton* enter_cards_ = nullptr;       // ButtonEnterCards
  QListWidget* spreads_ = nullptr;           // ListBox3
  HtmlView* preview_ = nullptr;              // CppWebBrowser2
};

}  // namespace sibylon
