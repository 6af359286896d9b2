#include "ui/database/JournalCharts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QValueAxis>
#include <algorithm>

#include "ui/widgets/TextCodec.h"
#include "ui/widgets/Translate.h"

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

// Ten names beside their bars need the chart's whole height.
bool LongList(const QStringList& categories) { return categories.size() > 5; }

// A bar chart of one or two sets over `categories`; `across` lays the bars across, so that long
// category names stand beside them.
QChart* BarChart(const QString& title, const QStringList& categories,
                 const std::vector<std::pair<QString, QList<qreal>>>& sets, bool across = false,
                 bool labels = true) {
  auto* chart = new QChart;
  chart->setTitle(title);
  QFont small = chart->titleFont();
  small.setPointSizeF(7);
  QFont heading = small;
  heading.setPointSizeF(8);
  heading.setBold(true);
  chart->setTitleFont(heading);
  QAbstractBarSeries* series = across ? static_cast<QAbstractBarSeries*>(new QHorizontalBarSeries)
                                      : static_cast<QAbstractBarSeries*>(new QBarSeries);
  qreal highest = 1;
  for (const auto& [name, values] : sets) {
    auto* set = new QBarSet(name);
    set->append(values);
    series->append(set);
    for (const qreal value : values) highest = std::max(highest, value);
  }
  chart->addSeries(series);
  auto* names = new QBarCategoryAxis;
  names->append(categories);
  names->setLabelsFont(small);
  names->setLabelsVisible(labels);
  auto* values = new QValueAxis;
  values->setRange(0, highest * 1.1);
  values->setLabelFormat(QStringLiteral("%.0f"));
  values->setLabelsFont(small);
  values->setTickCount(4);
  chart->addAxis(names, across ? Qt::AlignLeft : Qt::AlignBottom);
  chart->addAxis(values, across ? Qt::AlignBottom : Qt::AlignLeft);
  series->attachAxis(names);
  series->attachAxis(values);
  // Both two-set charts show "Fell" and "By chance" in the same colours: one legend, beside the
  // suits, leaves the cards' chart the height its ten names need.
  chart->legend()->setVisible(sets.size() > 1 && !LongList(categories));
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->legend()->setFont(small);
  chart->setMargins(QMargins(2, 2, 2, 2));
  return chart;
}

void Replace(QChartView* view, QChart* chart) {
  QChart* old = view->chart();
  view->setChart(chart);
  delete old;
}

}  // namespace

JournalCharts::JournalCharts(QWidget* parent) : QWidget(parent) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  top_cards_ = NewChartView("JournalTopCardsChart",
                            Tr("Cards that returned most", "Чаще всего выпадали"), this);
  groups_ = NewChartView("JournalGroupsChart",
                         Tr("Major cards and suits", "Старшие арканы и масти"), this);
  months_ = NewChartView("JournalMonthsChart", Tr("Readings per month", "Раскладов в месяц"), this);
  row->addWidget(top_cards_, 3);
  row->addWidget(groups_, 2);
  row->addWidget(months_, 2);
}

void JournalCharts::Show(const JournalStatistics& statistics,
                         const std::vector<std::string>& titles) {
  // The most returned card on top.
  QStringList cards;
  QList<qreal> fell, chance;
  for (auto it = statistics.most_returned.rbegin(); it != statistics.most_returned.rend(); ++it) {
    const ReturningCard& card = *it;
    const auto at = static_cast<std::size_t>(card.card);
    cards << (at < titles.size() ? ToQString(titles[at]) : QString::number(card.card));
    fell << card.count;
    chance << card.expected;
  }
  Replace(top_cards_,
          BarChart(Tr("Cards that returned most", "Чаще всего выпадали"), cards,
                   {{Tr("Fell", "Выпало"), fell}, {Tr("By chance", "Случайно"), chance}}, true));
  QStringList groups;
  QList<qreal> counted, expected;
  for (const GroupShare& share : statistics.groups) {
    groups << GroupName(share.group);
    counted << share.count;
    expected << share.expected;
  }
  Replace(
      groups_,
      BarChart(Tr("Major cards and suits", "Старшие арканы и масти"), groups,
               {{Tr("Fell", "Выпало"), counted}, {Tr("By chance", "Случайно"), expected}}, true));
  QStringList months;
  QList<qreal> readings;
  for (const auto& [month, count] : statistics.readings_per_month) {
    months << ToQString(month);
    readings << count;
  }
  // Many months leave no room for their names: the title gives the first and the last.
  // Many months leave no room for their names; the summary above gives the first and the last.
  const bool named = months.size() <= 6;
  QChart* by_month = BarChart(Tr("Readings per month", "Раскладов в месяц"), months,
                              {{Tr("Readings", "Расклады"), readings}}, false, named);
  Replace(months_, by_month);
}

}  // namespace sibylon
