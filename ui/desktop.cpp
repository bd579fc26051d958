#include "ui/desktop.h"
