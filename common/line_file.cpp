#include "common/line_file.h"
