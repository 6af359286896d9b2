#pragma once

#include <QAbstractTableModel>
#include <string>
#include <vector>

#include "database/JournalEntry.h"

namespace sibylon {

// The rows of the journal's list: the entries that the search and the filters let through, in
// the order of the column last sorted by.
class JournalModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kDate, kPerson, kSpread, kQuestion, kCards, kFile, kColumnCount };

  explicit JournalModel(QObject* parent = nullptr);

  // The entries (owned by the journal, alive while shown), the card titles for the Cards column,
  // and the indexes of the entries shown.
  void Show(const std::vector<JournalEntry>* entries, std::vector<std::string> titles,
            std::vector<std::size_t> shown);
  // The entry of a row.
  const JournalEntry* EntryAt(int row) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  void sort(int column, Qt::SortOrder order) override;

 private:
  QString CellText(const JournalEntry& entry, int column) const;
  void SortShown();

  const std::vector<JournalEntry>* entries_ = nullptr;
  std::vector<std::string> titles_;
  std::vector<std::size_t> shown_;
  int sort_column_ = kDate;
  Qt::SortOrder sort_order_ = Qt::DescendingOrder;
};

}  // namespace sibylon
