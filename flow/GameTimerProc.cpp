#include "flow/GameTimerProc.h"

#include "flow/BoardCtrl.h"

void GameTimerProc()
{
    if (g_pBoard)
        g_pBoard->Redraw();
}
