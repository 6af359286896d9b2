#pragma once

#include <QFrame>
#include <QWidget>
#include <array>
#include <string>
#include <utility>

#include "base/AppFolder.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QTableWidget;

namespace sibylon {

// One numbered card of the spread editor's table. It follows the pointer while the left button is
// held and snaps to the 5-pixel grid when let go, or as soon as the pointer passes over it.
class CardPanel : public QFrame {
  Q_OBJECT

 public:
  CardPanel(int number, QWidget* table);

 signals:
  void Released(CardPanel* panel);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int number_;
  QPoint grab_;
  bool dragging_ = false;
};

// The "Card Spreads Editor" page: spreads are created, loaded, laid out on the card table, given
// meanings, texts and a title, saved and deleted.
class SpreadEditorPage : public QWidget {
  Q_OBJECT

 public:
  explicit SpreadEditorPage(const AppFolder& app, QWidget* parent = nullptr);

  // Start-up steps.
  void WritePositionGridHeadings();
  void ReadSpreadFiles();  // FLBSpreads: the files of `spreads`, each with its extension
  void DrawCardTable();
  void CleanSpreadTitle();

  // The commands of the page's buttons; failures reach the caller.
  void ApplyCardCount();
  void New();
  void Load();
  void Save();
  void Delete();
  void UpdateSpreadButtons();
  void SnapCardPanel(CardPanel* panel);

  CardPanel* Card(int position) const { return cards_[static_cast<std::size_t>(position - 1)]; }
  // Where the card released last snapped to, exactly: left, top.
  std::pair<long long, long long> LastSnap() const { return last_snap_; }

 signals:
  // The spreads folder changed: the New Spread list is to be read again.
  void SpreadsChanged();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowCards(int count);
  void TrackBarMoved(int position);
  std::string SelectedSpreadFile() const;

  AppFolder app_;
  QFrame* table_frame_ = nullptr;  // PanelCardTable
  QLabel* table_ = nullptr;        // Image3, the drawing area
  std::array<CardPanel*, 30> cards_{};
  QTableWidget* grid_ = nullptr;           // sg
  QLineEdit* title_ = nullptr;             // LESpreadTitle
  QPlainTextEdit* description_ = nullptr;  // MemoSpreadDescription
  QPlainTextEdit* comments_ = nullptr;     // MemoSpreadComments
  QLineEdit* typed_count_ = nullptr;       // LEAddCards
  // The applied card count N: the track bar's position and the number of visible cards.
  int applied_count_ = 1;
  std::pair<long long, long long> last_snap_;  // left, top of the card snapped last
  QSlider* track_bar_ = nullptr;               // TrackBar1
  QPushButton* new_ = nullptr;                 // BNewCSpread
  QPushButton* save_ = nullptr;                // BSaveCSpread
  QListWidget* files_ = nullptr;               // FLBSpreads
  QPushButton* load_ = nullptr;                // BLoadCSpread
  QPushButton* delete_ = nullptr;              // BDeleteCSpread
};

}  // namespace sibylon
