#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "database/JournalStatistics.h"
#include "ui/widgets/CardGroupName.h"

class QChartView;

namespace sibylon {

// The journal's statistics as charts: the cards that returned most beside what chance would
// give, the major cards and the suits against their share by chance, and the readings per month.
class JournalCharts : public QWidget {
  Q_OBJECT

 public:
  explicit JournalCharts(QWidget* parent = nullptr);

  void Show(const JournalStatistics& statistics, const std::vector<std::string>& titles);

 private:
  QChartView* top_cards_ = nullptr;
  QChartView* groups_ = nullptr;
  QChartView* months_ = nullptr;
};

}  // namespace sibylon
