// The choices the practice and worksheet dialogs share: what to ask (three
// radio buttons), for which school (two radio buttons) and how many questions
// (a drop-down list).
#pragma once

#include "practice/Round.h"

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace dialogs {

// Checks the first direction and primary school, and fills the count list,
// `chosen` selected.
void SetUpChoices(HWND dialog, std::initializer_list<int> counts, int chosen);
practice::Direction ChosenDirection(HWND dialog);
// The radio button of the direction chosen.
HWND ChosenDirectionButton(HWND dialog);
int ChosenCount(HWND dialog);
// A seed that differs from one round to the next.
uint32_t NewSeed();
// A round of the oxides of the chosen school, as chosen, with a new seed.
std::vector<practice::Question> DrawChosenRound(HWND dialog,
                                                const std::vector<practice::Oxide>& oxides);

} // namespace dialogs
