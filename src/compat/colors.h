#pragma once
// Colours as the original kept them: 0x00BBGGRR, red in the low byte; values
// 0x800000nn name system colours.
#include <QtGlobal>

namespace compat {

constexpr quint32 vbRGB(int r, int g, int b)
{
    return quint32(r & 0xFF) | (quint32(g & 0xFF) << 8) | (quint32(b & 0xFF) << 16);
}

constexpr quint32 vbButtonFace = 0x8000000F;

} // namespace compat
