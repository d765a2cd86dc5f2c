// "Vlastní výběr": instead of drawing from every compound of the chosen
// kinds, the teacher ticks the very compounds of the lesson in a list of
// them (formula and name), filtered by typing. The ticks are kept across
// filtering and changes of the kinds or the school: only those of the kinds
// and the school chosen now count. Used by the test and worksheet dialogs,
// whose templates hold the controls IDC_OWN_CHOICE, IDC_OWN_FILTER,
// IDC_OWN_LIST and IDC_OWN_CHOSEN beside the shared choices of
// PracticeChoices.h.
#pragma once

#include "practice/Grading.h"

#include <windows.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace dialogs {

class OwnChoice {
  public:
    // Sets up the list's columns and shows the choice as last left.
    void SetUp(HWND dialog);
    // Follows a click or a change of the dialog's controls: the check box,
    // the filter, and the kinds and school, whose compounds the list shows.
    void Command(HWND dialog, int id, int code);
    // Follows a notification of the dialog: a compound ticked or unticked.
    void Notify(HWND dialog, const NMHDR& header);

    // The groups the questions are drawn from: the ticked compounds of the
    // chosen kinds when the own choice is on, else every compound of them.
    // Asks in a box for a kind or a compound when none is chosen (nothing
    // then), and says so when fewer are there than `count` (`what` is
    // "test" or "pracovní list").
    std::optional<std::vector<std::vector<practice::Question>>>
    Groups(HWND dialog, const char* caption, const char* what, int count) const;

  private:
    std::vector<practice::Compound> Chosen(HWND dialog) const;
    void Fill(HWND dialog);
    void ShowChosen(HWND dialog) const;

    bool on_ = false;
    std::set<std::string> ticked_; // kind and formula
    std::vector<practice::Compound> shown_;
    bool filling_ = false; // the list's own notifications while it is filled
};

} // namespace dialogs
