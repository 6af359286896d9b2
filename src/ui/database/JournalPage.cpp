#include "ui/database/JournalPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <set>

#include "database/JournalSearch.h"
#include "database/JournalStatistics.h"
#include "deck/CardCatalogue.h"
#include "ui/database/JournalCharts.h"
#include "ui/database/JournalModel.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/NamedControls.h"
#include "ui/widgets/TextCodec.h"
#include "ui/widgets/Translate.h"

namespace sibylon {
namespace {

QComboBox* Choice(const char* name, const QString& label, QWidget* parent) {
  QComboBox* box = NamedComboBox(name, parent);
  box->setAccessibleName(label);
  box->setToolTip(label);
  box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  box->setMinimumContentsLength(10);
  return box;
}

std::int64_t MinuteOf(const QDate& date, int hour, int minute) {
  return CalendarMinute(date.year(), date.month(), date.day(), hour, minute);
}

void AddStatisticsRow(QTableWidget* table, const QString& what, const QString& count,
                      const QString& chance) {
  const int row = table->rowCount();
  table->insertRow(row);
  table->setItem(row, 0, new QTableWidgetItem(what));
  table->setItem(row, 1, new QTableWidgetItem(count));
  table->setItem(row, 2, new QTableWidgetItem(chance));
}

}  // namespace

JournalPage::JournalPage(std::string folder, std::function<std::vector<std::string>()> titles,
                         QWidget* parent)
    : QWidget(parent), journal_(std::move(folder)), titles_(std::move(titles)) {
  setObjectName(QStringLiteral("TabSheetJournal"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);

  auto* filters = new QGridLayout;
  search_ = NamedEdit("JournalSearch", QString(), this);
  search_->setPlaceholderText(Tr("Search readings", "Поиск раскладов"));
  search_->setAccessibleName(Tr("Search readings", "Поиск раскладов"));
  filters->addWidget(search_, 0, 0, 1, 3);
  QPushButton* clear = NamedButton("JournalClear", Tr("Clear", "Сбросить"), this);
  filters->addWidget(clear, 0, 3);
  person_ = Choice("JournalPerson", Tr("Person", "Человек"), this);
  spread_ = Choice("JournalSpread", Tr("Spread", "Расклад"), this);
  card_ = Choice("JournalCard", Tr("Card", "Карта"), this);
  card_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  orientation_ = Choice("JournalOrientation", Tr("Orientation", "Положение"), this);
  orientation_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  orientation_->addItem(Tr("Any way up", "Любое положение"), QString());
  orientation_->addItem(Tr("Upright", "Прямо"), QStringLiteral("normal"));
  orientation_->addItem(Tr("Reversed", "Перевёрнуто"), QStringLiteral("reversed"));
  filters->addWidget(person_, 1, 0);
  filters->addWidget(spread_, 1, 1);
  filters->addWidget(card_, 1, 2);
  filters->addWidget(orientation_, 1, 3);
  auto* dates = new QHBoxLayout;
  dates_ = NamedCheckBox("JournalDates", Tr("From", "С"), false, this);
  from_ = new QDateEdit(QDate::currentDate().addYears(-1), this);
  from_->setObjectName(QStringLiteral("JournalFrom"));
  from_->setAccessibleName(Tr("From", "С"));
  to_ = new QDateEdit(QDate::currentDate(), this);
  to_->setObjectName(QStringLiteral("JournalTo"));
  to_->setAccessibleName(Tr("To", "По"));
  for (QDateEdit* edit : {from_, to_}) {
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setEnabled(false);
    edit->setMinimumWidth(edit->sizeHint().width() + 8);
  }
  dates->addWidget(dates_);
  dates->addWidget(from_);
  dates->addWidget(NamedLabel("JournalToLabel", Tr("to", "по"), this));
  dates->addWidget(to_);
  dates->addStretch(1);
  export_ = NamedButton("JournalExportPdf", Tr("Export PDF…", "Экспорт в PDF…"), this);
  dates->addWidget(export_);
  filters->addLayout(dates, 2, 0, 1, 4);
  filters->setColumnStretch(0, 1);
  filters->setColumnStretch(1, 1);
  layout->addLayout(filters);

  views_ = NamedTabs("JournalViews", this);
  model_ = new JournalModel(this);
  list_ = new QTableView(this);
  list_->setObjectName(QStringLiteral("JournalList"));
  list_->setAccessibleName(Tr("Readings", "Расклады"));
  list_->setModel(model_);
  list_->setSortingEnabled(true);
  list_->sortByColumn(JournalModel::kDate, Qt::DescendingOrder);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->verticalHeader()->hide();
  list_->verticalHeader()->setDefaultSectionSize(20);
  list_->horizontalHeader()->setStretchLastSection(true);
  list_->setWordWrap(false);
  for (const auto& [column, width] : {std::pair{JournalModel::kDate, 110},
                                      {JournalModel::kPerson, 90},
                                      {JournalModel::kSpread, 120},
                                      {JournalModel::kQuestion, 160},
                                      {JournalModel::kCards, 170}}) {
    list_->setColumnWidth(column, width);
  }
  list_->installEventFilter(this);
  views_->addTab(list_, Tr("Readings", "Расклады"));

  auto* statistics = new QWidget(this);
  statistics->setObjectName(QStringLiteral("JournalStatistics"));
  statistics->setAccessibleName(Tr("Statistics", "Статистика"));
  auto* statistics_layout = new QVBoxLayout(statistics);
  statistics_layout->setContentsMargins(4, 4, 4, 4);
  summary_ = NamedLabel("JournalSummary", QString(), statistics);
  summary_->setWordWrap(true);
  statistics_layout->addWidget(summary_);
  charts_ = new JournalCharts(statistics);
  charts_->setObjectName(QStringLiteral("JournalCharts"));
  statistics_layout->addWidget(charts_, 4);
  statistics_ = new QTableWidget(0, 3, statistics);
  statistics_->setObjectName(QStringLiteral("JournalStatisticsTable"));
  statistics_->setAccessibleName(Tr("Statistics table", "Таблица статистики"));
  statistics_->setHorizontalHeaderLabels(
      {Tr("What", "Что"), Tr("Count", "Сколько"), Tr("By chance", "Случайно")});
  statistics_->verticalHeader()->hide();
  statistics_->verticalHeader()->setDefaultSectionSize(20);
  statistics_->horizontalHeader()->setStretchLastSection(true);
  statistics_->setColumnWidth(0, 260);
  statistics_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  statistics_layout->addWidget(statistics_, 1);
  views_->addTab(statistics, Tr("Statistics", "Статистика"));
  layout->addWidget(views_, 1);

  OnUserAction(search_, &QLineEdit::textChanged, this, &JournalPage::Apply);
  OnUserAction(clear, &QPushButton::clicked, this, &JournalPage::Clear);
  for (QComboBox* box : {person_, spread_, card_, orientation_}) {
    OnUserAction(box, &QComboBox::currentIndexChanged, this, &JournalPage::Apply);
  }
  OnUserAction(dates_, &QCheckBox::toggled, this, [this](bool on) {
    from_->setEnabled(on);
    to_->setEnabled(on);
    Apply();
  });
  OnUserAction(from_, &QDateEdit::dateChanged, this, &JournalPage::Apply);
  OnUserAction(to_, &QDateEdit::dateChanged, this, &JournalPage::Apply);
  OnUserAction(list_, &QTableView::doubleClicked, this,
               [this](const QModelIndex& index) { ChooseRow(index.row()); });
  OnUserAction(export_, &QPushButton::clicked, this, &JournalPage::Export);
}

void JournalPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Guarded(this, [this] { Refresh(); });
}

bool JournalPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Guarded(this, [this] { ChooseRow(list_->currentIndex().row()); });
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void JournalPage::Refresh() {
  // Reading a large folder for the first time takes a moment: the user sees how far it got.
  QProgressDialog progress(Tr("Reading the journal...", "Читаю журнал..."), QString(), 0, 0, this);
  progress.setObjectName(QStringLiteral("JournalProgress"));
  progress.setWindowTitle(Tr("Journal", "Журнал"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(400);
  progress.setCancelButton(nullptr);
  const bool changed = journal_.Refresh([&](std::size_t done, std::size_t total) {
    progress.setMaximum(static_cast<int>(total));
    progress.setValue(static_cast<int>(done));
  });
  progress.reset();
  // The card choice names the cards by the title list in use, which the titles editor may change.
  if (changed || person_->count() == 0 || titles_() != filter_titles_) FillFilterChoices();
  Apply();
}

void JournalPage::FillFilterChoices() {
  std::set<std::string> people, spreads;
  for (const JournalEntry& entry : journal_.Entries()) {
    if (!entry.readable) continue;
    if (!entry.person.empty()) people.insert(entry.person);
    if (!entry.spread.empty()) spreads.insert(entry.spread);
  }
  const std::vector<std::string> titles = filter_titles_ = titles_();
  auto refill = [](QComboBox* box, const QString& all, const auto& items) {
    const QSignalBlocker quiet(box);
    const QString chosen = box->currentIndex() > 0 ? box->currentText() : QString();
    box->clear();
    box->addItem(all);
    for (const std::string& item : items) box->addItem(ToQString(item));
    const int again = chosen.isEmpty() ? 0 : box->findText(chosen);
    box->setCurrentIndex(again > 0 ? again : 0);
  };
  refill(person_, Tr("Everyone", "Все"), people);
  refill(spread_, Tr("Every spread", "Все расклады"), spreads);
  const QSignalBlocker quiet(card_);
  const int chosen_card = card_->currentIndex() > 0 ? card_->currentData().toInt() : -1;
  card_->clear();
  card_->addItem(Tr("Any card", "Любая карта"), -1);
  for (int card = 0; card < kCardCount && card < static_cast<int>(titles.size()); ++card) {
    card_->addItem(ToQString(titles[static_cast<std::size_t>(card)]), card);
  }
  card_->setCurrentIndex(std::max(0, card_->findData(chosen_card)));
}

void JournalPage::Apply() {
  JournalQuery query;
  query.text = ToBytes(search_->text());
  if (person_->currentIndex() > 0) query.person = ToBytes(person_->currentText());
  if (spread_->currentIndex() > 0) query.spread = ToBytes(spread_->currentText());
  if (card_->currentIndex() > 0) query.card = card_->currentData().toInt();
  query.orientation = ToBytes(orientation_->currentData().toString());
  if (query.orientation.empty() || !query.card) query.orientation.clear();
  if (dates_->isChecked()) {
    query.from = MinuteOf(from_->date(), 0, 0);
    query.to = MinuteOf(to_->date(), 23, 59);
  }
  const std::vector<std::string> titles = titles_();
  const std::vector<std::size_t> shown =
      FilterJournal(journal_.Entries(), journal_.Haystacks(titles), query);
  model_->Show(&journal_.Entries(), titles, shown);
  export_->setEnabled(model_->rowCount() > 0);

  const JournalStatistics stats = ComputeJournalStatistics(journal_.Entries(), shown);
  QString summary = Tr("Readings: %1", "Раскладов: %1").arg(stats.readings);
  if (!stats.readings_per_month.empty()) {
    summary += Tr(" (%1 to %2)", " (с %1 по %2)")
                   .arg(ToQString(stats.readings_per_month.front().first),
                        ToQString(stats.readings_per_month.back().first));
  }
  summary += Tr(". Cards fallen reversed: %1%.", ". Перевёрнутых карт: %1%.")
                 .arg(QString::number(stats.reversed_share * 100, 'f', 0));
  if (stats.blanks > 0) summary += Tr(" Blank cards: %1.", " Пустых карт: %1.").arg(stats.blanks);
  if (stats.skipped > 0) {
    summary +=
        Tr(" Files that are no readings, skipped: %1.", " Файлов не раскладов, пропущено: %1.")
            .arg(stats.skipped);
  }
  summary_->setText(summary);
  charts_->Show(stats, titles);

  statistics_->setRowCount(0);
  for (const ReturningCard& card : stats.most_returned) {
    const auto at = static_cast<std::size_t>(card.card);
    const QString title = at < titles.size() ? ToQString(titles[at]) : QString::number(card.card);
    AddStatisticsRow(statistics_,
                     Tr("%1 (upright %2, reversed %3)", "%1 (прямо %2, перевёрнуто %3)")
                         .arg(title)
                         .arg(stats.upright[at])
                         .arg(stats.reversed[at]),
                     QString::number(card.count), QString::number(card.expected, 'f', 2));
  }
  for (const GroupShare& share : stats.groups) {
    AddStatisticsRow(statistics_, GroupName(share.group), QString::number(share.count),
                     QString::number(share.expected, 'f', 2));
  }
  for (const auto& [month, count] : stats.readings_per_month) {
    AddStatisticsRow(statistics_, Tr("Readings in %1", "Раскладов в %1").arg(ToQString(month)),
                     QString::number(count), QString());
  }
}

void JournalPage::Clear() {
  for (QComboBox* box : {person_, spread_, card_, orientation_}) {
    const QSignalBlocker quiet(box);
    box->setCurrentIndex(0);
  }
  {
    const QSignalBlocker quiet(dates_);
    dates_->setChecked(false);
    from_->setEnabled(false);
    to_->setEnabled(false);
  }
  const QSignalBlocker quiet(search_);
  search_->clear();
  Apply();
}

void JournalPage::Export() {
  std::vector<std::string> files;
  for (int row = 0; row < model_->rowCount(); ++row) {
    const JournalEntry* entry = model_->EntryAt(row);
    // A file that is no reading has no page.
    if (entry && entry->readable) files.push_back(entry->file);
  }
  emit ExportClicked(files);
}

void JournalPage::ChooseRow(int row) {
  const JournalEntry* entry = model_->EntryAt(row);
  if (entry) emit ReadingChosen(entry->entry);
}

}  // namespace sibylon
