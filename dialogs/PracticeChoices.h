// The choices the practice and worksheet dialogs share: what to ask (three
// radio buttons), for which school (two radio buttons), which kinds of
// compound (check boxes, and one that ticks them all) and how many questions
// (a drop-down list). Each dialog keeps its last choices while the program
// runs (in memory: the program writes no settings).
#pragma once

#include "practice/Round.h"
#include "practice/Selection.h"

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace dialogs {

struct Choices {
    practice::Direction direction = practice::Direction::FormulaToName;
    practice::Selection selection; // the oxides alone, primary school
    int count;
};

// Sets the controls to `choices` and fills the count list.
void SetUpChoices(HWND dialog, std::initializer_list<int> counts, const Choices& choices);
// The choices as the controls show them.
Choices ChosenChoices(HWND dialog);
// A seed that differs from one round to the next.
uint32_t NewSeed();
// Keeps "všechny" and the kinds in step after a click on one of them; false
// for any other control.
bool KindClicked(HWND dialog, int id);
// True when at least one kind of compound is chosen; else asks for one in a box.
bool KindChosen(HWND dialog, const char* caption, const char* request);
// A round of the chosen kinds at the chosen school, as chosen, with a new seed.
// When they hold fewer compounds than the questions chosen, a box says so
// first ("... kolo bude mít 3 otázky místo 10."; `what` names the round).
std::vector<practice::Question> DrawChosenRound(HWND dialog, const char* caption, const char* what);

} // namespace dialogs
