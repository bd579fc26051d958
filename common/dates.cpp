#include "common/dates.h"
