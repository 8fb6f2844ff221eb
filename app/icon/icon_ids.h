// The program icon's resource identifier.
#pragma once

#define IDI_DRAVOLT 128
