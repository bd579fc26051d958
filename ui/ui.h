#pragma once
// The whole windowing layer.

#include "ui/controls.h"
#include "ui/desktop.h"
#include "ui/form.h"
#include "ui/grid.h"
#include "ui/typed_text.h"
