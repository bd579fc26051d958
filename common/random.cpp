#include "common/random.h"
