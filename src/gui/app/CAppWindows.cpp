#include "gui/app/CAppWindows.h"

CAppWindows& AppWindows()
{
    static CAppWindows windows;
    return windows;
}
