#include "ui/controls.h"
