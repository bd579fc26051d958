#pragma once
// The editor's windows, as the front end watches them.

#include <vector>

#include "ui/form.h"

class Editor;

namespace win {

// The editor's 19 windows, in the order form1 ... form19.
std::vector<ui::Form*> windowsOf(Editor& editor);

}  // namespace win
