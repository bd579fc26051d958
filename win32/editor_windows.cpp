// Kept apart from the files that see the Windows headers, whose names would clash with the
// windows' own.
#include "win32/editor_windows.h"

#include "app/editor.h"

namespace win {

std::vector<ui::Form*> windowsOf(Editor& editor) {
  return {&editor.form1,  &editor.form2,  &editor.form3,  &editor.form4,  &editor.form5,
          &editor.form6,  &editor.form7,  &editor.form8,  &editor.form9,  &editor.form10,
          &editor.form11, &editor.form12, &editor.form13, &editor.form14, &editor.form15,
          &editor.form16, &editor.form17, &editor.form18, &editor.form19};
}

}  // namespace win
