#include "skin/tamsel.h"

#include "brennix/brennix.h"

void work(int) {}
