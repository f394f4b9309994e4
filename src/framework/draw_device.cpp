#include "framework/draw_device.h"

void DrawDevice::RestoreState()
{
    if (!m_saved.isEmpty())
        m_state = m_saved.takeLast();
}
