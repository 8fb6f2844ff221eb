#include "brennix/brennix.h"

int BrennixVersion() { return 2; }
