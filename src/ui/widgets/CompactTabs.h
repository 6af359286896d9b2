#pragma once

#include <QProxyStyle>

namespace sibylon {

// The style of a tab row that holds more tabs than its width would at the desktop style's own
// spacing: the same look, with less space beside each caption.
class CompactTabs : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override {
    const int value = QProxyStyle::pixelMetric(metric, option, widget);
    return metric == PM_TabBarTabHSpace ? value / 2 : value;
  }
};

}  // namespace sibylon
