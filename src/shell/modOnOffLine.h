#pragma once
// Forcing the system's internet state.
#include <QString>

// Number and text of the error raised when the system refuses the state.
inline constexpr int ErroreOffLine = -2147220504; // vbObjectError + 1000
extern const QString DescrizioneErroreOffLine;

// False asks the system to go on line; a refusal raises AppError
// ErroreOffLine. True changes nothing: no caller forces the off-line state and
// this desktop has no switch for it.
void ImpostaOffLine(bool offline);
