// The choices the practice and worksheet dialogs share: what to ask (three
// radio buttons), for which school (two radio buttons), which kinds of
// compound (check boxes) and how many questions (a drop-down list).
#pragma once

#include "practice/Round.h"
#include "practice/Selection.h"

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace dialogs {

// Checks the first direction, primary school and the oxides alone, and fills the count list,
// `chosen` selected.
void SetUpChoices(HWND dialog, std::initializer_list<int> counts, int chosen);
practice::Direction ChosenDirection(HWND dialog);
// The radio button of the direction chosen.
HWND ChosenDirectionButton(HWND dialog);
int ChosenCount(HWND dialog);
// A seed that differs from one round to the next.
uint32_t NewSeed();
// The chosen kinds of compound and school.
practice::Selection ChosenSelection(HWND dialog);
// True when at least one kind of compound is chosen; else asks for one in a box.
bool KindChosen(HWND dialog, const char* caption, const char* request);
// A round of the chosen kinds at the chosen school, as chosen, with a new seed.
// When they hold fewer compounds than the questions chosen, a box says so
// first ("... kolo bude mít 3 otázky místo 10."; `what` names the round).
std::vector<practice::Question> DrawChosenRound(HWND dialog, const char* caption, const char* what);

} // namespace dialogs
