#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "database/Journal.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTableWidget;
class QTabWidget;

namespace sibylon {

class JournalModel;
class JournalCharts;

// The "Journal" page: every stored reading as a row, found by a search over its texts and card
// titles and by filters, and the statistics of the rows let through. It follows the database
// folder each time it is shown; the files stay the only truth.
class JournalPage : public QWidget {
  Q_OBJECT

 public:
  // `folder` is the database folder; `titles` gives the card titles of the title list now.
  JournalPage(std::string folder, std::function<std::vector<std::string>()> titles,
              QWidget* parent = nullptr);

  // Reads what changed in the folder and shows the list and the statistics again.
  void Refresh();

 signals:
  // A row was chosen with a double click or Enter: the reading of that Database entry.
  void ReadingChosen(const std::string& entry);
  // "Export PDF": the files of the readings the search and the filters let through, in the order
  // of the list.
  void ExportClicked(const std::vector<std::string>& files);

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FillFilterChoices();
  void Apply();
  void Clear();
  void ChooseRow(int row);
  void Export();

  Journal journal_;
  std::function<std::vector<std::string>()> titles_;
  std::vector<std::string> filter_titles_;  // the titles the card choice was filled with
  JournalModel* model_ = nullptr;
  QLineEdit* search_ = nullptr;         // JournalSearch
  QComboBox* person_ = nullptr;         // JournalPerson
  QComboBox* spread_ = nullptr;         // JournalSpread
  QComboBox* card_ = nullptr;           // JournalCard
  QComboBox* orientation_ = nullptr;    // JournalOrientation
  QCheckBox* dates_ = nullptr;          // JournalDates
  QDateEdit* from_ = nullptr;           // JournalFrom
  QDateEdit* to_ = nullptr;             // JournalTo
  QTabWidget* views_ = nullptr;         // JournalViews
  QTableView* list_ = nullptr;          // JournalList
  QLabel* summary_ = nullptr;           // JournalSummary
  JournalCharts* charts_ = nullptr;     // JournalCharts
  QTableWidget* statistics_ = nullptr;  // JournalStatisticsTable
  QPushButton* export_ = nullptr;       // JournalExportPdf
};

}  // namespace sibylon
