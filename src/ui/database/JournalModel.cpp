#include "ui/database/JournalModel.h"

#include <algorithm>

#include "ui/widgets/TextCodec.h"
#include "ui/widgets/Translate.h"

namespace sibylon {

JournalModel::JournalModel(QObject* parent) : QAbstractTableModel(parent) {}

void JournalModel::Show(const std::vector<JournalEntry>* entries, std::vector<std::string> titles,
                        std::vector<std::size_t> shown) {
  beginResetModel();
  entries_ = entries;
  titles_ = std::move(titles);
  shown_ = std::move(shown);
  SortShown();
  endResetModel();
}

const JournalEntry* JournalModel::EntryAt(int row) const {
  if (!entries_ || row < 0 || row >= static_cast<int>(shown_.size())) return nullptr;
  return &(*entries_)[shown_[static_cast<std::size_t>(row)]];
}

int JournalModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int JournalModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QString JournalModel::CellText(const JournalEntry& entry, int column) const {
  switch (column) {
    case kDate:
      // Where the reading's own date cannot be read, the file's time stands in, marked.
      return entry.minute_from_file
                 ? QStringLiteral("(%1)").arg(ToQString(MinuteText(entry.minute)))
                 : ToQString(entry.date_text);
    case kPerson:
      return ToQString(entry.person);
    case kSpread:
      return ToQString(entry.spread);
    case kQuestion:
      return entry.readable ? ToQString(entry.question)
                            : Tr("unreadable: %1", "не читается: %1").arg(ToQString(entry.problem));
    case kCards: {
      QStringList cards;
      for (const FallenCard& card : entry.cards) {
        const auto at = static_cast<std::size_t>(card.card);
        QString title = at < titles_.size() ? ToQString(titles_[at]) : QString::number(card.card);
        if (card.orientation == "reversed") title += Tr(" (reversed)", " (перевёрнута)");
        cards << title;
      }
      return cards.join(QStringLiteral(", "));
    }
    case kFile:
      return ToQString(entry.file);
    default:
      return QString();
  }
}

QVariant JournalModel::data(const QModelIndex& index, int role) const {
  const JournalEntry* entry = EntryAt(index.row());
  if (!entry) return {};
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole || role == Qt::ToolTipRole) {
    return CellText(*entry, index.column());
  }
  return {};
}

QVariant JournalModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const char* const kHeadings[][2] = {{"Date", "Дата"},      {"Person", "Человек"},
                                             {"Spread", "Расклад"}, {"Question", "Вопрос"},
                                             {"Cards", "Карты"},    {"File", "Файл"}};
  return section >= 0 && section < kColumnCount ? Tr(kHeadings[section][0], kHeadings[section][1])
                                                : QVariant();
}

void JournalModel::sort(int column, Qt::SortOrder order) {
  beginResetModel();
  sort_column_ = column;
  sort_order_ = order;
  SortShown();
  endResetModel();
}

void JournalModel::SortShown() {
  if (!entries_) return;
  const auto& entries = *entries_;
  const int column = sort_column_;
  auto less = [&](std::size_t a, std::size_t b) {
    const JournalEntry& x = entries[a];
    const JournalEntry& y = entries[b];
    if (column == kDate) return x.minute < y.minute;  // a date whichever pattern wrote it
    return CellText(x, column).compare(CellText(y, column), Qt::CaseInsensitive) < 0;
  };
  if (sort_order_ == Qt::AscendingOrder) {
    std::stable_sort(shown_.begin(), shown_.end(), less);
  } else {
    std::stable_sort(shown_.begin(), shown_.end(),
                     [&](std::size_t a, std::size_t b) { return less(b, a); });
  }
}

}  // namespace sibylon
