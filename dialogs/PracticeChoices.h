// The choices the practice and worksheet dialogs share: what to ask (three
// radio buttons) and how many questions (a drop-down list).
#pragma once

#include "practice/Round.h"

#include <windows.h>

#include <cstdint>
#include <initializer_list>

namespace dialogs {

// Checks the first direction and fills the count list, `chosen` selected.
void SetUpChoices(HWND dialog, std::initializer_list<int> counts, int chosen);
practice::Direction ChosenDirection(HWND dialog);
int ChosenCount(HWND dialog);
// A seed that differs from one round to the next.
uint32_t NewSeed();

} // namespace dialogs
