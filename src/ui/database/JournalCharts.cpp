#include "ui/database/JournalCharts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "ui/widgets/TextCodec.h"

namespace sibylon {
namespace {

QChartView* NewChartView(const char* name, const QString& title, QWidget* parent) {
  auto* view = new QChartView(parent);
  view->setObjectName(QString::fromLatin1(name));
  view->setAccessibleName(title);
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumHeight(150);
  return view;
}

// A bar chart of one or two sets over `categories`.
QChart* BarChart(const QString& title, const QStringList& categories,
                 const std::vector<std::pair<QString, QList<qreal>>>& sets) {
  auto* chart = new QChart;
  chart->setTitle(title);
  auto* series = new QBarSeries;
  qreal highest = 1;
  for (const auto& [name, values] : sets) {
    auto* set = new QBarSet(name);
    set->append(values);
    series->append(set);
    for (const qreal value : values) highest = std::max(highest, value);
  }
  chart->addSeries(series);
  auto* x = new QBarCategoryAxis;
  x->append(categories);
  x->setLabelsAngle(categories.size() > 6 ? -60 : 0);
  chart->addAxis(x, Qt::AlignBottom);
  series->attachAxis(x);
  auto* y = new QValueAxis;
  y->setRange(0, highest * 1.1);
  y->setLabelFormat(QStringLiteral("%.0f"));
  chart->addAxis(y, Qt::AlignLeft);
  series->attachAxis(y);
  chart->legend()->setVisible(sets.size() > 1);
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->setMargins(QMargins(2, 2, 2, 2));
  return chart;
}

void Replace(QChartView* view, QChart* chart) {
  QChart* old = view->chart();
  view->setChart(chart);
  delete old;
}

}  // namespace

QString GroupName(CardGroup group) {
  switch (group) {
    case CardGroup::kMajor:
      return QStringLiteral("Major");
    case CardGroup::kWands:
      return QStringLiteral("Wands");
    case CardGroup::kCups:
      return QStringLiteral("Cups");
    case CardGroup::kSwords:
      return QStringLiteral("Swords");
    case CardGroup::kCoins:
      return QStringLiteral("Coins");
    default:
      return QStringLiteral("Blank");
  }
}

JournalCharts::JournalCharts(QWidget* parent) : QWidget(parent) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  top_cards_ =
      NewChartView("JournalTopCardsChart", QStringLiteral("Cards that returned most"), this);
  groups_ = NewChartView("JournalGroupsChart", QStringLiteral("Major cards and suits"), this);
  months_ = NewChartView("JournalMonthsChart", QStringLiteral("Readings per month"), this);
  row->addWidget(top_cards_, 3);
  row->addWidget(groups_, 2);
  row->addWidget(months_, 2);
}

void JournalCharts::Show(const JournalStatistics& statistics,
                         const std::vector<std::string>& titles) {
  QStringList cards;
  QList<qreal> fell, chance;
  for (const ReturningCard& card : statistics.most_returned) {
    const auto at = static_cast<std::size_t>(card.card);
    cards << (at < titles.size() ? ToQString(titles[at]) : QString::number(card.card));
    fell << card.count;
    chance << card.expected;
  }
  Replace(top_cards_,
          BarChart(QStringLiteral("Cards that returned most"), cards,
                   {{QStringLiteral("Fell"), fell}, {QStringLiteral("By chance"), chance}}));
  QStringList groups;
  QList<qreal> counted, expected;
  for (const GroupShare& share : statistics.groups) {
    groups << GroupName(share.group);
    counted << share.count;
    expected << share.expected;
  }
  Replace(groups_,
          BarChart(QStringLiteral("Major cards and suits"), groups,
                   {{QStringLiteral("Fell"), counted}, {QStringLiteral("By chance"), expected}}));
  QStringList months;
  QList<qreal> readings;
  for (const auto& [month, count] : statistics.readings_per_month) {
    months << ToQString(month);
    readings << count;
  }
  Replace(months_, BarChart(QStringLiteral("Readings per month"), months,
                            {{QStringLiteral("Readings"), readings}}));
}

}  // namespace sibylon
