#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "srml/SpreadDefinition.h"

namespace sibylon {

// A spread's card table drawn small, as the reading page lays it out: every position a numbered
// card at its place, the cards laid shaded, the current position marked. A position whose place
// cannot be read is left out.
class CardTableSketch : public QWidget {
  Q_OBJECT

 public:
  explicit CardTableSketch(std::vector<std::optional<CardPlace>> places, QWidget* parent = nullptr);

  void SetCurrent(int position);
  void SetLaid(std::vector<bool> laid);

  QSize sizeHint() const override { return {260, 190}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<std::optional<CardPlace>> places_;
  std::vector<bool> laid_;
  int current_ = 0;
};

}  // namespace sibylon
