#pragma once

#include <QString>

#include "deck/CardCatalogue.h"

namespace sibylon {

// The name of a group of cards (the major cards, a suit, the blank card) in the interface
// language.
QString GroupName(CardGroup group);

}  // namespace sibylon
