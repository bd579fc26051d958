#pragma once
// Walks the open promotion's wizard on to its last page, as a person clicking "Next >>>".

#include "app/editor.h"

// Clicks "Next >>>" on Steps 1 to 7 in turn. A click on a page that is not shown does nothing, so
// the walk goes on from whichever page is shown, and stops early where a page refuses to go on.
inline void nextToStepEight(Editor& editor) {
  for (ui::CommandButton* next :
       {&editor.form3.Command1, &editor.form4.Command1, &editor.form5.Command1,
        &editor.form6.Command1, &editor.form7.Command1, &editor.form8.Command1,
        &editor.form10.Command1})
    next->click();
}
